#pragma once
// Card settings of the state record that the preferences, the layout and the
// drawing all read, defined once.
#include <optional>
#include <string_view>

namespace vantrel {

class StateRecord;

// How far a shadowed card's shadow reaches to the right and downwards.
inline constexpr int ShadowDepth = 9;

// ShadowDepth, or 0 when `Cards_Shadowed` is "N".
int cardShadowDepth(const StateRecord& state);

// The letter of a card size there are pictures for ("B", "M" or "L");
// nothing for any other text.
std::optional<char> cardSizeLetter(std::string_view text);

}  // namespace vantrel
