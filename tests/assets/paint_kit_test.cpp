// The generator's building blocks: tiling noise, see-through conversion,
// suit shapes and the wave writer.
#include "paint_kit.h"
#include "sounds.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace assetgen;

TEST(PaintKit, NoiseRepeatsWithItsPeriodOnBothAxes)
{
    for (const auto &[px, py] : {std::pair{8, 64}, std::pair{16, 16}, std::pair{4, 128}})
        for (double x = -3.3; x < 20; x += 1.7)
            for (double y = -2.1; y < 20; y += 2.3) {
                const double here = tileFractal(x, y, px, py, 3, 7);
                EXPECT_NEAR(tileFractal(x + px, y, px, py, 3, 7), here, 1e-9);
                EXPECT_NEAR(tileFractal(x, y + py, px, py, 3, 7), here, 1e-9);
                EXPECT_GE(here, 0.0);
                EXPECT_LE(here, 1.0);
            }
}

TEST(PaintKit, NoiseVariesAndDependsOnTheSeed)
{
    double low = 1, high = 0;
    int differ = 0;
    for (int i = 0; i < 64; ++i) {
        const double v = tileNoise(i * 0.37, i * 0.61, 16, 16, 1);
        low = std::min(low, v);
        high = std::max(high, v);
        differ += std::abs(v - tileNoise(i * 0.37, i * 0.61, 16, 16, 2)) > 1e-6;
    }
    EXPECT_GT(high - low, 0.3);
    EXPECT_GT(differ, 50);
}

TEST(PaintKit, KeyedPictureKeepsDrawnPixelsOffTheKey)
{
    const QColor key(128, 0, 0);
    QImage art(4, 1, QImage::Format_ARGB32);
    art.setPixel(0, 0, qRgba(0, 0, 0, 0));       // clear
    art.setPixel(1, 0, qRgba(128, 0, 0, 255));   // drawn in exactly the key colour
    art.setPixel(2, 0, qRgba(0, 0, 255, 255));   // solid
    art.setPixel(3, 0, qRgba(0, 0, 0, 128));     // half-covered edge
    const QImage keyed = keyedPicture(art, key, Qt::white);
    EXPECT_EQ(keyed.pixel(0, 0), key.rgb());
    EXPECT_NE(keyed.pixel(1, 0), key.rgb());
    EXPECT_EQ(keyed.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(qRed(keyed.pixel(3, 0)), 127); // blended onto the white matte
}

TEST(PaintKit, SuitsFillTheirBoxAndNoMore)
{
    for (Suit suit : {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades}) {
        const QRectF box(10, 20, 30, 40);
        const QRectF bounds = suitPathIn(suit, box).boundingRect();
        EXPECT_TRUE(box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(bounds)) << int(suit);
        EXPECT_GT(bounds.width() * bounds.height(), box.width() * box.height() * 0.5) << int(suit);
    }
    EXPECT_TRUE(isRed(Suit::Hearts) && isRed(Suit::Diamonds));
    EXPECT_FALSE(isRed(Suit::Clubs) || isRed(Suit::Spades));
}

TEST(PaintKit, WaveFileHeaderAndClipping)
{
    const QByteArray wav = wavFile({0.f, 0.5f, -1.f, 2.f, -3.f});
    ASSERT_EQ(wav.size(), 44 + 10);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 24), quint32(kSampleRate));
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), 10u);
    const char *data = wav.constData() + 44;
    EXPECT_EQ(qFromLittleEndian<qint16>(data + 2), 16384);
    EXPECT_EQ(qFromLittleEndian<qint16>(data + 4), -32767);
    EXPECT_EQ(qFromLittleEndian<qint16>(data + 6), 32767);  // clipped, not wrapped
    EXPECT_EQ(qFromLittleEndian<qint16>(data + 8), -32767);
}
