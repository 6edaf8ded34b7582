#include "shell/table_area.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <optional>

#include "engine/table_play.h"
#include "view/table_canvas.h"

namespace vantrel {

namespace {

std::optional<MouseButton> playButton(const QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) return MouseButton::Left;
    if (event->button() == Qt::RightButton) return MouseButton::Right;
    return std::nullopt;
}

}  // namespace

TableArea::TableArea(QWidget* parent) : QWidget(parent) {
    setObjectName("imgSfondo");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Moves without a button pressed hide the pile-size hint.
    setMouseTracking(true);
}

void TableArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage* picture = canvas_ ? &canvas_->shownPicture() : nullptr;
    if (picture && !picture->isNull())
        painter.drawImage(event->rect(), *picture, event->rect().translated(0, canvas_->shownDy()));
    else
        painter.fillRect(event->rect(), palette().window());
}

void TableArea::mousePressEvent(QMouseEvent* event) {
    const auto button = playButton(event);
    if (!play_ || !button) return;
    const QPoint p = event->position().toPoint();
    last_ = p;
    play_->press(*button, p.x(), p.y());
}

void TableArea::mouseMoveEvent(QMouseEvent* event) {
    if (!play_) return;
    const QPoint p = event->position().toPoint();
    last_ = p;
    play_->move(p.x(), p.y());
}

void TableArea::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = playButton(event);
    if (!play_ || !button) return;
    const QPoint p = event->position().toPoint();
    // Moves queued while a card flew may have been merged away: the block
    // goes to where the button came up.
    if (play_->drag().dragged != 0 && p != last_) play_->move(p.x(), p.y());
    play_->release(*button, p.x(), p.y());
    if (afterPlay_) afterPlay_();
}

void TableArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!play_ || event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    // Qt hands the second press of a double click over as the double click
    // alone. It is both: the double click acts first, then the press (two
    // quick clicks on the stock turn two cards; the card a double click
    // uncovers can be turned by the same press).
    if (play_->drag().dragged != 0) play_->release(MouseButton::Left, p.x(), p.y());
    play_->doubleClick(p.x(), p.y());
    last_ = p;
    play_->press(MouseButton::Left, p.x(), p.y());
    if (afterPlay_) afterPlay_();
}

void TableArea::wheelEvent(QWheelEvent* event) {
    // Not while a block is held: it would part from the pointer.
    if (wheelTarget_ && wheelTarget_->isVisible() && !(play_ && play_->drag().dragged != 0))
        QCoreApplication::sendEvent(wheelTarget_, event);
}

}  // namespace vantrel
