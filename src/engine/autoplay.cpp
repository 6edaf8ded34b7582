// Drop placement, sending cards to the foundations, autoplay and filling
// empty rows.
#include <algorithm>
#include <string>

#include "engine/move_execution.h"
#include "engine/table_play.h"
#include "model/card_place.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
constexpr int BaseRankOpen = 92;  // a foundation whose base rank the first card decides
constexpr int MonteCarloFamily = 23;

BlockRect pointAt(const BlockRect& r) { return {r.left, r.top, r.left, r.top}; }
}  // namespace

CardSpot TablePlay::nextSpot(PileRef pile) const {
    return {pile, cardCount(game_.piles.pile(pile)), game_.positions.x(pile.group, pile.entry),
            game_.positions.y(pile.group, pile.entry)};
}

bool TablePlay::PlaceDroppedBlock(int card, const BlockRect& block, std::optional<DropTarget> target, bool autoplay,
                                  bool animate) {
    std::vector<DropTarget> candidates = target ? std::vector<DropTarget>{*target}
                                                : dropCandidates(game_, geometry(), block);
    if (param(param::FirstMoveToFoundation) == 1 && game_.play.moveCounter == 0) {
        // The first move of these games takes a tableau card to a foundation.
        if (rules_.cardLocation(card) <= 0) return false;
        std::erase_if(candidates, [](const DropTarget& t) { return t.kind != KindFoundation; });
    }
    for (const DropTarget& t : candidates) {
        const PileRef ref = targetPile(t);
        if (!overlapTest(block, nextCardRect(game_, geometry(), ref))) continue;
        if (tryCandidate(card, t, target.has_value(), autoplay, animate)) return true;
    }
    return false;
}

bool TablePlay::tryCandidate(int card, const DropTarget& t, bool sent, bool autoplay, bool animate) {
    const PileRef ref = targetPile(t);
    const bool allowed = t.kind == KindWaste ? wasteTakes(game_, card) : rules_.canGoToPile(card, ref);
    if (!allowed) return false;
    const bool flies = animate && game_.state.read(field::Cards_Animate) != "N";
    Action action;
    if (t.kind == KindTableau) {
        const bool single = rules_.blockSize(card) == 1;
        if (flies)
            pointer_.flyBlock(nextSpot(ref),
                              FlightFlags{single, true, game_.state.read(field::Piles_TT) == "N" || single});
        action = Action{ActionKind::Fila, t.index + 1};
    } else {
        if (sent) liftForFlight(card);
        if (flies) pointer_.flyBlock(nextSpot(ref), FlightFlags{true, true, true});
        action = t.kind == KindFoundation ? Action{autoplay ? ActionKind::DestAutoplay : ActionKind::Dest, t.index + 1}
                 : t.kind == KindReserve  ? Action{ActionKind::Appogg, t.index + 1}
                                          : Action{ActionKind::Stock02};
    }
    const ArrivalShownScope shown(executor_, flies);
    if (!executor_.Execute(card, action)) return false;
    if (t.kind == KindTableau && param(param::Family) == MonteCarloFamily) executor_.Execute(0, Action{ActionKind::MonteCarlo});
    return true;
}

// The card becomes the drag picture at its place, ready to fly.
void TablePlay::liftForFlight(int card) {
    const auto at = findCard(game_.piles, game_.params, card);
    if (!at) return;
    const BlockRect r = cardRect(game_, geometry(), at->pile, at->index);
    drag_.block = {r.left, r.top, r.left + geometry().cardW, r.top + geometry().cardH};
    pointer_.liftBlock(at->pile, at->index, r.left, r.top, false);
}

bool TablePlay::SendToFoundation(int card, bool autoplay, bool reserveFallback) {
    if (card <= 0 || !game_.cards.faceUp(card)) return false;
    const int foundations = inUse(PileGroup::Foundation);
    if (autoplay) {
        bool allOpen = true;
        for (int j = 0; j < foundations; ++j)
            allOpen = allOpen && game_.piles.foundations[static_cast<size_t>(j)].empty() && param(param::FoundationBase.at(j)) == BaseRankOpen;
        if (allOpen) return false;  // the player chooses the first base rank
    }
    const auto sendTo = [&](PileGroup g, int kind, int count) {
        for (int i = 0; i < count; ++i) {
            const PileRef ref{g, i};
            if (!game_.positions.placed(g, i)) continue;
            const BlockRect at = pointAt(nextCardRect(game_, geometry(), ref));
            if (PlaceDroppedBlock(card, at, DropTarget{kind, i}, autoplay, true)) return true;
        }
        return false;
    };
    if (sendTo(PileGroup::Foundation, KindFoundation, foundations)) return true;
    return reserveFallback && sendTo(PileGroup::Reserve, KindReserve, inUse(PileGroup::Reserve));
}

bool TablePlay::AutoplayPass(bool) {
    // A game that has ended is not played on.
    if (!game_.inProgress || !autoplayOn_ || !autoplayOn_()) return false;
    stopRequest_ = false;
    bool movedAny = false;
    const auto tryTop = [&](const std::string& pile) {
        const int top = topCard(pile);
        const bool moved = top > 0 && SendToFoundation(top, true, false);
        movedAny = movedAny || moved;
        return moved;
    };
    for (bool sweepMoved = true; sweepMoved && !stopRequest_;) {
        sweepMoved = false;
        for (bool passMoved = true; passMoved && !stopRequest_;) {
            passMoved = false;
            for (int n = 0; n < inUse(PileGroup::Reserve) && !stopRequest_; ++n)
                passMoved = tryTop(game_.piles.reserves[static_cast<size_t>(n)]) || passMoved;
            sweepMoved = sweepMoved || passMoved;
        }
        if (stopRequest_) break;
        if (!game_.piles.stock[WasteEntry].empty()) sweepMoved = tryTop(game_.piles.stock[WasteEntry]) || sweepMoved;
        const bool firstOnly = param(param::Reserves) > 0;
        for (int k = 0; k < inUse(PileGroup::Tableau) && !stopRequest_; ++k) {
            if (!tryTop(game_.piles.tableau[static_cast<size_t>(k)])) continue;
            sweepMoved = true;
            if (firstOnly) break;
        }
    }
    if (game_.won) EndGame();
    stopRequest_ = false;
    return movedAny;
}

void TablePlay::AutoplaySequence() {
    // Every pass that moves puts a card on a foundation for good, so the
    // loop ends; the bound guards against a game file that says otherwise.
    int rounds = 0;
    for (bool moved = AutoplayPass(); moved && rounds < 4 * CardTable::Cards; ++rounds) {
        FillEmptyRows();
        moved = AutoplayPass();
    }
}

bool TablePlay::FillEmptyRows() {
    const int source = param(param::TableauAutofill);
    if (!game_.inProgress || source == 0 || (param(param::FirstMoveToFoundation) == 1 && game_.play.moveCounter == 0))
        return false;
    const std::string& stock = game_.piles.stock[StockEntry];
    const std::string& waste = game_.piles.stock[WasteEntry];
    const std::string& reserve = game_.piles.reserves[0];
    if (source == 1 ? reserve.empty() : stock.empty() && waste.empty()) return false;
    bool anyEmpty = false;
    for (int k = 0; k < inUse(PileGroup::Tableau); ++k) {
        const PileRef row{PileGroup::Tableau, k};
        if (!game_.piles.pile(row).empty()) continue;
        anyEmpty = true;
        int card = -1;
        if (source == 1) card = topCard(reserve);
        if (source == 2 || source == 4) card = waste.empty() ? topCard(stock) : topCard(waste);
        if (source == 3) card = stock.empty() ? topCard(waste) : topCard(stock);
        if (card <= 0) continue;
        liftForFlight(card);
        const bool flies = game_.state.read(field::Cards_Animate) != "N";
        if (flies) pointer_.flyBlock(nextSpot(row), FlightFlags{true, false, true});
        const ArrivalShownScope shown(executor_, flies);
        executor_.Execute(card, Action{ActionKind::Fila, k + 1});
        pointer_.refreshTable();
    }
    return anyEmpty;
}

bool TablePlay::endIfWon() {
    if (!game_.won) return false;
    EndGame();
    return true;
}

}  // namespace vantrel
