#pragma once
// The table's painters, each with its own job, wired to one another once:
// single pictures, piles and the whole table, the drag picture, and the
// cards that lift off piles and fly.
#include "view/card_flights.h"
#include "view/card_pictures.h"
#include "view/drag_picture.h"
#include "view/pile_drawing.h"

namespace vantrel {

class TableDrawing {
public:
    TableDrawing(Game& game, TableCanvas& canvas, CardImages& images, DrawingHost& host)
        : pictures_(game, canvas, images, host),
          drag_(game, canvas, images, piles_),
          flights_(game, canvas, host, pictures_, piles_, drag_),
          piles_(game, canvas, images, host, pictures_, flights_, drag_) {}
    TableDrawing(const TableDrawing&) = delete;
    TableDrawing& operator=(const TableDrawing&) = delete;

    CardPictures& pictures() { return pictures_; }
    const CardPictures& pictures() const { return pictures_; }
    PileDrawing& piles() { return piles_; }
    const PileDrawing& piles() const { return piles_; }
    DragPicture& drag() { return drag_; }
    CardFlights& flights() { return flights_; }

private:
    // In this order: the piles deal through the flights, which must exist
    // by then; the others only keep a reference to the piles.
    CardPictures pictures_;
    DragPicture drag_;
    CardFlights flights_;
    PileDrawing piles_;
};

}  // namespace vantrel
