#include "view/table_view.h"

#include "model/game.h"
#include "model/game_number.h"
#include "model/param_ids.h"
#include "view/drawing_host.h"
#include "view/table_drawing.h"

namespace vantrel {

TableView::TableView(Game& game, DrawingHost& host)
    : game_(game), host_(host), drawing_(std::make_unique<TableDrawing>(game, canvas_, images_, host)) {}

TableView::~TableView() = default;

void TableView::loadImages() {
    loadCardImages(images_, game_.state, host_);
    updateFanSteps();
    imagesLoaded_ = true;
}

void TableView::loadImagesLater() {
    applyCardSize(images_, game_.state);
    updateFanSteps();
    imagesLoaded_ = false;
}

void TableView::updateFanSteps() {
    PileDrawing& piles = drawing_->piles();
    piles.setFanSteps(fanSteps(images_.sizeLetter, game_.params[param::TableauDisplay],
                               game_.params[param::ReserveDisplay], piles.fanSteps()));
}

void TableView::setLayout(const LayoutResult& result) {
    drawing_->piles().setLayout(result);
    updateFanSteps();
}

void TableView::newDeal(RandomSource& random) {
    drawing_->piles().setJitter(
        buildJitterTables([&random](int max) { return static_cast<int>(random.uniform(0, max)); }));
}

void TableView::resize(QSize window, QSize table, int fullHeight) {
    const TableCanvas::Resized changed = canvas_.resize(window, table, fullHeight);
    if (changed.table) backgroundPainted_ = false;  // the next redraw paints it
    // Until the next redraw the window shows what the table picture holds.
    if (changed.window) drawing_->pictures().showWindow();
}

void TableView::redraw(bool dealAnimation) {
    if (!backgroundPainted_ || backgroundForScrollBar_ != canvas_.scrollBarVisible) {
        drawing_->pictures().drawBackground(Target::Table);
        backgroundPainted_ = true;
        backgroundForScrollBar_ = canvas_.scrollBarVisible;
    } else {
        canvas_.background.paint(canvas_.table, QPoint(0, 0), canvas_.table.rect());
    }
    if (game_.inProgress) {
        if (!imagesLoaded_) loadImages();
        drawing_->piles().drawTable(Target::Table, dealAnimation);
    }
    drawing_->pictures().showWindow();
}

void TableView::show(const QRect& windowRect) {
    copyRect(canvas_.surface(Target::Window), windowRect.topLeft(), canvas_.table, canvas_.onTable(windowRect));
    canvas_.noteWindow(windowRect);
    canvas_.settle();
}

void TableView::drawCard(int card, int x, int y) {
    drawing_->pictures().drawCard(card, x, y, false, Target::Window);
    drawing_->pictures().drawCard(card, x, y, false, Target::Table);
}

}  // namespace vantrel
