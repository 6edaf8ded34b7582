#pragma once
// The block of cards that follows the pointer: built from the lifted cards
// (or one card), moved by repainting only what it uncovers, with its
// shadow. The picture and its place live on the canvas, where the pointer
// and the flights read them.
#include <QRect>

#include "model/piles.h"

namespace vantrel {

struct CardImages;
class PileDrawing;
struct Game;
class TableCanvas;

class DragPicture {
public:
    DragPicture(const Game& game, TableCanvas& canvas, const CardImages& images, const PileDrawing& piles)
        : game_(game), canvas_(canvas), images_(images), piles_(piles) {}

    void buildDragPicture(PileRef pile, int fromIndex);
    void buildDragCard(int card);  // -1 for a back
    bool moveDragPicture(int x, int y, bool drop, bool final);
    void removeDragShadow();

private:
    void drawShadowAt(const QRect& rect);
    QRect dragShadowArea(const QRect& rect) const;

    const Game& game_;
    TableCanvas& canvas_;
    const CardImages& images_;
    const PileDrawing& piles_;
};

}  // namespace vantrel
