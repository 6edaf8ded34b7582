#include "pile_marks.h"

#include "paint_kit.h"

#include <QPainter>
#include <cmath>
#include <functional>

namespace assetgen {

namespace {

constexpr double kW = 71, kH = 96;
const QColor kFelt(0, 78, 0);
const QColor kRim(118, 186, 118);
const QColor kInk(150, 214, 150);

using Symbol = std::function<void(QPainter &)>;

void drawSlot(QPainter &p)
{
    p.fillRect(QRectF(0, 0, kW, kH), kFelt);
    p.setPen(QPen(kRim, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, kW - 4, kH - 4), 5, 5);
}

Symbol rankSymbol(const QString &rank)
{
    return [rank](QPainter &p) {
        const int pixels = rank.size() > 1 ? 34 : 44;
        drawCentredText(p, rank, QPointF(kW / 2, kH / 2), pixelFont(kSerif, pixels, true),
                        kInk);
    };
}

void reserveSymbol(QPainter &p)
{
    // A free cell: an inner dashed outline.
    QPen pen(kInk, 1.6, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(11, 13, kW - 22, kH - 26), 4, 4);
}

void wasteSymbol(QPainter &p)
{
    // Three fanned card outlines: where turned cards land.
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kFelt);
    for (int i = -1; i <= 1; ++i) {
        p.save();
        p.translate(kW / 2, kH / 2 + 18);
        p.rotate(i * 16);
        p.drawRoundedRect(QRectF(-13, -44, 26, 36), 3, 3);
        p.restore();
    }
}

void anySuitSymbol(QPainter &p)
{
    const Suit suits[] = {Suit::Spades, Suit::Hearts, Suit::Diamonds, Suit::Clubs};
    for (int i = 0; i < 4; ++i) {
        const QRectF box(14 + (i % 2) * 24, 26 + (i / 2) * 26, 19, 19);
        p.fillPath(suitPathIn(suits[i], box), kInk);
    }
}

void ringSymbol(QPainter &p)
{
    p.setPen(QPen(kInk, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kW / 2, kH / 2), 15, 15);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(kW / 2, kH / 2), 4, 4);
}

void noRedealSymbol(QPainter &p)
{
    // No redeal left: a bold red cross.
    QPen pen(QColor(228, 92, 80), 7, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(19, 31), QPointF(kW - 19, kH - 31));
    p.drawLine(QPointF(kW - 19, 31), QPointF(19, kH - 31));
}

void redealSymbol(QPainter &p)
{
    // Redeal possible: a green circular arrow.
    const QColor green(176, 238, 120);
    const QPointF c(kW / 2, kH / 2);
    const double r = 17;
    QPen pen(green, 6, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 100 * 16, 290 * 16);
    // Arrow head at the arc's end (angle 30 degrees, moving clockwise).
    const double a = 30 * M_PI / 180;
    const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF({tip + QPointF(-9, -3), tip + QPointF(9, -6), tip + QPointF(3, 11)}));
}

void closedStockSymbol(QPainter &p)
{
    // Stock of the two-row games: a plain white ring, unlike both 008 and 022.
    p.setPen(QPen(QColor(235, 245, 235), 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kW / 2, kH / 2), 16, 16);
}

void crownSymbol(QPainter &p)
{
    // Reserve for court cards: a crown.
    QPainterPath crown;
    crown.moveTo(16, 58);
    crown.lineTo(13, 34);
    crown.lineTo(25, 46);
    crown.lineTo(kW / 2, 28);
    crown.lineTo(kW - 25, 46);
    crown.lineTo(kW - 13, 34);
    crown.lineTo(kW - 16, 58);
    crown.closeSubpath();
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crown);
    p.drawLine(QPointF(16, 65), QPointF(kW - 16, 65));
    p.setBrush(kInk);
    for (const QPointF &dot : {QPointF(13, 33), QPointF(kW / 2, 27), QPointF(kW - 13, 33)})
        p.drawEllipse(dot, 2.5, 2.5);
}

struct Mark {
    int number;
    Symbol symbol;
};

std::vector<Mark> allMarks()
{
    std::vector<Mark> marks = {
        {1, reserveSymbol}, {2, wasteSymbol},     {4, anySuitSymbol},    {5, ringSymbol},
        {7, [](QPainter &) {}}, {8, noRedealSymbol}, {9, crownSymbol}, {21, closedStockSymbol},
        {22, redealSymbol}, {10, rankSymbol("A")}, {6, rankSymbol("J")}, {3, rankSymbol("Q")},
        {11, rankSymbol("K")},
    };
    for (int rank = 2; rank <= 10; ++rank)
        marks.push_back({10 + rank, rankSymbol(QString::number(rank))});
    std::sort(marks.begin(), marks.end(), [](const Mark &a, const Mark &b) { return a.number < b.number; });
    return marks;
}

} // namespace

PictureList makePileMarks()
{
    PictureList pictures;
    const std::vector<Mark> marks = allMarks();
    for (const CardSize &size : kCardSizes)
        for (const Mark &mark : marks)
            pictures.push_back({sizedName("W", size, threeDigits(mark.number)),
                                supersample(size.width, size.height, kW, kH, [&](QPainter &p) {
                                    drawSlot(p);
                                    mark.symbol(p);
                                })});
    return pictures;
}

} // namespace assetgen
