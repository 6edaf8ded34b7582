#pragma once
// Two small questions about pile texts.
#include <string_view>

namespace vantrel {

struct Game;

// True when one of the three-digit codes of `pile` equals `code`.
bool codeInPileText(std::string_view code, std::string_view pile);

// Most cards in any tableau pile in use (parameter 262 rows).
int longestTableauPile(const Game& game);

}  // namespace vantrel
