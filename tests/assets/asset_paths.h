// Where the tests find the generated files, and the card sizes they are
// drawn for.
#pragma once

#include <QImage>
#include <QString>
#include <array>

namespace assets_test {

inline QString programDir()
{
    return QString::fromUtf8(VANTREL_PROGRAM_DIR);
}

struct Size {
    char letter;
    int width;
    int height;
};

inline constexpr std::array<Size, 3> kSizes{{{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}}};

inline bool hasColour(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                return true;
    return false;
}

// Share of pixels that differ between two pictures of the same size.
inline double differingShare(const QImage &a, const QImage &b)
{
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differ += a.pixel(x, y) != b.pixel(x, y);
    return double(differ) / (a.width() * a.height());
}

} // namespace assets_test
