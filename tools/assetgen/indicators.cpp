#include "indicators.h"

#include "paint_kit.h"

#include <QPainter>
#include <cmath>

namespace assetgen {

namespace {

constexpr int kWidth = 48, kHeight = 13;

const QColor kGreen(46, 170, 60), kLime(140, 200, 40), kYellow(240, 196, 20), kOrange(240, 130, 20),
    kRed(215, 40, 30);

void clockSign(QPainter &p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1.1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(6, 6.5), 5, 5);
    p.drawLine(QPointF(6, 6.5), QPointF(6, 3));
    p.drawLine(QPointF(6, 6.5), QPointF(8.5, 7.5));
}

void gaugeSign(QPainter &p)
{
    // A weight: how heavy the rules are.
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(QColor(120, 120, 130));
    p.drawPolygon(QPolygonF({{3.5, 4}, {8.5, 4}, {11, 11.5}, {1, 11.5}}));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(6, 2.6), 1.6, 1.6);
}

void chanceSign(QPainter &p)
{
    // A four-leaf clover: luck.
    p.setPen(QPen(QColor(20, 100, 30), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6.5), QPointF(8.5, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 50));
    for (const QPointF &leaf : {QPointF(6, 3.6), QPointF(6, 9.2), QPointF(3.2, 6.4), QPointF(8.8, 6.4)})
        p.drawEllipse(leaf, 2.5, 2.5);
}

QImage indicator(void (*sign)(QPainter &), int lit, int segments, const QColor &colour)
{
    return supersample(kWidth, kHeight, kWidth, kHeight, [&](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
        sign(p);
        // Segments on whole pixels so they stay sharp.
        const int left = 14, right = kWidth - 1, gap = 1;
        const int each = (right - left - gap * (segments - 1)) / segments;
        for (int i = 0; i < segments; ++i) {
            const QRectF seg(left + i * (each + gap), 2, each, 9);
            const bool on = i < lit;
            p.setPen(QPen(on ? colour.darker(140) : QColor(190, 190, 190), 1));
            p.setBrush(on ? colour : QColor(238, 238, 238));
            p.drawRect(seg.adjusted(0.5, 0.5, -0.5, -0.5));
        }
    });
}

struct Level {
    const char *name;
    void (*sign)(QPainter &);
    int lit;
    int segments;
    QColor colour;
};

} // namespace

PictureList makeIndicators()
{
    const Level levels[] = {
        {"PROG_TIME_LONG", clockSign, 3, 3, kOrange},     {"PROG_TIME_MEDIUM", clockSign, 2, 3, kYellow},
        {"PROG_TIME_QUICK", clockSign, 1, 3, kGreen},     {"PROG_DIFF_EASY", gaugeSign, 1, 3, kGreen},
        {"PROG_DIFF_MEDIUM", gaugeSign, 2, 3, kYellow},   {"PROG_DIFF_HARD", gaugeSign, 3, 3, kRed},
        {"PROG_CHAN_VERYHIGH", chanceSign, 5, 5, kGreen}, {"PROG_CHAN_HIGH", chanceSign, 4, 5, kLime},
        {"PROG_CHAN_MEDIUM", chanceSign, 3, 5, kYellow},  {"PROG_CHAN_LOW", chanceSign, 2, 5, kOrange},
        {"PROG_CHAN_VERYLOW", chanceSign, 1, 5, kRed},
    };
    PictureList pictures;
    for (const Level &level : levels)
        pictures.push_back({QString::fromLatin1(level.name),
                            indicator(level.sign, level.lit, level.segments, level.colour)});
    return pictures;
}

} // namespace assetgen
