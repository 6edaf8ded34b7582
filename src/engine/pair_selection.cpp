// Pair games: the selection held as the first foundation's text, the
// pairing pick of families 3 and 4, and the exposed test of the pyramid.
#include <algorithm>

#include "engine/move_execution.h"
#include "engine/table_play.h"
#include "model/card_place.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
constexpr int MaxPairingCards = 2;

bool allGaps(const std::string& row) {
    for (int i = 0; i < cardCount(row); ++i)
        if (cardAt(row, i) != 0) return false;
    return true;
}

int selectedSum(const std::string& selection) {
    int sum = 0;
    for (int i = 0; i < cardCount(selection); ++i) sum += rankOf(cardAt(selection, i));
    return sum;
}
}  // namespace

bool TablePlay::toggleSelected(int card) {
    std::string& selection = game_.piles.foundations[0];
    if (findCardInPile(selection, card, 1)) return false;
    selection += cardCode(card);
    return true;
}

void TablePlay::pairingPick(int card) {
    if (card <= 0) return;
    const bool added = toggleSelected(card);
    const std::string& selection = game_.piles.foundations[0];
    if (cardCount(selection) > MaxPairingCards) {
        pointer_.beep();
        if (added) toggleSelected(card);
        return;
    }
    pointer_.drawSelection();
    const int target = param(param::Family) == 3 ? 14 : 13;
    if (selectedSum(selection) == target) discardSelection(false);
}

void TablePlay::pairSelection(const Hit& hit) {
    const int family = param(param::Family);
    const auto among = [family](std::initializer_list<int> list) {
        return std::find(list.begin(), list.end(), family) != list.end();
    };
    const bool anyPile = among({8, 20, 21, 22, 23});
    const bool onStock = hit.pile && *hit.pile == PileRef{PileGroup::Stock, StockEntry};
    if (onStock && !among({8, 20, 21, 22, 23, 25, 26})) {
        stockClick();
        return;
    }
    if (!hit.pile || hit.card <= 0) return;
    if (!anyPile && hit.pile->group != PileGroup::Tableau) return;
    if (among({1, 14, 16, 17, 18, 24})) return;
    const bool added = toggleSelected(hit.card);
    if (family == 7 && cardCount(game_.piles.foundations[0]) > MaxPairingCards) {
        pointer_.beep();
        if (added) toggleSelected(hit.card);
        return;
    }
    pointer_.drawSelection();
    if (selectedSum(game_.piles.foundations[0]) == param(param::PairSum)) discardSelection(family != 8);
}

void TablePlay::discardSelection(bool refill) {
    executor_.Execute(0, Action{ActionKind::SelezionateDest});
    if (refill) executor_.Execute(0, Action{ActionKind::SelezionateFila});
    endIfWon();
}

// A pyramid card is free when nothing of the rows after its own is left,
// or when both cards of the next row that cover it are gone.
bool TablePlay::exposed(int card) const {
    const auto at = findCard(game_.piles, game_.params, card);
    if (!at || at->pile.group != PileGroup::Tableau) return false;
    const int rows = inUse(PileGroup::Tableau);
    const int k = at->pile.entry;
    bool restGone = true;
    for (int after = k + 1; after < rows; ++after) restGone = restGone && allGaps(game_.piles.tableau[static_cast<size_t>(after)]);
    if (restGone) return true;
    const std::string& next = game_.piles.tableau[static_cast<size_t>(k + 1)];
    return cardAt(next, at->index) == 0 && cardAt(next, at->index + 1) == 0;
}

}  // namespace vantrel
