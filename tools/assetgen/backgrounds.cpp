#include "backgrounds.h"

#include "paint_kit.h"

#include <QPainter>
#include <cmath>
#include <functional>

namespace assetgen {

namespace {

// Fills a tile pixel by pixel; `shade` sees tile coordinates and must be
// periodic in the tile's size for the tile to be seamless.
QImage perPixel(int width, int height, const std::function<QColor(int, int)> &shade)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            img.setPixel(x, y, shade(x, y).rgb());
    return img;
}

QImage moquette()
{
    // Few colours and a small repeat: meant for screens short of colours.
    const QColor base(18, 74, 56), diamond(36, 110, 80), dot(150, 170, 90), edge(10, 50, 38);
    return perPixel(32, 32, [&](int x, int y) {
        const int dx = std::abs((x % 16) - 8), dy = std::abs((y % 16) - 8);
        const int d = dx + dy;
        if (d <= 1)
            return dot;
        if (d == 6)
            return edge;
        if (d < 6)
            return diamond;
        return ((x + y) % 4 == 0) ? edge : base;
    });
}

QImage metalGold()
{
    const int size = 128;
    return perPixel(size, size, [&](int x, int y) {
        // Brushed: long fine streaks across, a broad sheen along the diagonal.
        const double streak = tileFractal(x / 32.0, y, 4, size, 3, 287);
        const double grain = tileNoise(x / 2.0, y, size / 2, size, 2871);
        const double sheen = 0.5 + 0.5 * std::sin(2 * M_PI * (x + y) / size);
        const double t = 0.1 + 0.55 * streak + 0.25 * sheen + 0.1 * grain;
        return mix(QColor(120, 84, 18), QColor(255, 234, 150), t);
    });
}

QImage moquetteFine()
{
    const int size = 64;
    const QColor low(60, 24, 34), high(140, 52, 66), motif(190, 150, 90);
    return perPixel(size, size, [&](int x, int y) {
        // Pile of the fabric plus a small repeated motif.
        const double fibre = tileFractal(x / 2.0, y / 2.0, 32, 32, 2, 296);
        const double cloud = tileNoise(x / 16.0, y / 16.0, 4, 4, 2960);
        const int mx = x % 16, my = y % 16;
        const bool cross = (mx == 8 && my >= 6 && my <= 10) || (my == 8 && mx >= 6 && mx <= 10);
        const QColor c = mix(low, high, 0.2 + 0.5 * fibre + 0.3 * cloud);
        return cross ? mix(c, motif, 0.75) : c;
    });
}

QImage brickWall()
{
    const int width = 128, height = 64, brickW = 32, brickH = 16;
    return perPixel(width, height, [&](int x, int y) {
        const int row = y / brickH;
        const int shifted = (x + (row % 2) * brickW / 2) % width;
        const int col = shifted / brickW;
        const int bx = shifted % brickW, by = y % brickH;
        const double grain = tileFractal(x / 4.0, y / 4.0, 32, 16, 3, 304);
        if (bx < 2 || by < 2) // mortar
            return mix(QColor(150, 145, 135), QColor(200, 195, 185), grain);
        Random random(uint32_t(row * 16 + col + 3040));
        const QColor brick = mix(QColor(150, 60, 40), QColor(190, 95, 60), random.unit());
        double light = 0.75 + 0.4 * grain;
        if (by == 2 || bx == 2)
            light += 0.12; // top and left edge catch the light
        if (by == brickH - 1 || bx == brickW - 1)
            light -= 0.15;
        return QColor::fromRgbF(float(std::min(1.0, brick.redF() * light)),
                                float(std::min(1.0, brick.greenF() * light)),
                                float(std::min(1.0, brick.blueF() * light)));
    });
}

QImage parquet()
{
    // Basket weave: squares of four planks, turned in a checkerboard.
    const int size = 128, block = 32, plank = 8;
    return perPixel(size, size, [&](int x, int y) {
        const int bx = x / block, by = y / block;
        const bool across = (bx + by) % 2 == 0;
        const int along = across ? x : y;
        const int side = across ? y : x;
        const int index = side / plank;
        Random random(uint32_t(bx * 31 + by * 7 + index * 131 + 311));
        const double tone = random.unit();
        const double grain = across ? tileFractal(x / 16.0, y / 2.0, 8, 64, 2, 3110 + index)
                                    : tileFractal(x / 2.0, y / 16.0, 64, 8, 2, 3110 + index);
        const double rings = 0.5 + 0.5 * std::sin(along * 0.35 + grain * 6 + tone * 10);
        QColor c = mix(QColor(150, 92, 40), QColor(210, 150, 80), 0.35 * tone + 0.35 * rings + 0.3 * grain);
        if (side % plank == 0 || along % block == 0)
            c = c.darker(160);
        return c;
    });
}

QImage meadow()
{
    const int size = 128;
    QImage img = perPixel(size, size, [&](int x, int y) {
        const double n = tileFractal(x / 8.0, y / 8.0, 16, 16, 3, 324);
        return mix(QColor(40, 100, 30), QColor(90, 150, 50), n);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Random random(3240);
    // Each blade and flower is drawn at every wrap-around offset, so the
    // tile has no seams.
    auto wrapped = [&](const std::function<void(const QPointF &)> &draw) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                draw(QPointF(dx * size, dy * size));
    };
    for (int i = 0; i < 420; ++i) {
        const QPointF root(random.range(0, size), random.range(0, size));
        const double lean = random.range(-4, 4), height = random.range(6, 13);
        const QColor blade = mix(QColor(30, 90, 20), QColor(150, 200, 80), random.unit());
        wrapped([&](const QPointF &o) {
            QPainterPath path;
            path.moveTo(root + o);
            path.quadTo(root + o + QPointF(lean * 0.2, -height * 0.6), root + o + QPointF(lean, -height));
            p.setPen(QPen(blade, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(path);
        });
    }
    for (int i = 0; i < 12; ++i) {
        const QPointF at(random.range(0, size), random.range(0, size));
        const QColor petal = i % 3 ? QColor(250, 250, 240) : QColor(250, 220, 60);
        wrapped([&](const QPointF &o) {
            p.setPen(Qt::NoPen);
            p.setBrush(petal);
            for (int k = 0; k < 5; ++k) {
                const double a = k * 2 * M_PI / 5;
                p.drawEllipse(at + o + QPointF(1.3 * std::cos(a), 1.3 * std::sin(a)), 1.1, 1.1);
            }
            p.setBrush(QColor(230, 160, 20));
            p.drawEllipse(at + o, 0.9, 0.9);
        });
    }
    return img;
}

} // namespace

PictureList makeBackgrounds()
{
    return {{"B102", moquette()},     {"B287", metalGold()}, {"B296", moquetteFine()},
            {"B304", brickWall()},    {"B311", parquet()},   {"B324", meadow()}};
}

} // namespace assetgen
