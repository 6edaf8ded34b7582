#include "model/card_settings.h"

#include "model/state_record.h"

namespace vantrel {

int cardShadowDepth(const StateRecord& state) {
    return state.read(field::Cards_Shadowed) == "N" ? 0 : ShadowDepth;
}

std::optional<char> cardSizeLetter(std::string_view text) {
    if (text == "B" || text == "M" || text == "L") return text.front();
    return std::nullopt;
}

}  // namespace vantrel
