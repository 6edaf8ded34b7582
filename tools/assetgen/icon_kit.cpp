#include "icon_kit.h"

#include <cmath>

namespace assetgen {

void drawMiniCard(QPainter &p, const QRectF &box, double degrees, const QColor &face, const Suit *suit)
{
    p.save();
    p.translate(box.center());
    p.rotate(degrees);
    const QRectF r(-box.width() / 2, -box.height() / 2, box.width(), box.height());
    p.setPen(QPen(QColor(40, 40, 40), 0.7));
    p.setBrush(face);
    p.drawRoundedRect(r, 1.2, 1.2);
    if (suit) {
        const double s = std::min(r.width(), r.height()) * 0.62;
        p.fillPath(suitPathIn(*suit, QRectF(-s / 2, -s / 2, s, s)),
                   isRed(*suit) ? QColor(214, 0, 0) : QColor(0, 0, 0));
    }
    p.restore();
}

void drawFolder(QPainter &p, bool open)
{
    const QColor edge(150, 108, 20);
    p.setPen(QPen(edge, 0.8));
    QLinearGradient back(0, 3, 0, 14);
    back.setColorAt(0, QColor(255, 222, 120));
    back.setColorAt(1, QColor(230, 176, 50));
    p.setBrush(back);
    p.drawPolygon(QPolygonF({{1, 4}, {6, 4}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1, 13.5}}));
    if (!open) {
        p.setPen(QPen(QColor(255, 240, 190), 0.8));
        p.drawLine(QPointF(1.8, 7.2), QPointF(13.8, 7.2));
        return;
    }
    drawFolderFlap(p, 7.5);
}

void drawFolderFlap(QPainter &p, double top)
{
    // The open flap leans forward.
    QLinearGradient front(0, top, 0, 14);
    front.setColorAt(0, QColor(255, 236, 160));
    front.setColorAt(1, QColor(242, 196, 72));
    p.setPen(QPen(QColor(150, 108, 20), 0.8));
    p.setBrush(front);
    p.drawPolygon(QPolygonF({{3.5, top}, {15.5, top}, {13, 13.5}, {1, 13.5}}));
}

QPainterPath starPath(const QPointF &centre, int points, double outer, double inner, double startAngle)
{
    QPainterPath star;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = startAngle + i * M_PI / points;
        const double r = i % 2 ? inner : outer;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    return star;
}

QPainterPath rightArrow(const QRectF &box)
{
    const double neck = box.left() + box.width() * 0.5;
    const double shaftTop = box.top() + box.height() * 0.25, shaftBottom = box.bottom() - box.height() * 0.25;
    QPainterPath arrow;
    arrow.moveTo(box.left(), shaftTop);
    arrow.lineTo(neck, shaftTop);
    arrow.lineTo(neck, box.top());
    arrow.lineTo(box.right(), box.center().y());
    arrow.lineTo(neck, box.bottom());
    arrow.lineTo(neck, shaftBottom);
    arrow.lineTo(box.left(), shaftBottom);
    arrow.closeSubpath();
    return arrow;
}

QImage alphaIcon(int size, double design, const std::function<void(QPainter &)> &draw)
{
    return supersample(size, size, design, design, draw, 4, QImage::Format_ARGB32_Premultiplied)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage treeIcon(int size, const std::function<void(QPainter &)> &draw)
{
    return keyedPicture(alphaIcon(size, 16, draw), kTreeKey, Qt::white);
}

} // namespace assetgen
