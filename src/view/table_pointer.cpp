#include "view/table_pointer.h"

#include <QPoint>
#include <QRect>

#include "model/card_settings.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"
#include "view/drawing_host.h"
#include "view/pile_shown_as.h"
#include "view/table_canvas.h"
#include "view/table_drawing.h"
#include "view/table_feedback.h"
#include "view/table_view.h"

namespace vantrel {

namespace {

constexpr int MarkerErasePauseMs = 50;

// Piles whose cards the drawing can lift off by the way they fan; the
// others are repainted from the piles.
bool liftsByFan(const Game& game, PileRef pile) {
    if (pile.group != PileGroup::Tableau && pile.group != PileGroup::Reserve) return false;
    const int mode = game.params[pile.group == PileGroup::Tableau ? param::TableauDisplay : param::ReserveDisplay];
    return mode == fan::Down || mode == fan::TightDown || mode == fan::Right || mode == fan::SideBySide ||
           mode == fan::TightRight;
}

// Shadows off for as long as it lives.
class NoShadows {
public:
    NoShadows(StateRecord& state, bool active) : state_(state), held_(state.read(field::Cards_Shadowed)), active_(active) {
        if (active_) state_.write(field::Cards_Shadowed, "N");
    }
    ~NoShadows() {
        if (active_) state_.write(field::Cards_Shadowed, held_);
    }
    NoShadows(const NoShadows&) = delete;
    NoShadows& operator=(const NoShadows&) = delete;

private:
    StateRecord& state_;
    std::string held_;
    bool active_;
};

}  // namespace

TableGeometry TablePointer::geometry() const {
    const TableDrawing& d = view_.drawing();
    const PileDrawing& piles = d.piles();
    return {d.pictures().cardW(), d.pictures().cardH(), piles.fanSteps(),
            untidyPilesOn(game_.state) ? &piles.jitter() : nullptr};
}

CardSpot TablePointer::spotOf(PileRef pile, int index) const {
    return {pile, index, game_.positions.x(pile.group, pile.entry), game_.positions.y(pile.group, pile.entry)};
}

QPoint TablePointer::placeOf(PileRef pile, int index) const { return feedback_.placeOf(spotOf(pile, index)); }

void TablePointer::takeOffTable(PileRef pile, int fromIndex) {
    std::string& text = game_.piles.pile(pile);
    const std::string full = text;
    const std::string rest = full.substr(0, static_cast<size_t>(3 * fromIndex));
    if (liftsByFan(game_, pile)) {
        view_.drawing().flights().liftCardsFromPile(full, rest, game_.positions.x(pile.group, pile.entry),
                                                    Target::Table, pileName(pile));
        return;
    }
    const PileShownAs shown(text, rest);
    feedback_.repaintRect(spotOf(pile, fromIndex), cardCount(full) - fromIndex);
}

void TablePointer::liftBlock(PileRef pile, int fromIndex, int x, int y, bool lifted) {
    TableDrawing& d = view_.drawing();
    d.pictures().removePeekCard();
    d.drag().buildDragPicture(pile, fromIndex);
    const QRect home(placeOf(pile, fromIndex), d.drag().picture().size());
    takeOffTable(pile, fromIndex);
    view_.show(home);
    // A block that is not lifted lies where it was, without a shadow.
    const NoShadows flat(game_.state, !lifted);
    d.drag().moveDragPicture(x, y, false, false);
}

void TablePointer::dragBlockTo(int x, int y) { view_.drawing().drag().moveDragPicture(x, y, false, false); }

void TablePointer::flyBlock(const CardSpot& to, const FlightFlags& flags) {
    const DragPicture& drag = view_.drawing().drag();
    const int card = drag.card();
    if (card == 0 || !drag.shown()) return;
    const int shown = flags.prepare && !game_.cards.faceUp(card) ? -1 : card;
    view_.drawing().flights().flyCard(shown, drag.rect().topLeft(), flags, placeOf(to.pile, to.index));
    dropDragPicture();
}

void TablePointer::putBlockBack(PileRef pile, int fromIndex) {
    const DragPicture& drag = view_.drawing().drag();
    if (drag.card() != 0 && drag.shown() && game_.state.read(field::Cards_Animate) != "N")
        view_.drawing().flights().flyCard(drag.card(), drag.rect().topLeft(), {.shadow = true},
                                          placeOf(pile, fromIndex));
    feedback_.repaintPile(pile);
    dropDragPicture();
}

void TablePointer::dropDragPicture() {
    DragPicture& drag = view_.drawing().drag();
    if (drag.shown()) view_.show(drag.rect().adjusted(0, 0, ShadowDepth, ShadowDepth));
    drag.clear();
    view_.canvas().settle();
}

void TablePointer::turnedFaceUp(int card, PileRef pile, int index) {
    feedback_.turnCardFaceUp(card, spotOf(pile, index));
}

void TablePointer::peek(int card, int x, int y) {
    TableDrawing& d = view_.drawing();
    TableCanvas& canvas = view_.canvas();
    d.pictures().removePeekCard();
    canvas.overlay();
    d.pictures().drawCard(card, x, y, false, Target::Window);
    canvas.peekRect = QRect(x, y, d.pictures().cardW(), d.pictures().cardH());
    canvas.noteWindow(*canvas.peekRect);
}

void TablePointer::drawSelection() {
    // Cards that left the selection lose their highlight with the redraw.
    feedback_.repaintTable();
    view_.drawing().piles().redrawSelection(Target::Table, true);
    view_.show(QRect(QPoint(0, 0), view_.canvas().windowSize()));
}

void TablePointer::eraseEmptyStockMarker() {
    host_.busyWait(MarkerErasePauseMs);
    const bool atStock = game_.params[param::HasStock] == 1;
    feedback_.repaintPile({PileGroup::Stock, atStock ? StockEntry : WasteEntry});
}

void TablePointer::refreshTable() {
    view_.drawing().pictures().removePeekCard();
    dropDragPicture();
    view_.show(QRect(QPoint(0, 0), view_.canvas().windowSize()));
}

}  // namespace vantrel
