#pragma once
// The table area of the main window: shows the window picture that the
// drawing keeps off screen. Everything on the table is painted there.
#include <QImage>
#include <QWidget>

namespace vantrel {

class TableArea : public QWidget {
    Q_OBJECT
public:
    explicit TableArea(QWidget* parent = nullptr);
    // The picture shown from (0, 0); not owned.
    void setPicture(const QImage* picture) { picture_ = picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* picture_ = nullptr;
};

}  // namespace vantrel
