#include "card_edges.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

constexpr int kDepth = 9;
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlue = qRgb(0, 0, 255);

// Ordered dithering keeps the shadow a two-colour picture (black dots on
// the transparent white) that still reads as a soft gradient.
bool dot(int x, int y, double density)
{
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (bayer[y & 3][x & 3] + 0.5) / 16.0 < density;
}

// Darkest next to the card, fading to nothing at the shadow's depth.
double densityAt(double distance)
{
    return std::clamp(0.62 * (1.0 - distance / (kDepth - 1)), 0.0, 1.0);
}

QImage rightShadow(const CardSize &size)
{
    const int height = size.height - 7;
    QImage img(kDepth, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < kDepth; ++x) {
            const double fadeIn = std::min(1.0, (y + 1) / 6.0); // soft top end
            img.setPixel(x, y, dot(x, y, densityAt(x) * fadeIn) ? qRgb(0, 0, 0) : kWhite);
        }
    return img;
}

QImage bottomShadow(const CardSize &size)
{
    const int width = size.width + 1;
    const int cornerStart = size.width - 8; // first column right of the card
    QImage img(width, kDepth, QImage::Format_RGB32);
    for (int y = 0; y < kDepth; ++y)
        for (int x = 0; x < width; ++x) {
            double density;
            if (x >= cornerStart) // rounded outer corner
                density = densityAt(std::hypot(x - cornerStart + 0.5, y + 0.5));
            else
                density = densityAt(y) * std::min(1.0, (x + 1) / 6.0);
            img.setPixel(x, y, dot(x, y, density) ? qRgb(0, 0, 0) : kWhite);
        }
    return img;
}

QRgb layerColour(int layer)
{
    if (layer == 14)
        return qRgb(84, 84, 84); // outline of the bottom card
    return layer % 2 ? qRgb(172, 172, 172) : qRgb(238, 238, 238);
}

// `along` runs the length of the edge, `layer` across it; layer 14 is the
// bottom card, and each layer above starts one pixel earlier.
QImage stockEdge(int length, bool vertical, int cardLength)
{
    QImage img(vertical ? 15 : length, vertical ? length : 15, QImage::Format_RGB32);
    for (int layer = 0; layer < 15; ++layer)
        for (int along = 0; along < length; ++along) {
            const bool inside = along > layer && along <= layer + cardLength;
            const QRgb c = inside ? layerColour(layer) : kBlue;
            if (vertical)
                img.setPixel(layer, along, c);
            else
                img.setPixel(along, layer, c);
        }
    return img;
}

} // namespace

PictureList makeCardEdges()
{
    PictureList pictures;
    for (const CardSize &size : kCardSizes) {
        pictures.push_back({sizedName("SHADOW_", size, "1"), rightShadow(size)});
        pictures.push_back({sizedName("SHADOW_", size, "2"), bottomShadow(size)});
        pictures.push_back({sizedName("3D_BORDER_", size, "1"), stockEdge(size.height + 15, true, size.height)});
        pictures.push_back({sizedName("3D_BORDER_", size, "2"), stockEdge(size.width + 15, false, size.width)});
    }
    return pictures;
}

} // namespace assetgen
