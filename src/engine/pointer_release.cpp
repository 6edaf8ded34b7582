// Pointer moves, the release of a button and the double click.
#include "engine/move_execution.h"
#include "engine/sounds.h"
#include "engine/table_play.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

void TablePlay::move(int x, int y) {
    if (animating()) return;
    if (drag_.dragged != 0) {
        drag_.moved = true;
        pointer_.setCursor(PointerCursor::Drag);
        const int left = x - drag_.grabX, top = y - drag_.grabY;
        drag_.block = {left, top, left + geometry().cardW, top + drag_.blockHeight};
        pointer_.dragBlockTo(left, top);
        drag_.lastX = x;
        drag_.lastY = y;
        return;
    }
    if (game_.play.stockEmptyMarker) {
        // Leaving the marker before the release cancels the redeal.
        const PileRef at{PileGroup::Stock, param(param::HasStock) == 1 ? StockEntry : WasteEntry};
        if (!contains(cardRect(game_, geometry(), at, 0), x, y)) {
            pointer_.eraseEmptyStockMarker();
            game_.play.stockEmptyMarker = false;
        }
        return;
    }
    if (!game_.inProgress) return;
    if (x != drag_.lastX || y != drag_.lastY) pointer_.hidePilesSizePanel();
    drag_.lastX = x;
    drag_.lastY = y;
}

void TablePlay::release(MouseButton, int, int) {
    pointer_.setCursor(PointerCursor::Normal);
    if (!game_.inProgress || animating()) return;
    if (game_.play.stockEmptyMarker) {
        pointer_.eraseEmptyStockMarker();
        const int top = topCard(game_.piles.stock[StockEntry]);
        executor_.Execute(top > 0 ? top : 0, Action{ActionKind::MazzoVis});
        game_.play.stockEmptyMarker = false;
    }
    if (drag_.dragged != 0) {
        // The block drops where the last move drew it.
        const bool placed = drag_.moved && PlaceDroppedBlock(drag_.dragged, drag_.block, std::nullopt, false, true);
        if (placed) {
            endIfWon();
        } else {
            pointer_.putBlockBack(drag_.from, drag_.fromIndex);
            // A lifted block is heard settling back; one drawn in place is not.
            if (sounds_ && game_.state.read(field::Cards_Shadowed) != "N") sounds_->play(sound::CardDown);
        }
        drag_.dragged = 0;
        drag_.moved = false;
        game_.play.sourceMarker = 0;
    }
    if (game_.inProgress) afterRelease();
}

void TablePlay::afterRelease() {
    pointer_.refreshTable();
    FillEmptyRows();
    AutoplaySequence();
}

void TablePlay::doubleClick(int x, int y) {
    if (!game_.inProgress || animating() || drag_.dragged != 0) return;
    const Hit hit = hitTest(game_, geometry(), x, y);
    if (!hit.pile || hit.card <= 0 || !game_.cards.faceUp(hit.card)) return;
    const PileGroup g = hit.pile->group;
    const bool wasteTop = g == PileGroup::Stock && hit.pile->entry == WasteEntry && isTop(hit);
    const bool rowTop = g == PileGroup::Tableau && isTop(hit);
    if (!wasteTop && !rowTop && g != PileGroup::Reserve) return;
    SendToFoundation(hit.card, false, true);
    endIfWon();
}

}  // namespace vantrel
