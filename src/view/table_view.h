#pragma once
// The table as the main window holds it: the pictures, the card images
// and the drawing, kept in step with the game's layout and deals.
#include <QSize>
#include <memory>

#include "view/card_images.h"
#include "view/layout/layout.h"
#include "view/table_canvas.h"

namespace vantrel {

class DrawingHost;
struct Game;
class RandomSource;
class TableDrawing;

class TableView {
public:
    TableView(Game& game, DrawingHost& host);
    ~TableView();
    TableView(const TableView&) = delete;
    TableView& operator=(const TableView&) = delete;

    TableCanvas& canvas() { return canvas_; }
    // The painters, for the pointer and move feedback of this folder, which
    // include view/table_drawing.h; the window needs only the calls here.
    TableDrawing& drawing() { return *drawing_; }
    const CardImages& images() const { return images_; }

    // Card pictures of the chosen size, set and back, and the fan steps
    // of the current game. After a game is loaded and after an
    // appearance change.
    void loadImages();
    // The size at once, the pictures when a game is next drawn: at start-up
    // nothing shows a card before the first game is dealt.
    void loadImagesLater();
    // The background settings changed: the next redraw paints it again.
    void backgroundChanged() { backgroundPainted_ = false; }
    // Fresh sideways offsets of untidy piles for a new deal.
    void newDeal(RandomSource& random);
    // The window takes `window`; the table picture `table` (kept
    // when its size is unchanged).
    void resize(QSize window, QSize table, int fullHeight = 0);
    // A new layout, after a game was set up or the window changed size;
    // the fan steps follow the game's fan modes.
    void setLayout(const LayoutResult& result);
    // Background on the table picture (its rules resolved and pictures
    // loaded once per size and setting), the whole table, then the window.
    void redraw(bool dealAnimation = false);
    // Copies a window rectangle of the table picture to the window.
    void show(const QRect& windowRect);
    // A card face drawn on the window and on the table picture, where it
    // stays until the next redraw.
    void drawCard(int card, int x, int y);

private:
    void updateFanSteps();

    Game& game_;
    DrawingHost& host_;
    TableCanvas canvas_;
    CardImages images_;
    std::unique_ptr<TableDrawing> drawing_;
    bool imagesLoaded_ = false;
    bool backgroundPainted_ = false;
    bool backgroundForScrollBar_ = false;  // the fade's height depends on it
};

}  // namespace vantrel
