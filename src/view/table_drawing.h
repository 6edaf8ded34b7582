#pragma once
// Paints the table: background, empty-pile marks, cards with rounded
// corners, the stock as a thick block, the selection highlight and the
// block of cards that follows the pointer. Positions are window
// coordinates; a target of Target::Table adds the scroll position.
#include <QImage>
#include <QRect>
#include <string>
#include <string_view>

#include "engine/pointer_feedback.h"
#include "model/card_settings.h"
#include "model/piles.h"
#include "view/layout/card_fan.h"
#include "view/layout/layout.h"
#include "view/layout/untidy_piles.h"

namespace vantrel {

struct CardImages;
class DrawingHost;
struct Game;
class TableCanvas;
enum class Target;

inline constexpr QRgb StackSilver = 0xFFC0C0C0;

class TableDrawing {
public:
    TableDrawing(Game& game, TableCanvas& canvas, CardImages& images, DrawingHost& host)
        : game_(game), canvas_(canvas), images_(images), host_(host) {}

    // Set by whoever runs the layout: the stock's redraw positions.
    void setLayout(const LayoutResult& result) {
        layout_ = result;
        layoutSet_ = true;
    }
    const LayoutResult& layout() const { return layout_; }
    FanSteps steps;
    JitterTables jitter{};

    CardFanContext fanContext() const;
    CardPoint topCardPoint(PileRef pile) const;       // the pile's top card
    CardPoint cardPlace(PileRef pile, int index) const;  // card `index` from the bottom
    int cardW() const;
    int cardH() const;
    int shadowDepth() const;  // 9 unless `Cards_Shadowed` is "N"

    // Single pictures (card_drawing.cpp).
    // Resolves the background rules for the table picture's size, then
    // paints the background on `target`.
    void drawBackground(Target target);
    void drawCard(int card, int x, int y, bool onStack, Target target);
    void drawBack(int x, int y, int height, bool onStack, Target target);
    void drawEmptyPileMark(int kind, int x, int y, Target target, int pileIndex);
    int markFor(int kind, int pileIndex) const;
    void invertRect(Target target, const QRect& rect);
    void restoreRect(const QRect& rect);
    void restoreCorners(const QRect& rect);  // window and table picture
    void restoreCornersOn(Target target, const QRect& rect, bool top = true, bool bottom = true);
    void showWindow();
    void showCleanBackground(Target target);
    void removePeekCard();

    // Piles and the whole table (pile_drawing.cpp, table_redraw.cpp).
    void drawPileByName(std::string_view name, int pileIndex, Target target);
    void drawAllMarks(Target target);
    void drawFoundationsAndStock(Target target);
    // The stock-group pile drawn as a block; false when nothing changed.
    bool drawStockThickness(int entry, Target target, bool force);
    static int stockThickness(int cards);
    // Card `index` of a pile at its place (its mark for an empty pile at
    // index 0); with `animate` on both surfaces, flown there from `origin`.
    void dealOneCard(PileRef pile, int index, Target target, bool animate, QPoint origin = {});
    void drawTable(Target target, bool dealAnimation);
    void redrawPile(std::string_view name, Target target, bool animate);
    void fixTopCardCorners(int tableauIndex);
    void redrawSelection(Target target, bool invert);

    // Animations (card_flight.cpp). The window is painted as they go and
    // no input is handled meanwhile.
    // Flies the drag picture (for `card`, -1 a back, when preparing) from
    // `from` to `to`; a `to` below -9999 lies off the table.
    void flyCard(int card, QPoint from, FlightFlags flags, QPoint to);
    // The face-down top card of a tableau row, just turned face up, shown
    // lifted and settling into its place.
    void turnCardFaceUp(int card, QPoint at, int tableauIndex);
    // Shows what was drawn, then waits.
    void pauseShown(int milliseconds);

    // Drag picture (drag_picture.cpp).
    void buildDragPicture(PileRef pile, int fromIndex);
    void buildDragCard(int card);  // -1 for a back
    bool moveDragPicture(int x, int y, bool drop, bool final);
    void removeDragShadow();
    void liftCardsFromPile(std::string_view oldPile, std::string_view newPile, int x, Target target,
                           std::string_view pileName);

private:
    void pasteCard(const QImage& src, int height, int x, int y, bool onStack, Target target);
    void drawShadowAt(const QRect& rect);
    QRect dragShadowArea(const QRect& rect) const;
    void redrawTopCard(PileRef pile, Target target);
    void dealFlying(PileRef pile, int index, QPoint origin);

    Game& game_;
    TableCanvas& canvas_;
    CardImages& images_;
    DrawingHost& host_;
    LayoutResult layout_;
    bool layoutSet_ = false;
};

// The four corner areas of a card rectangle: corner pixel plus its two
// neighbours along the edges, top-left, top-right, bottom-left, bottom-right.
struct CornerPixels {
    QPoint p[12];
};
CornerPixels cornerPixels(const QRect& rect);

}  // namespace vantrel
