#include "paint_kit.h"

#include <QFont>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

QPainterPath heartShape()
{
    QPainterPath p;
    p.moveTo(0.5, 0.97);
    p.cubicTo(0.16, 0.70, 0.0, 0.52, 0.0, 0.31);
    p.cubicTo(0.0, 0.13, 0.12, 0.02, 0.27, 0.02);
    p.cubicTo(0.38, 0.02, 0.46, 0.09, 0.5, 0.21);
    p.cubicTo(0.54, 0.09, 0.62, 0.02, 0.73, 0.02);
    p.cubicTo(0.88, 0.02, 1.0, 0.13, 1.0, 0.31);
    p.cubicTo(1.0, 0.52, 0.84, 0.70, 0.5, 0.97);
    p.closeSubpath();
    return p;
}

void addStem(QPainterPath &p)
{
    p.moveTo(0.5, 0.50);
    p.quadTo(0.53, 0.86, 0.74, 0.99);
    p.lineTo(0.26, 0.99);
    p.quadTo(0.47, 0.86, 0.5, 0.50);
    p.closeSubpath();
}

} // namespace

QPainterPath suitPath(Suit suit)
{
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Suit::Hearts:
        return heartShape();
    case Suit::Diamonds:
        p.moveTo(0.5, 0.0);
        p.quadTo(0.68, 0.28, 0.9, 0.5);
        p.quadTo(0.68, 0.72, 0.5, 1.0);
        p.quadTo(0.32, 0.72, 0.1, 0.5);
        p.quadTo(0.32, 0.28, 0.5, 0.0);
        p.closeSubpath();
        return p;
    case Suit::Spades: {
        // The heart turned over and lifted, on a flared stem.
        QTransform flip(1, 0, 0, -0.82, 0, 0.82);
        p = flip.map(heartShape());
        p.setFillRule(Qt::WindingFill);
        addStem(p);
        return p.simplified();
    }
    case Suit::Clubs:
        p.addEllipse(QPointF(0.5, 0.25), 0.23, 0.23);
        p.addEllipse(QPointF(0.25, 0.58), 0.23, 0.23);
        p.addEllipse(QPointF(0.75, 0.58), 0.23, 0.23);
        p.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
        addStem(p);
        return p.simplified();
    }
    return p;
}

QRectF suitRectIn(const QRectF &box)
{
    // Suits are a little taller than wide; keep that inside any box.
    const double aspect = 0.86;
    double w = box.width(), h = box.height();
    if (w > h * aspect)
        w = h * aspect;
    else
        h = w / aspect;
    return QRectF(box.center().x() - w / 2, box.center().y() - h / 2, w, h);
}

QPainterPath suitPathIn(Suit suit, const QRectF &box)
{
    const QRectF r = suitRectIn(box);
    QTransform t;
    t.translate(r.left(), r.top());
    t.scale(r.width(), r.height());
    return t.map(suitPath(suit));
}

bool isRed(Suit suit)
{
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}

QImage supersample(int width, int height, double designWidth, double designHeight,
                   const std::function<void(QPainter &)> &draw, int factor, QImage::Format format)
{
    QImage big(width * factor, height * factor, format);
    big.fill(format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_ARGB32
                 ? Qt::transparent
                 : Qt::white);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(width * factor / designWidth, height * factor / designHeight);
        draw(painter);
    }
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

void drawCentredText(QPainter &painter, const QString &text, const QPointF &centre,
                     const QFont &font, const QBrush &brush, double narrow)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    path = QTransform::fromScale(narrow, 1).map(path);
    const QRectF bounds = path.boundingRect();
    path.translate(centre - bounds.center());
    painter.fillPath(path, brush);
}

uint32_t Random::next()
{
    // xorshift32: tiny, fast, identical everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Random::unit()
{
    return (next() >> 8) / double(1u << 24);
}

namespace {

double lattice(int x, int y, int periodX, int periodY, uint32_t seed)
{
    x = ((x % periodX) + periodX) % periodX;
    y = ((y % periodY) + periodY) % periodY;
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0xffffff);
}

double smooth(double t)
{
    return t * t * (3 - 2 * t);
}

} // namespace

double tileNoise(double x, double y, int periodX, int periodY, uint32_t seed)
{
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = smooth(x - x0), fy = smooth(y - y0);
    const double top = lattice(x0, y0, periodX, periodY, seed) * (1 - fx) + lattice(x0 + 1, y0, periodX, periodY, seed) * fx;
    const double bottom =
        lattice(x0, y0 + 1, periodX, periodY, seed) * (1 - fx) + lattice(x0 + 1, y0 + 1, periodX, periodY, seed) * fx;
    return top * (1 - fy) + bottom * fy;
}

double tileFractal(double x, double y, int periodX, int periodY, int octaves, uint32_t seed)
{
    double sum = 0, weight = 0, amplitude = 1;
    for (int o = 0; o < octaves; ++o) {
        const double scale = double(1 << o);
        sum += amplitude * tileNoise(x * scale, y * scale, periodX << o, periodY << o, seed + uint32_t(o) * 101);
        weight += amplitude;
        amplitude *= 0.5;
    }
    return sum / weight;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace assetgen

namespace assetgen {

QImage keyedPicture(const QImage &withAlpha, const QColor &key, const QColor &matte)
{
    const QImage src = withAlpha.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 100) {
                dst[x] = key.rgb();
                continue;
            }
            auto blend = [a](int c, int m) { return (c * a + m * (255 - a)) / 255; };
            QRgb c = qRgb(blend(qRed(in[x]), matte.red()), blend(qGreen(in[x]), matte.green()),
                          blend(qBlue(in[x]), matte.blue()));
            if (c == key.rgb()) // a drawn pixel must never read as see-through
                c = qRgb(qRed(c), qGreen(c), qBlue(c) ^ 1);
            dst[x] = c;
        }
    }
    return out;
}

} // namespace assetgen
