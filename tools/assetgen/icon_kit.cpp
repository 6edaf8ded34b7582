#include "icon_kit.h"

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
    QPainterPath body;
    body.moveTo(1, 4);
    body.lineTo(6, 4);
    body.lineTo(7.5, 5.5);
    body.lineTo(14.5, 5.5);
    body.lineTo(14.5, 13.5);
    body.lineTo(1, 13.5);
    body.closeSubpath();
    p.drawPath(body);
    if (!open) {
        p.setPen(QPen(QColor(255, 240, 190), 0.8));
        p.drawLine(QPointF(1.8, 7.2), QPointF(13.8, 7.2));
        return;
    }
    // The open flap leans forward.
    QLinearGradient front(0, 7, 0, 14);
    front.setColorAt(0, QColor(255, 236, 160));
    front.setColorAt(1, QColor(242, 196, 72));
    p.setPen(QPen(edge, 0.8));
    p.setBrush(front);
    QPainterPath flap;
    flap.moveTo(3.5, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(13, 13.5);
    flap.lineTo(1, 13.5);
    flap.closeSubpath();
    p.drawPath(flap);
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
