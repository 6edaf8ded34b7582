#include "engine/game_won.h"

#include <algorithm>
#include <string>

#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
bool onlyGaps(const std::string& pile) {
    for (size_t i = 0; i + 3 <= pile.size(); i += 3)
        if (pile.compare(i, 3, GapCode) != 0) return false;
    return true;
}
}  // namespace

bool IsGameWon(const Game& game) {
    const int family = game.params[param::Family];
    const int rows = param::rowsInUse(game.params);
    const auto& tableau = game.piles.tableau;
    const auto row = [&](int k) -> const std::string& { return tableau[static_cast<size_t>(k)]; };

    switch (family) {
        case 9:
            for (int k = 0; k < rows; ++k)
                if (row(k).empty()) return false;
            return true;
        case 21:
        case 22:
            return game.piles.stock[StockEntry].empty() && cardCount(row(0)) <= 4;
        case 27:
            for (int k = 0; k < rows; ++k)
                if (cardCount(row(k)) != 1) return false;
            return true;
        default: break;
    }
    if (!game.piles.stock[StockEntry].empty() || !game.piles.stock[WasteEntry].empty()) return false;
    for (int k = 0; k < rows; ++k) {
        if (family == 4 ? !onlyGaps(row(k)) : !row(k).empty()) return false;
    }
    const int reserves = param::reservesInUse(game.params);
    for (int n = 0; n < reserves; ++n)
        if (!game.piles.reserves[static_cast<size_t>(n)].empty()) return false;
    return true;
}

}  // namespace vantrel
