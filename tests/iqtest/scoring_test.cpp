#include "scoring.h"

#include <gtest/gtest.h>

using namespace iq;

TEST(Scoring, PercentScoresOfFifteenItems)
{
    const int expected[] = {0, 6, 13, 20, 26, 33, 40, 46, 53, 60, 66, 73, 80, 86, 93, 100};
    for (int correct = 0; correct <= 15; ++correct)
        EXPECT_EQ(percentScore(correct, 15), expected[correct]) << correct << " correct";
    EXPECT_EQ(percentScore(3, 0), 0);
}

TEST(Scoring, AgeBrackets)
{
    const struct { int age; int tenths; } cases[] = {
        {4, 13}, {12, 13}, {13, 12}, {15, 12}, {16, 11}, {18, 11}, {19, 10},
        {29, 10}, {30, 11}, {49, 11}, {50, 12}, {99, 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ageFactorTenths(c.age), c.tenths) << "age " << c.age;
    EXPECT_EQ(applyAgeFactor(60, 12), 78);
    EXPECT_EQ(applyAgeFactor(100, 60), 120);
    EXPECT_EQ(applyAgeFactor(93, 25), 93);
    EXPECT_EQ(applyAgeFactor(6, 40), 6);  // floor(6.6)
    EXPECT_EQ(applyAgeFactor(100, 10), 130);
}

TEST(Scoring, BandBoundariesFallIntoNeighbouringBands)
{
    const struct { int low; int high; int lowRow; } edges[] = {
        {8, 9, 8}, {18, 19, 7}, {29, 30, 6}, {42, 43, 5}, {57, 58, 4}, {69, 70, 3}, {81, 82, 2}, {91, 92, 1},
    };
    for (const auto& e : edges) {
        EXPECT_EQ(bandRow(e.low), e.lowRow) << e.low;
        EXPECT_EQ(bandRow(e.high), e.lowRow - 1) << e.high;
    }
    EXPECT_EQ(bandRow(0), 8);
    EXPECT_EQ(bandRow(130), 0);
    EXPECT_EQ(bands()[0].text, QStringLiteral("140 a více"));
    EXPECT_EQ(bands()[8].text, QStringLiteral("69 a méně"));
}

TEST(Scoring, SharesAddUpToAHundredPercent)
{
    double total = 0;
    for (const Band& band : bands())
        total += QString(band.share).remove(u'%').replace(u',', u'.').toDouble();
    EXPECT_DOUBLE_EQ(total, 100.0);
}

TEST(Scoring, BarPositionsOfTheBandLimits)
{
    const struct { int iq; int pixels; } cases[] = {
        {69, 49}, {70, 53}, {79, 90}, {80, 94}, {89, 131}, {90, 135}, {99, 171}, {100, 176}, {109, 212},
        {110, 216}, {119, 253}, {120, 257}, {129, 294}, {130, 298}, {139, 335}, {140, 339}, {152, 388},
        {57, 0}, {153, 393},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spocitejpolohu(c.iq), c.pixels) << "IQ " << c.iq;
}

TEST(Scoring, LeadingNumberOfTheAgeText)
{
    EXPECT_EQ(leadingNumber(QString()), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("25")), 25);
    EXPECT_EQ(leadingNumber(QStringLiteral("07")), 7);
    EXPECT_EQ(leadingNumber(QStringLiteral(" 4x")), 4);
    EXPECT_EQ(leadingNumber(QStringLiteral("x4")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("99999999999")), 32767);
}
