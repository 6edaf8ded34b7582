// Images/: card backs at every size and background tiles without seams.
#include "asset_paths.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace assets_test;

namespace {

QImage loadBitmap(const QString &name)
{
    return QImage(programDir() + "/Images/" + name + ".bmp", "BMP");
}

// Mean colour distance between column a and column b (wrapping).
double columnStep(const QImage &img, int a, int b)
{
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = img.pixel(a, y), q = img.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / img.height();
}

double largestColumnStep(const QImage &img)
{
    double most = 0;
    for (int x = 0; x + 1 < img.width(); ++x)
        most = std::max(most, columnStep(img, x, x + 1));
    return most;
}

} // namespace

TEST(Images, EveryCardBackAtEverySize)
{
    for (const char *back : {"001", "003", "006", "011", "014", "019"})
        for (const Size &s : kSizes) {
            const QString name = QStringLiteral("D") + QChar::fromLatin1(s.letter) + back;
            const QImage image = loadBitmap(name);
            ASSERT_FALSE(image.isNull()) << name.toStdString() << ".bmp is missing or unreadable";
            EXPECT_EQ(image.size(), QSize(s.width, s.height)) << name.toStdString();
        }
}

TEST(Images, BackgroundsTileWithoutSeams)
{
    // Across the wrap-around edge a tile must change no more than between
    // some two neighbouring columns inside it (and likewise for rows): a
    // joint of bricks or planks may fall there, a break in the texture not.
    for (const char *number : {"102", "287", "296", "304", "311", "324"}) {
        const QImage tile = loadBitmap(QStringLiteral("B") + number);
        ASSERT_FALSE(tile.isNull()) << "B" << number << ".bmp is missing or unreadable";
        ASSERT_GE(tile.width(), 16);
        ASSERT_GE(tile.height(), 16);
        const QImage turned = tile.transformed(QTransform().rotate(90));
        for (const QImage &img : {tile, turned}) {
            const double seam = columnStep(img, img.width() - 1, 0);
            EXPECT_LE(seam, 1.05 * largestColumnStep(img) + 2) << "B" << number << " shows a seam";
        }
    }
}
