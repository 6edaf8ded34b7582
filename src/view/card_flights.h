#pragma once
// Cards leaving and moving over the table: a pile repainted as cards are
// lifted off it, the flight of the drag picture, a card dealt from the
// deal origin and a card turned face up. The window is painted as they go
// and no input is handled meanwhile.
#include <QPoint>
#include <string_view>

#include "engine/pointer_feedback.h"
#include "view/pile_drawing.h"

namespace vantrel {

class CardPictures;
class DragPicture;
class DrawingHost;
struct Game;
class TableCanvas;
enum class Target;

class CardFlights : public DealFlight {
public:
    CardFlights(Game& game, TableCanvas& canvas, DrawingHost& host, CardPictures& pictures, PileDrawing& piles,
                DragPicture& drag)
        : game_(game), canvas_(canvas), host_(host), pictures_(pictures), piles_(piles), drag_(drag) {}

    // Flies the drag picture (for `card`, -1 a back, when preparing) from
    // `from` to `to`; a `to` below -9999 lies off the table.
    void flyCard(int card, QPoint from, FlightFlags flags, QPoint to);
    // The face-down top card of a tableau row, just turned face up, shown
    // lifted and settling into its place.
    void turnCardFaceUp(int card, QPoint at, int tableauIndex);
    void dealFlying(PileRef pile, int index, QPoint origin) override;
    // Repaints a pile that went from `oldPile` to `newPile` by the way it
    // fans, with what it uncovered.
    void liftCardsFromPile(std::string_view oldPile, std::string_view newPile, int x, Target target,
                           std::string_view pileName);

private:
    Game& game_;
    TableCanvas& canvas_;
    DrawingHost& host_;
    CardPictures& pictures_;
    PileDrawing& piles_;
    DragPicture& drag_;
};

}  // namespace vantrel
