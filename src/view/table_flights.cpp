// The move executor's flights: a card, or the block the player is dragging,
// travels from where it lay to its new place; a turned card settles.
#include <algorithm>

#include "model/card_settings.h"
#include "model/cards.h"
#include "model/game.h"
#include "view/table_canvas.h"
#include "view/table_drawing.h"
#include "view/table_feedback.h"
#include "view/table_view.h"

namespace vantrel {

QPoint TableFeedback::placeOf(const CardSpot& spot) const {
    if (!placed(spot.pile)) return QPoint(spot.x, spot.y);
    const int cards = cardCount(game_.piles.pile(spot.pile));
    const CardPoint p = view_.drawing().piles().cardPlace(spot.pile, std::clamp(spot.index, 0, cards));
    return QPoint(p.x, p.y);
}

void TableFeedback::liftFromSource(int card, const CardSpot& from) {
    if (!placed(from.pile)) return;
    const std::string& pile = game_.piles.pile(from.pile);
    // A card taken from further down is repainted with its departure.
    if (from.index < cardCount(pile)) return;
    if (from.pile.group == PileGroup::Tableau || from.pile.group == PileGroup::Reserve)
        view_.drawing().flights().liftCardsFromPile(pile + cardCode(card), pile,
                                                    game_.positions.x(from.pile.group, from.pile.entry), Target::Table,
                                                    pileName(from.pile));
    else
        paintPile(from.pile);
}

void TableFeedback::animateCard(int card, const CardSpot& from, const CardSpot& to) {
    if (followers_ > 0) {
        // Flown with the block below it.
        --followers_;
        drawCardAt(card, to);
        if (followers_ == 0) landed();
        return;
    }
    TableDrawing& d = view_.drawing();
    const DragPicture& drag = d.drag();
    const QPoint target = placeOf(to);
    if (drag.card() == card && drag.shown()) {
        // The block the player holds flies on from where it is shown (also
        // back home, when `to` is where it was picked up).
        const bool single = drag.cards() <= 1;
        const bool stamp = single || to.pile.group != PileGroup::Tableau || game_.state.read(field::Piles_TT) == "N";
        followers_ = drag.cards() - 1;
        d.flights().flyCard(card, drag.rect().topLeft(), {.prepare = single, .shadow = true, .stamp = stamp},
                            target);
    } else {
        // Sent home by autoplay or a double click, a card settles onto a
        // foundation or reserve with its shadow; turned, dealt or filled in
        // from the stock, it just lands.
        const bool settles = to.pile.group == PileGroup::Foundation || to.pile.group == PileGroup::Reserve;
        liftFromSource(card, from);
        d.flights().flyCard(game_.cards.faceUp(card) ? card : -1, placeOf(from),
                  {.prepare = true, .shadow = settles, .stamp = true}, target);
    }
    // Whatever shadow the landing left on the window goes.
    view_.show(drag.rect().adjusted(0, 0, ShadowDepth, ShadowDepth));
    drawCardAt(card, to);
    if (followers_ == 0) landed();
}

void TableFeedback::landed() {
    // The whole block lies on the table picture: the window needs no picture
    // of its own any more.
    view_.drawing().drag().leaveWindow();
    view_.canvas().settle();
}

void TableFeedback::turnCardFaceUp(int card, const CardSpot& at) {
    if (!placed(at.pile) || at.pile.group != PileGroup::Tableau) {
        flipCard(card, at);
        return;
    }
    view_.drawing().flights().turnCardFaceUp(card, placeOf(at), at.pile.entry);
}

}  // namespace vantrel
