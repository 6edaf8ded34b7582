#include "shell/table_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace vantrel {

TableArea::TableArea(QWidget* parent) : QWidget(parent) {
    setObjectName("imgSfondo");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void TableArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (picture_ && !picture_->isNull())
        painter.drawImage(event->rect(), *picture_, event->rect());
    else
        painter.fillRect(event->rect(), palette().window());
}

}  // namespace vantrel
