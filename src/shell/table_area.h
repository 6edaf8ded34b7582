#pragma once
// The table area of the main window: shows what the drawing keeps off
// screen (the window picture while something is over the table, else the
// table picture from the scroll position), and hands the mouse to pointer
// play.
#include <QImage>
#include <QWidget>
#include <functional>

class QScrollBar;

namespace vantrel {

class TableCanvas;
class TablePlay;

class TableArea : public QWidget {
    Q_OBJECT
public:
    explicit TableArea(QWidget* parent = nullptr);
    // The pictures shown; not owned.
    void setCanvas(const TableCanvas* canvas) { canvas_ = canvas; }
    // Where the mouse goes; none while the window is being set up.
    void setPlay(TablePlay* play) { play_ = play; }
    // Told after each release and double click: cards may lie lower now.
    void setAfterPlay(std::function<void()> afterPlay) { afterPlay_ = std::move(afterPlay); }
    // The wheel scrolls the table through the main scroll bar while it shows.
    void setWheelTarget(QScrollBar* bar) { wheelTarget_ = bar; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // imgSfondoMouseDown, imgSfondoMouseMove, imgSfondoMouseUp, imgSfondoDblClick
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Nothing on the table shows the focus: the base class would repaint
    // the whole table each time a dialog opens or closes.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    const TableCanvas* canvas_ = nullptr;
    TablePlay* play_ = nullptr;
    std::function<void()> afterPlay_;
    QScrollBar* wheelTarget_ = nullptr;
    QPoint last_;  // where the last press or move was handed on
};

}  // namespace vantrel
