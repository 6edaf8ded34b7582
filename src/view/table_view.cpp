#include "view/table_view.h"

#include "model/game.h"
#include "model/game_number.h"
#include "view/drawing_host.h"

namespace vantrel {

TableView::TableView(Game& game, DrawingHost& host)
    : game_(game), host_(host), drawing_(game, canvas_, images_, host) {}

void TableView::loadImages() {
    loadCardImages(images_, game_.state, host_);
    drawing_.steps = fanSteps(images_.sizeLetter, game_.params[3], game_.params[5], drawing_.steps);
    imagesLoaded_ = true;
}

void TableView::newDeal(RandomSource& random) {
    drawing_.jitter = buildJitterTables([&random](int max) { return static_cast<int>(random.uniform(0, max)); });
}

void TableView::resize(QSize window, QSize table) {
    if (canvas_.window.size() == window && canvas_.table.size() == table) return;
    const QImage keptWindow = canvas_.window;
    canvas_.resize(window, table);
    if (!keptWindow.isNull()) copyRect(canvas_.window, QPoint(0, 0), keptWindow, keptWindow.rect());
}

void TableView::redraw(bool dealAnimation) {
    if (!imagesLoaded_) loadImages();
    drawing_.drawBackground(Target::Table);
    drawing_.drawTable(Target::Table, dealAnimation);
    drawing_.showWindow();
}

void TableView::show(const QRect& windowRect) {
    copyRect(canvas_.window, windowRect.topLeft(), canvas_.table, canvas_.onTable(windowRect));
    canvas_.noteWindow(windowRect);
}

}  // namespace vantrel
