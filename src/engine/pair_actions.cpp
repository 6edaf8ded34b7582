// Pair games: discarding the selection (held as the text of the first
// foundation) and closing up the rows.
#include <string>

#include "engine/move_execution.h"
#include "engine/sounds.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
constexpr PileRef SelectionPile{PileGroup::Foundation, 0};
constexpr PileRef FirstRow{PileGroup::Tableau, 0};
constexpr PileRef StockPile{PileGroup::Stock, StockEntry};
constexpr PileRef SecondWastePile{PileGroup::Stock, SecondWasteEntry};
}  // namespace

// Each selected card leaves its pile for the second waste. Fan mode 4 (a
// pyramid) keeps a gap where a table card was; fan mode 8 (one long row)
// closes up the first row, dropping the gap below the card too.
bool MoveExecutor::discardSelection() {
    play(sound::Pairing);
    std::string& selection = pile(SelectionPile);
    if (selection.empty()) return false;
    const int fan = param(param::TableauDisplay);
    const int firstRowTop = topCard(pile(FirstRow));
    bool firstRowTopGone = false;
    bool changed = false;
    while (!selection.empty()) {
        const int card = bottomCard(selection);
        selection.erase(0, 3);
        const auto from = findCard(game_.piles, game_.params, card);
        if (!from) continue;  // a stale selection entry: nothing to discard
        std::string& source = pile(from->pile);
        const auto at = static_cast<size_t>(from->index) * 3;
        const bool stockOrWaste = from->pile.group == PileGroup::Stock && from->pile.entry != SecondWasteEntry;
        if (fan == 4 && !stockOrWaste)
            source.replace(at, 3, GapCode);
        else if (fan == 8 && from->pile == FirstRow)
            findCardInPile(source, card, 3);
        else
            source.erase(at, 3);
        const CardSpot fromSpot = spot(from->pile, from->index);
        land(card, fromSpot, SecondWastePile);
        showDeparture(fromSpot, 1);
        firstRowTopGone |= card == firstRowTop;
        changed = true;
    }
    if (fan == 8 && !firstRowTopGone) feedback_.repaintTable();
    return changed;
}

// Empty rows are closed up by moving later rows forward whole; the rows
// still empty then take cards from the stock.
bool MoveExecutor::closeUpAndRefill() {
    const int rows = rowsInUse();
    const auto rowText = [&](int k) -> std::string& { return pile({PileGroup::Tableau, k}); };
    bool anyEmpty = false;
    bool gapBeforeCards = false;
    for (int k = 0; k < rows; ++k) {
        if (!rowText(k).empty()) {
            gapBeforeCards |= anyEmpty;
            continue;
        }
        anyEmpty = true;
    }
    if (!anyEmpty || (pile(StockPile).empty() && !gapBeforeCards)) return false;

    dropSelection();
    feedback_.repaintTable();
    for (int k = 0; k < rows; ++k) {
        if (!rowText(k).empty()) continue;
        int next = k + 1;
        while (next < rows && rowText(next).empty()) ++next;
        if (next >= rows) break;
        const std::string moving = std::move(rowText(next));
        rowText(next).clear();
        const PileRef from{PileGroup::Tableau, next};
        const PileRef to{PileGroup::Tableau, k};
        for (int i = 0; i < cardCount(moving); ++i) {
            const CardSpot at = topSpot(to);
            rowText(k) += moving.substr(static_cast<size_t>(i) * 3, 3);
            showArrival(cardAt(moving, i), spot(from, i), at);
            play(sound::MonteCarloSlide);
        }
        showDeparture(spot(from, 0), cardCount(moving));
    }
    fillEmptyRows(sound::Shuffle, false);
    return true;
}

// The selection holds copies of cards that lie elsewhere; a card found only
// in the first foundation is a real foundation card and stays.
void MoveExecutor::dropSelection() {
    std::string& selection = pile(SelectionPile);
    std::string kept;
    for (int i = 0; i < cardCount(selection); ++i) {
        const int card = cardAt(selection, i);
        const std::string code = cardCode(card);
        bool elsewhere = false;
        for (const PileGroup g : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
            for (int e = 0; e < groupSize(g) && !elsewhere; ++e) {
                if (g == PileGroup::Foundation && e == 0) continue;
                const std::string& text = game_.piles.pile(g, e);
                for (size_t at = 0; at + 3 <= text.size() && !elsewhere; at += 3)
                    elsewhere = text.compare(at, 3, code) == 0;
            }
        if (!elsewhere) kept += code;
    }
    selection = kept;
}

}  // namespace vantrel
