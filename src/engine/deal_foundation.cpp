// The deal-time moves of tableau cards to the foundations.
#include <algorithm>

#include "engine/deal.h"
#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

bool Dealer::tryFoundation(int card, int target) {
    if (card <= 0) return false;
    int first = 0;
    int last = param::foundationsInUse(game_.params) - 1;
    if (target != -1) {
        if (target < 0 || target >= FoundationPiles) return false;
        first = last = target;
    }
    const MoveRules rules(game_, messages_);
    for (int j = first; j <= last; ++j) {
        if (!rules.foundationSweepCheck(card, j)) continue;
        locateCard(game_.piles, game_.params, card, 1);
        appendCard(game_.piles, game_.cards, PileGroup::Foundation, j, card, '1');
        credit(1);
        return true;
    }
    return false;
}

bool Dealer::tryFoundationSet(int card, int selector) {
    int first = 0, last = 7;
    if (selector >= 0 && selector <= 3) {
        last = 3;
    } else if (selector >= 6 && selector <= 9) {
        first = 4;
    }
    for (int j = first; j <= last; ++j)
        if (tryFoundation(card, j)) return true;
    return false;
}

void Dealer::foundationSweep() {
    const int depth = longestRow();
    const int lastRow = param::rowsInUse(game_.params) - 1;
    const int startCode = param(param::FoundationStart.at(0));
    const bool rowByRow = param(param::SweepOrder) != 0;
    // Offers the card at (row, depth) until nothing more goes from there:
    // after a move the next card has slid into the same place.
    auto offer = [&](int k, int d, int inner) {
        for (;;) {
            const int card = cardAt(game_.piles.tableau[static_cast<size_t>(k)], d);
            if (card <= 0) return;
            const bool placed = startCode == 95 ? tryFoundationSet(card, inner)
                                                : tryFoundation(card, startCode == 94 ? k : -1);
            if (!placed) return;
        }
    };
    if (rowByRow) {
        for (int k = 0; k <= lastRow; ++k)
            for (int d = 0; d <= depth; ++d) offer(k, d, d);
    } else {
        for (int d = 0; d <= depth; ++d)
            for (int k = 0; k <= lastRow; ++k) offer(k, d, k);
    }
}

void Dealer::acesFromRows() {
    if (param(param::FoundationStart.at(0)) != 96) return;
    const int rows = param::rowsInUse(game_.params);
    for (int d = 0; d < longestRow(); ++d) {
        for (int k = 0; k < rows; ++k) {
            // A row whose Ace went up takes the stock's top card and is
            // looked at again at the same depth.
            for (;;) {
                const int card = cardAt(game_.piles.tableau[static_cast<size_t>(k)], d);
                if (card <= 0 || rankOf(card) != Ace || !tryFoundation(card, -1)) break;
                std::string& stock = pile(PileGroup::Stock, StockEntry);
                const int top = topCard(stock);
                if (top < 0) continue;  // an empty stock gives nothing
                stock.erase(stock.size() - 3);
                appendCard(game_.piles, game_.cards, PileGroup::Tableau, k, top, '1');
            }
        }
    }
}

}  // namespace vantrel
