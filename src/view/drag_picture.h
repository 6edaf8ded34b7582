#pragma once
// The block of cards that follows the pointer: built from the lifted cards
// (or one card), moved by repainting only what it uncovers, with its
// shadow. It alone knows the picture, its place on the window and the
// cards it shows; the pointer and the flights ask it.
#include <QImage>
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
    DragPicture(const DragPicture&) = delete;
    DragPicture& operator=(const DragPicture&) = delete;

    void buildDragPicture(PileRef pile, int fromIndex);
    void buildDragCard(int card);  // -1 for a back
    bool moveDragPicture(int x, int y, bool drop, bool final);
    void removeDragShadow();

    // The picture counts as shown at `from`, so its first move uncovers
    // that place.
    void showAt(QPoint from) { place(QRect(from, picture_.size())); }
    // Nothing of it is over the window any more; the picture and its cards
    // stay known.
    void leaveWindow() { place(QRect()); }
    // Its cards have landed: no block is held.
    void landed() {
        card_ = 0;
        cards_ = 0;
    }
    // The drag is over: off the window, its shadow gone with it, no block.
    void clear() {
        leaveWindow();
        shadowShown_ = false;
        landed();
    }

    const QImage& picture() const { return picture_; }
    // The last place on the window; empty when it is not shown.
    const QRect& rect() const { return rect_; }
    bool shown() const { return rect_.isValid(); }
    // The bottom card of the block it shows and how many cards it holds;
    // 0 once it has landed.
    int card() const { return card_; }
    int cards() const { return cards_; }

private:
    void drawShadowAt(const QRect& rect);
    QRect dragShadowArea(const QRect& rect) const;
    // The canvas keeps the window picture while this one is shown.
    void place(const QRect& rect);

    const Game& game_;
    TableCanvas& canvas_;
    const CardImages& images_;
    const PileDrawing& piles_;
    QImage picture_;
    QRect rect_;
    bool shadowShown_ = false;
    int card_ = 0;
    int cards_ = 0;
};

}  // namespace vantrel
