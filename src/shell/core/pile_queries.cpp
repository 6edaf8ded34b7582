#include "shell/core/pile_queries.h"

#include <algorithm>

#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

bool codeInPileText(std::string_view code, std::string_view pile) {
    if (code.size() != 3) return false;
    for (size_t i = 0; i + 3 <= pile.size(); i += 3)
        if (pile.substr(i, 3) == code) return true;
    return false;
}

int longestTableauPile(const Game& game) {
    const int rows = param::rowsInUse(game.params);
    int longest = 0;
    for (int i = 0; i < rows; ++i) longest = std::max(longest, cardCount(game.piles.tableau[static_cast<size_t>(i)]));
    return longest;
}

}  // namespace vantrel
