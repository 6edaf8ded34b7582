#include "card_backs.h"

#include "paint_kit.h"

#include <QPainter>
#include <cmath>

namespace assetgen {

namespace {

// Every back is designed on the large card's grid.
constexpr double kW = 71, kH = 96;
const QRectF kPanel(4, 4, kW - 8, kH - 8);

// White border, a thin rim round the card and a fine line round the panel.
void frame(QPainter &p, const std::function<void(QPainter &)> &panel)
{
    p.fillRect(QRectF(0, 0, kW, kH), QColor(252, 252, 248));
    p.save();
    p.setClipRect(kPanel);
    panel(p);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
    p.setPen(QPen(QColor(60, 60, 60, 150), 0.7));
    p.drawRect(kPanel);
}

void boat(QPainter &p)
{
    QLinearGradient sky(0, 4, 0, 58);
    sky.setColorAt(0, QColor(40, 50, 120));
    sky.setColorAt(0.55, QColor(220, 110, 110));
    sky.setColorAt(1, QColor(255, 190, 100));
    p.fillRect(kPanel, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 150));
    p.drawEllipse(QPointF(50, 55), 9, 9);
    QLinearGradient sea(0, 58, 0, 92);
    sea.setColorAt(0, QColor(40, 80, 140));
    sea.setColorAt(1, QColor(10, 30, 70));
    p.fillRect(QRectF(4, 58, kW - 8, 34), sea);
    // Sunlight on the water.
    p.setPen(QPen(QColor(255, 220, 150, 190), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(50 - 7 + i * 1.2, 61 + i * 4), QPointF(50 + 7 - i * 1.2, 61 + i * 4));
    p.setPen(QPen(QColor(120, 170, 220, 140), 0.8, Qt::SolidLine, Qt::RoundCap));
    Random random(3);
    for (int i = 0; i < 14; ++i) {
        const double x = random.range(6, 60), y = random.range(62, 90);
        p.drawLine(QPointF(x, y), QPointF(x + random.range(4, 9), y));
    }
    // The boat.
    p.setPen(QPen(QColor(40, 20, 10), 0.8));
    p.setBrush(QColor(120, 60, 30));
    p.drawPolygon(QPolygonF({{12, 62}, {42, 62}, {37, 68}, {16, 68}}));
    p.setPen(QPen(QColor(50, 30, 20), 1.2));
    p.drawLine(QPointF(27, 62), QPointF(27, 18));
    QPainterPath mainSail;
    mainSail.moveTo(28.5, 20);
    mainSail.quadTo(40, 40, 40, 59);
    mainSail.lineTo(28.5, 59);
    mainSail.closeSubpath();
    QPainterPath jib;
    jib.moveTo(25.5, 24);
    jib.quadTo(17, 44, 14, 59);
    jib.lineTo(25.5, 59);
    jib.closeSubpath();
    p.setPen(QPen(QColor(150, 130, 120), 0.6));
    p.setBrush(QColor(255, 248, 235));
    p.drawPath(mainSail);
    p.setBrush(QColor(245, 235, 215));
    p.drawPath(jib);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(27, 17, 6, 3.5));
}

void snowman(QPainter &p)
{
    QLinearGradient sky(0, 4, 0, 92);
    sky.setColorAt(0, QColor(10, 20, 70));
    sky.setColorAt(1, QColor(60, 100, 170));
    p.fillRect(kPanel, sky);
    p.setPen(Qt::NoPen);
    Random random(7);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 40; ++i)
        p.drawEllipse(QPointF(random.range(5, 66), random.range(5, 80)), 0.8, 0.8);
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QPointF(56, 14), 5, 5);
    p.setBrush(QColor(10, 20, 70));
    p.drawEllipse(QPointF(54, 12.5), 4.4, 4.4); // crescent moon
    QPainterPath ground;
    ground.moveTo(4, 78);
    ground.quadTo(35, 68, 67, 76);
    ground.lineTo(67, 92);
    ground.lineTo(4, 92);
    ground.closeSubpath();
    p.fillPath(ground, QColor(235, 240, 255));
    QRadialGradient snow(QPointF(30, 50), 30);
    snow.setColorAt(0, Qt::white);
    snow.setColorAt(1, QColor(200, 210, 235));
    p.setPen(QPen(QColor(150, 160, 200), 0.6));
    p.setBrush(snow);
    p.drawEllipse(QPointF(35.5, 68), 14, 13);
    p.drawEllipse(QPointF(35.5, 47), 10.5, 10);
    p.drawEllipse(QPointF(35.5, 30), 8, 7.5);
    // Hat, face, scarf, buttons, arms.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 30));
    p.drawRect(QRectF(28, 22, 15, 2.2));
    p.drawRect(QRectF(30.5, 11, 10, 11.5));
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(30.5, 19, 10, 2));
    p.setBrush(QColor(25, 25, 30));
    p.drawEllipse(QPointF(32.5, 28.5), 1, 1);
    p.drawEllipse(QPointF(38.5, 28.5), 1, 1);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(35.5, 43 + i * 4.5), 1.1, 1.1);
    p.setBrush(QColor(250, 130, 20));
    p.drawPolygon(QPolygonF({{35.5, 30.5}, {44, 32.5}, {35.5, 32.8}}));
    p.setBrush(QColor(200, 30, 40));
    p.drawRoundedRect(QRectF(27.5, 36, 16, 3.5), 1.5, 1.5);
    p.drawRect(QRectF(38, 37, 3.5, 9));
    p.setPen(QPen(QColor(100, 60, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 46), QPointF(14, 38));
    p.drawLine(QPointF(17, 40), QPointF(14, 42));
    p.drawLine(QPointF(45, 46), QPointF(57, 38));
    p.drawLine(QPointF(54, 40), QPointF(57, 42.5));
}

void lattice(QPainter &p)
{
    p.fillRect(kPanel, QColor(28, 62, 160));
    p.setPen(QPen(QColor(150, 180, 240), 1.2));
    for (double d = -96; d < 100; d += 8) {
        p.drawLine(QPointF(4 + d, 4), QPointF(4 + d + 88, 92));
        p.drawLine(QPointF(67 - d, 4), QPointF(67 - d - 88, 92));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 236, 255));
    for (double y = 8; y < 92; y += 8)
        for (double x = 4; x < 68; x += 8)
            p.drawEllipse(QPointF(x + (int(y / 8) % 2 ? 4 : 0), y), 1.1, 1.1);
    p.setPen(QPen(Qt::white, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kPanel.adjusted(3, 3, -3, -3));
}

void plaiting(QPainter &p)
{
    // Two colours of strip woven over and under: the strip on top is lit in
    // the middle and darkens where it dives under its neighbour.
    p.fillRect(kPanel, QColor(50, 28, 14));
    const double step = 9, strip = 7.6;
    const QColor warp(236, 200, 130), weft(170, 92, 48);
    for (int row = 0; row < 12; ++row)
        for (int col = 0; col < 9; ++col) {
            const double x = 3 + col * step, y = 3 + row * step;
            const bool warpOnTop = (row + col) % 2 == 0;
            auto cell = [&](bool vertical, bool onTop) {
                const QRectF r = vertical ? QRectF(x + (step - strip) / 2, y, strip, step)
                                          : QRectF(x, y + (step - strip) / 2, step, strip);
                const QColor base = vertical ? warp : weft;
                QLinearGradient across = vertical ? QLinearGradient(r.topLeft(), r.topRight())
                                                  : QLinearGradient(r.topLeft(), r.bottomLeft());
                across.setColorAt(0, base.darker(130));
                across.setColorAt(0.45, base.lighter(112));
                across.setColorAt(1, base.darker(140));
                p.fillRect(r, across);
                QLinearGradient along = vertical ? QLinearGradient(r.topLeft(), r.bottomLeft())
                                                 : QLinearGradient(r.topLeft(), r.topRight());
                const int dive = onTop ? 70 : 150;
                along.setColorAt(0, QColor(0, 0, 0, dive));
                along.setColorAt(0.3, QColor(0, 0, 0, onTop ? 0 : 90));
                along.setColorAt(0.7, QColor(0, 0, 0, onTop ? 0 : 90));
                along.setColorAt(1, QColor(0, 0, 0, dive));
                p.fillRect(r, along);
            };
            cell(warpOnTop ? false : true, false);
            cell(warpOnTop, true);
        }
}

void rose(QPainter &p, const QPointF &c, double r)
{
    for (int side = -1; side <= 1; side += 2) {
        p.save();
        p.translate(c);
        p.rotate(side * 40 + 180);
        QPainterPath leaf;
        leaf.moveTo(0, r * 0.6);
        leaf.quadTo(r * 0.7, r * 1.3, 0, r * 2.1);
        leaf.quadTo(-r * 0.7, r * 1.3, 0, r * 0.6);
        p.fillPath(leaf, QColor(60, 140, 60));
        p.setPen(QPen(QColor(30, 90, 30), r / 14));
        p.drawLine(QPointF(0, r * 0.7), QPointF(0, r * 1.9));
        p.restore();
    }
    // Rings of petals, darker towards the heart, and a curled bud in it.
    const struct {
        int petals;
        double radius, size;
        QColor colour;
        double turn;
    } rings[] = {{5, 0.55, 0.55, QColor(232, 60, 80), 0},
                 {5, 0.33, 0.45, QColor(200, 30, 55), 36},
                 {4, 0.14, 0.35, QColor(165, 10, 35), 20}};
    for (const auto &ring : rings)
        for (int i = 0; i < ring.petals; ++i) {
            p.save();
            p.translate(c);
            p.rotate(ring.turn + i * 360.0 / ring.petals);
            QRadialGradient shade(QPointF(0, -r * ring.radius), r * ring.size);
            shade.setColorAt(0, ring.colour.lighter(115));
            shade.setColorAt(1, ring.colour.darker(125));
            p.setPen(QPen(QColor(110, 0, 25), r / 18));
            p.setBrush(shade);
            p.drawEllipse(QPointF(0, -r * ring.radius), r * ring.size, r * ring.size * 0.85);
            p.restore();
        }
    p.setPen(QPen(QColor(100, 0, 20), r / 10, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(150, 5, 30));
    p.drawEllipse(c, r * 0.2, r * 0.2);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.12, c.y() - r * 0.12, r * 0.24, r * 0.24), 0, 270 * 16);
}

void roses(QPainter &p)
{
    p.fillRect(kPanel, QColor(20, 60, 30));
    p.setPen(QPen(QColor(50, 100, 50), 0.5));
    for (double d = -96; d < 100; d += 6)
        p.drawLine(QPointF(4 + d, 4), QPointF(4 + d + 88, 92));
    const QPointF small[] = {{17, 18}, {54, 18}, {17, 78}, {54, 78}};
    for (const QPointF &c : small)
        rose(p, c, 7);
    rose(p, QPointF(35.5, 48), 14);
}

void fish(QPainter &p, const QPointF &at, double size, const QColor &body, const QColor &stripe, bool flip)
{
    p.save();
    p.translate(at);
    p.scale(flip ? -size : size, size);
    QPainterPath tail;
    tail.moveTo(0.6, 0);
    tail.lineTo(1.15, -0.45);
    tail.lineTo(1.05, 0);
    tail.lineTo(1.15, 0.45);
    tail.closeSubpath();
    p.setPen(QPen(QColor(20, 20, 20), 0.04));
    p.setBrush(stripe);
    p.drawPath(tail);
    QPainterPath shape;
    shape.addEllipse(QPointF(0, 0), 0.72, 0.42);
    p.setBrush(body);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(QColor(20, 20, 20), 0.04));
    p.setBrush(stripe);
    p.drawRect(QRectF(-0.28, -0.6, 0.18, 1.2));
    p.drawRect(QRectF(0.22, -0.6, 0.16, 1.2));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-0.45, -0.08), 0.11, 0.11);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-0.48, -0.08), 0.06, 0.06);
    p.restore();
}

void tropicalFish(QPainter &p)
{
    QLinearGradient water(0, 4, 0, 92);
    water.setColorAt(0, QColor(60, 200, 220));
    water.setColorAt(1, QColor(10, 60, 130));
    p.fillRect(kPanel, water);
    // Light falling through the water.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    for (int i = 0; i < 3; ++i)
        p.drawPolygon(QPolygonF({{10.0 + i * 20, 4}, {18.0 + i * 20, 4}, {8.0 + i * 22, 92}, {2.0 + i * 22, 92}}));
    // Weed and sand.
    p.fillRect(QRectF(4, 86, kW - 8, 6), QColor(210, 190, 130));
    p.setPen(QPen(QColor(40, 140, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        QPainterPath weed;
        const double x = 9 + i * 13;
        weed.moveTo(x, 90);
        weed.cubicTo(x - 5, 80, x + 5, 74, x - 1, 64 + (i % 2) * 6);
        p.drawPath(weed);
    }
    fish(p, QPointF(28, 32), 19, QColor(255, 130, 20), Qt::white, false);
    fish(p, QPointF(46, 60), 15, QColor(40, 80, 220), QColor(255, 220, 40), true);
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.6));
    p.setBrush(QColor(255, 255, 255, 50));
    for (const QPointF &b : {QPointF(15, 20), QPointF(13, 14), QPointF(15.5, 8.5), QPointF(58, 45), QPointF(60, 39)})
        p.drawEllipse(b, 1.3, 1.3);
}

struct Back {
    int number;
    void (*panel)(QPainter &);
};

const Back kBacks[] = {{1, boat}, {3, snowman}, {6, lattice}, {11, plaiting}, {14, roses}, {19, tropicalFish}};

} // namespace

PictureList makeCardBacks()
{
    PictureList pictures;
    for (const Back &back : kBacks)
        for (const CardSize &size : kCardSizes)
            pictures.push_back({sizedName("D", size, threeDigits(back.number)),
                                supersample(size.width, size.height, kW, kH,
                                            [&](QPainter &p) { frame(p, back.panel); })});
    return pictures;
}

} // namespace assetgen
