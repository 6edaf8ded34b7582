#include "model/game_params.h"
#include "model/param_ids.h"

#include <cstddef>

namespace vantrel {

void GameParams::set(int n, int value) {
    if (n < 0 || n >= Count) return;
    values_[static_cast<size_t>(n)] = static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value)));
}

void GameParams::saveCopy() {
    for (std::size_t i = 0; i < savedTableauBase_.size(); ++i) savedTableauBase_[i] = values_[param::TableauBase.first + i];
    for (std::size_t i = 0; i < savedBaseRanks_.size(); ++i) savedBaseRanks_[i] = values_[param::FoundationBase.first + i];
}

void GameParams::RestoreGameParameters() {
    for (std::size_t i = 0; i < savedTableauBase_.size(); ++i) values_[param::TableauBase.first + i] = savedTableauBase_[i];
    for (std::size_t i = 0; i < savedBaseRanks_.size(); ++i) values_[param::FoundationBase.first + i] = savedBaseRanks_[i];
}

}  // namespace vantrel
