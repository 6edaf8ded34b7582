// The main vertical scroll bar: it shows when the cards reach below the
// table area, and its position is the scroll offset that pile positions
// subtract and the table picture adds.
#include <QFrame>
#include <QScrollBar>
#include <algorithm>

#include "model/game.h"
#include "shell/main_window.h"
#include "shell/table_area.h"
#include "view/table_view.h"

namespace vantrel {

namespace {

constexpr int BottomMargin = 10;  // room below the lowest card when scrolled to the end

}  // namespace

void MainWindow::setUpScrollBar() {
    scrBarMain_->setObjectName("scrBarMain");
    scrBarMain_->hide();
    scrBarMain_->setSingleStep(20);
    connect(scrBarMain_, &QScrollBar::valueChanged, this, &MainWindow::scrollTable);
    table_->setWheelTarget(scrBarMain_);
    table_->setAfterPlay([this] { updateScrollBar(); });
}

int MainWindow::visibleTableHeight() const {
    const int status = panels_->pnlStatusBar->isVisible() ? panels_->pnlStatusBar->height() : 0;
    return std::max(1, table_->height() - status);
}

void MainWindow::scrollTable(int position) {
    TableCanvas& canvas = view_->canvas();
    if (canvas.scroll == position && s_.game.positions.scrollOffset == position) return;
    canvas.scroll = position;
    s_.game.positions.scrollOffset = position;
    view_->show(canvas.windowRect());
}

void MainWindow::updateScrollBar() {
    if (updatingScrollBar_ || closed_) return;
    updatingScrollBar_ = true;
    TableCanvas& canvas = view_->canvas();
    const int visible = visibleTableHeight();
    auto extent = [&] { return canvas.bottomTracker + BottomMargin; };
    const bool wanted = s_.game.inProgress && extent() > visible;
    if (wanted != scrBarMain_->isVisible()) {
        // The layout leaves the bar's width free while it shows: lay out and
        // draw again, then keep the bar as it is for this round.
        scrBarMain_->setVisible(wanted);
        placeScrollBar();
        computeLayout();
        redrawTable();
    }
    if (scrBarMain_->isVisible()) {
        // At least the whole table's height, taller when the cards reach
        // further; its contents are drawn anew.
        int needed = std::max(canvas.table.height(), canvas.fullHeight());
        if (needed < extent()) needed = extent() + 30;
        if (canvas.table.height() != needed) {
            view_->resize(table_->size(), QSize(canvas.table.width(), needed));
            computeLayout();
            redrawTable();
        }
        scrBarMain_->setPageStep(visible);
        scrBarMain_->setRange(0, std::max(0, extent() - visible));
    } else {
        scrBarMain_->setValue(0);
    }
    updatingScrollBar_ = false;
}

void MainWindow::placeScrollBar() {
    const int w = scrBarMain_->sizeHint().width();
    scrBarMain_->setGeometry(table_->width() - w, 0, w, visibleTableHeight());
    scrBarMain_->raise();
}

}  // namespace vantrel
