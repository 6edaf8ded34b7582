// Cards moving over the table: the flight of the drag picture, a card dealt
// from the deal origin and a card turned face up. Each step reaches the
// screen before the next; the waits handle no input.
#include "model/card_settings.h"
#include "model/game.h"
#include "view/card_flights.h"
#include "view/card_pictures.h"
#include "view/drag_picture.h"
#include "view/drawing_host.h"
#include "view/motion/flight_path.h"
#include "view/table_canvas.h"

namespace vantrel {

void CardFlights::flyCard(int card, QPoint from, FlightFlags flags, QPoint to) {
    const TableCanvas::Hold hold(canvas_);
    canvas_.overlay();
    // No shadow follows the card while it moves; the one it had goes first,
    // before a fresh picture forgets where it was.
    const std::string shadows = game_.state.read(field::Cards_Shadowed);
    game_.state.write(field::Cards_Shadowed, "N");
    drag_.removeDragShadow();
    if (flags.prepare) {
        drag_.buildDragCard(card);
        // The picture starts where the card is shown now, so the first step
        // uncovers that place.
        drag_.showAt(from);
    }
    FlightRequest request;
    request.startX = from.x();
    request.startY = from.y();
    request.targetX = to.x();
    request.targetY = to.y();
    request.cardW = pictures_.cardW();
    request.cardH = pictures_.cardH();
    request.speed = static_cast<int>(game_.state.readInt(field::Speed_Move_Card, 0));
    request.shadowsOn = shadows != "N";
    request.shadow = flags.shadow;
    request.quick = flags.quick;
    const std::vector<FlightStep> plan = planFlight(request);
    canvas_.flush();
    for (const FlightStep& step : plan) {
        switch (step.kind) {
            case FlightStep::Kind::Move:
                drag_.moveDragPicture(step.x, step.y, false, false);
                canvas_.flush();
                break;
            case FlightStep::Kind::Wait: host_.busyWait(step.ms); break;
            case FlightStep::Kind::ShadowsBack: game_.state.write(field::Cards_Shadowed, shadows); break;
            case FlightStep::Kind::Land:
                if (!drag_.moveDragPicture(step.x, step.y, flags.stamp, true) && flags.stamp) {
                    // Already there: the card still has to reach the table picture.
                    const QRect rect(drag_.rect().topLeft(), QSize(pictures_.cardW(), pictures_.cardH()));
                    copyRect(canvas_.table, canvas_.onTable(rect).topLeft(), drag_.picture(), QRect(QPoint(0, 0), rect.size()));
                }
                canvas_.flush();
                break;
        }
    }
    drag_.landed();
}

void CardFlights::dealFlying(PileRef ref, int index, QPoint origin) {
    const int card = cardAt(game_.piles.pile(ref), index);
    const bool faceUp = game_.cards.faceUp(card);
    const CardPoint at = piles_.cardPlace(ref, index);
    auto draw = [&](QPoint p, bool onStack, Target t) {
        if (faceUp)
            pictures_.drawCard(card, p.x(), p.y(), onStack, t);
        else
            pictures_.drawBack(p.x(), p.y(), pictures_.cardH(), onStack, t);
    };
    const TableCanvas::Hold hold(canvas_);
    canvas_.overlay();
    // The card comes off the origin, is turned there, and slides out a
    // little before it flies.
    pictures_.pauseShown(2);
    draw(origin, true, Target::Window);
    pictures_.pauseShown(2);
    pictures_.drawBack(origin.x(), origin.y(), pictures_.cardH(), true, Target::Window);
    const QPoint out = origin + QPoint(pictures_.cardW() / 7, pictures_.cardH() / 7);
    draw(out, false, Target::Window);
    pictures_.pauseShown(1);
    flyCard(faceUp ? card : -1, out, {.prepare = true, .stamp = true, .quick = true}, QPoint(at.x, at.y));
    draw(QPoint(at.x, at.y), false, Target::Table);
    const QRect rect(at.x, at.y, pictures_.cardW(), pictures_.cardH());
    copyRect(canvas_.overlay(), rect.topLeft(), canvas_.table, canvas_.onTable(rect));
    canvas_.noteWindow(rect);
    drag_.leaveWindow();  // the card has landed: nothing of it is over the table
}

void CardFlights::turnCardFaceUp(int card, QPoint at, int tableauIndex) {
    const PileRef ref{PileGroup::Tableau, tableauIndex};
    if (!Piles::valid(ref.group, ref.entry)) return;
    const std::string pile = game_.piles.pile(ref);
    const int cards = cardCount(pile);
    const bool shadows = cardShadowDepth(game_.state) > 0;
    const QPoint lifted = shadows ? at - QPoint(ShadowDepth - 2, ShadowDepth - 2) : at;
    const bool alone = cards == 1;
    const TableCanvas::Hold hold(canvas_);
    canvas_.overlay();
    if (alone || (cards > 1 && !game_.cards.faceUp(cardAt(pile, cards - 2)))) {
        drag_.buildDragPicture(ref, cards - 1);
        liftCardsFromPile(pile, pile.substr(0, pile.size() - 3), game_.positions.x(ref.group, ref.entry), Target::Table,
                          pileName(ref));
    }
    pictures_.drawCard(card, lifted.x(), lifted.y(), false, Target::Window);
    if (shadows) flyCard(card, lifted, {.prepare = true, .shadow = true, .stamp = true}, at);
    pictures_.drawCard(card, at.x(), at.y(), false, Target::Table);
    if (alone) piles_.fixTopCardCorners(tableauIndex);
    drag_.leaveWindow();
    canvas_.flush();
}

}  // namespace vantrel
