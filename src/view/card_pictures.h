#pragma once
// Single pictures on the table: the background, cards and backs with their
// rounded corners, empty-pile marks, and the rectangle operations on the
// two table pictures. Positions are window coordinates; a target of
// Target::Table adds the scroll position.
#include <QImage>
#include <QRect>

namespace vantrel {

struct CardImages;
class DrawingHost;
struct Game;
class TableCanvas;
enum class Target;

inline constexpr QRgb StackSilver = 0xFFC0C0C0;

class CardPictures {
public:
    CardPictures(Game& game, TableCanvas& canvas, const CardImages& images, DrawingHost& host)
        : game_(game), canvas_(canvas), images_(images), host_(host) {}

    int cardW() const;
    int cardH() const;

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
    // Shows what was drawn, then waits.
    void pauseShown(int milliseconds);

private:
    void pasteCard(const QImage& src, int height, int x, int y, bool onStack, Target target);

    Game& game_;
    TableCanvas& canvas_;
    const CardImages& images_;
    DrawingHost& host_;
};

// The four corner areas of a card rectangle: corner pixel plus its two
// neighbours along the edges, top-left, top-right, bottom-left, bottom-right.
struct CornerPixels {
    QPoint p[12];
};
CornerPixels cornerPixels(const QRect& rect);

}  // namespace vantrel
