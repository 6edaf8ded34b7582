// Small drawing helpers shared by the picture generators: suit shapes,
// supersampled painting and deterministic noise for textures.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>

class QPainter;

namespace assetgen {

enum class Suit { Hearts, Diamonds, Clubs, Spades };

// Suit outline filling the unit square (0,0)-(1,1), point up.
QPainterPath suitPath(Suit suit);
// The same path placed in a rectangle (keeps the shape's aspect), and the
// part of the rectangle it takes.
QPainterPath suitPathIn(Suit suit, const QRectF &box);
QRectF suitRectIn(const QRectF &box);
bool isRed(Suit suit);

// Paints with `draw` in design units (designWidth x designHeight) on a
// picture `factor` times larger than wanted, then scales it down smoothly:
// thin lines stay crisp at the small card sizes.
QImage supersample(int width, int height, double designWidth, double designHeight,
                   const std::function<void(QPainter &)> &draw, int factor = 4,
                   QImage::Format format = QImage::Format_RGB32);

// A font from the installed families, sized in pixels.
QFont pixelFont(const QString &family, int pixels, bool bold);

// Text centred on a point, drawn as a path so it scales with the painter;
// `narrow` below 1 squeezes it sideways (tight card corners).
void drawCentredText(QPainter &painter, const QString &text, const QPointF &centre,
                     const QFont &font, const QBrush &brush, double narrow = 1.0);

// The font families every picture is drawn with (fonts-dejavu-core).
inline const QString kSans = QStringLiteral("DejaVu Sans");
inline const QString kSerif = QStringLiteral("DejaVu Serif");
// Narrower digits, for the card corners (fonts-liberation2).
inline const QString kNarrowSans = QStringLiteral("Liberation Sans");

// Repeatable pseudo-random numbers (the same on every machine and run).
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
    uint32_t next();
    double unit();                        // [0, 1)
    double range(double low, double high) { return low + (high - low) * unit(); }
    int below(int n) { return int(next() % uint32_t(n)); }

private:
    uint32_t state_;
};

// Value noise on a lattice that repeats every periodX x periodY cells, so
// textures built from it tile without seams. Result in [0, 1].
double tileNoise(double x, double y, int periodX, int periodY, uint32_t seed);
// Sum of octaves of tileNoise; lattice and periods double each octave.
double tileFractal(double x, double y, int periodX, int periodY, int octaves, uint32_t seed);

QColor mix(const QColor &a, const QColor &b, double t);

} // namespace assetgen

namespace assetgen {
// Turns a picture with alpha into one with a transparent colour: nearly
// clear pixels become `key`, the rest are blended onto `matte` (the colour
// the picture usually sits on), so edges stay smooth without a fringe.
QImage keyedPicture(const QImage &withAlpha, const QColor &key, const QColor &matte);
}
