// The balance rule: foundations that share a balance base code start with
// an even mix of colours (81) or one card of each suit (84, 85).
#include <array>

#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/messages.h"
#include "model/param_ids.h"

namespace vantrel {

bool MoveRules::balanceRule(int code, int card) const {
    const int rank = rankOf(card);
    if (code == 84 ? rank != King : rank != Ace) return false;
    const bool countSuits = code == 84 || code == 85;

    int listed = 0;
    for (int j = 0; j < FoundationPiles; ++j)
        if (game_.params[param::FoundationBase.at(j)] == code) ++listed;
    const int half = listed / 2;

    int red = 0, black = 0;
    std::array<int, 4> suits{};
    // Counts one card; false when it breaks the balance.
    auto count = [&](int c) {
        const int suit = suitOf(c);
        if (suit < 0 || suit > 3) {
            if (messages_) messages_->infoBox("Error suit - 1");
            return true;
        }
        ++(isRed(c) ? red : black);
        if (red > half || black > half) return false;
        return !countSuits || ++suits[static_cast<size_t>(suit)] < 2;
    };
    // An Ace or a King, so its suit is one of the four; alone it never
    // breaks the balance.
    ++(isRed(card) ? red : black);
    ++suits[static_cast<size_t>(suitOf(card))];
    for (int j = 0; j < FoundationPiles; ++j) {
        if (game_.params[param::FoundationBase.at(j)] != code) continue;
        const int bottom = bottomCard(game_.piles.foundations[static_cast<size_t>(j)]);
        if (bottom > 0 && !count(bottom)) return false;
    }
    return true;
}

}  // namespace vantrel
