// How many cards may move together, and whether a run is a proper sequence.
#include <algorithm>

#include "engine/move_rules.h"
#include "model/card_place.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
template <size_t N>
int emptyPiles(const std::array<std::string, N>& group, int inUse) {
    const int n = std::clamp(inUse, 0, static_cast<int>(N));
    return static_cast<int>(std::count_if(group.begin(), group.begin() + n, [](const std::string& p) { return p.empty(); }));
}

int runLimit(int mode, int emptyRows, int freeReserves, bool toEmpty) {
    switch (mode) {
        case -5:
            if (emptyRows == 0) return freeReserves + 1;
            return toEmpty ? freeReserves + emptyRows : freeReserves + emptyRows + 1;
        case -6: return emptyRows == 0 ? freeReserves + 1 : freeReserves + emptyRows;
        default: return mode >= 0 ? mode : std::max(emptyRows, 1);
    }
}
}  // namespace

bool MoveRules::runSizeCheck(int card, bool toEmpty) const {
    const auto place = placeOf(card);
    // The run's own row refuses it when it is dropped: its top card marks it.
    game_.play.sourceMarker = place ? topCard(game_.piles.pile(place->pile)) : 0;
    const int length = blockSize(card);
    const int mode = game_.params[param::RunSizeMode];
    if (mode == -1) return true;
    if (mode == -12) return rankOf(card) == King || length == 1;
    const int e = emptyPiles(game_.piles.tableau, game_.params[param::TableauRows]);
    const int f = emptyPiles(game_.piles.reserves, game_.params[param::Reserves]);
    return runLimit(mode, e, f, toEmpty) >= length;
}

bool MoveRules::runCheck(int card, int k) const {
    const int mode = game_.params[param::RunCheckMode];
    if (mode != 1 && mode != 10) return true;
    if (!Piles::valid(PileGroup::Tableau, k)) return false;
    const std::string& row = game_.piles.tableau[static_cast<size_t>(k)];
    const int from = indexInPile(row, card);
    if (from < 0) return false;
    for (int i = from + 1; i < cardCount(row); ++i)
        if (!ruleCheck(runPairArgs(cardAt(row, i - 1), cardAt(row, i), k))) return false;
    return true;
}

}  // namespace vantrel
