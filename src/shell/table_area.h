#pragma once
// The table area of the main window: shows the window picture that the
// drawing keeps off screen, and hands the mouse to pointer play.
#include <QImage>
#include <QWidget>

namespace vantrel {

class TablePlay;

class TableArea : public QWidget {
    Q_OBJECT
public:
    explicit TableArea(QWidget* parent = nullptr);
    // The picture shown from (0, 0); not owned.
    void setPicture(const QImage* picture) { picture_ = picture; }
    // Where the mouse goes; none while the window is being set up.
    void setPlay(TablePlay* play) { play_ = play; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // imgSfondoMouseDown, imgSfondoMouseMove, imgSfondoMouseUp, imgSfondoDblClick
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QImage* picture_ = nullptr;
    TablePlay* play_ = nullptr;
    QPoint last_;  // where the last press or move was handed on
};

}  // namespace vantrel
