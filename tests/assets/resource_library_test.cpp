// QUIL.RGF: every picture the programs load by name, with its size and
// see-through colour.
#include "asset_paths.h"

#include <QResource>
#include <gtest/gtest.h>
#include <vector>

using namespace assets_test;

namespace {

class ResourceLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(QResource::registerResource(programDir() + "/QUIL.RGF")) << "cannot load QUIL.RGF";
    }
    static void TearDownTestSuite() { QResource::unregisterResource(programDir() + "/QUIL.RGF"); }

    static QImage load(const QString &name) { return QImage(":/" + name); }
};

struct Expected {
    QString name;
    int width;
    int height;
};

std::vector<Expected> sizedPictures()
{
    std::vector<Expected> all;
    for (const Size &s : kSizes) {
        const QString letter(QChar::fromLatin1(s.letter));
        for (const char *set : {"001", "002", "003"})
            for (const char *suit : {"H", "D", "C", "S"})
                all.push_back({"C" + letter + set + suit, s.width * 6, s.height * 4});
        for (int mark = 1; mark <= 22; ++mark)
            all.push_back({"W" + letter + QString::asprintf("%03d", mark), s.width, s.height});
        all.push_back({"SHADOW_" + letter + "1", 9, s.height - 7});
        all.push_back({"SHADOW_" + letter + "2", s.width + 1, 9});
        all.push_back({"3D_BORDER_" + letter + "1", 15, s.height + 15});
        all.push_back({"3D_BORDER_" + letter + "2", s.width + 15, 15});
    }
    return all;
}

const QStringList kTreePictures = {
    "TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5",
    "TREE5_CANFIELD_TYPE", "TREE5_FORTYTHIEVES_TYPE", "TREE5_FREECELL_TYPE", "TREE5_KLONDIKE_TYPE",
    "TREE5_PAIRING_TYPE", "TREE5_SIMPLEGAMES_TYPE", "TREE5_SPIDER_TYPE", "TREE5_1DECK_TYPE",
    "TREE5_2DECK_TYPE", "TREE5_FAN_TYPE", "TREE5_BAKERSDOZEN_TYPE", "TREE5_ROW_TYPE"};

const QStringList kIndicators = {
    "PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK", "PROG_DIFF_EASY", "PROG_DIFF_MEDIUM",
    "PROG_DIFF_HARD", "PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW",
    "PROG_CHAN_VERYLOW"};

const QStringList kToolbar = {"TB_NEW", "TB_OPEN", "TB_AUTOPLAY", "TB_AUTOPLAY_DIS", "TB_RULES", "TB_EXIT"};

QRect cell(const Size &s, int rank)
{
    return QRect((rank - 1) % 5 * s.width, (rank - 1) / 5 * s.height, s.width, s.height);
}

bool reddish(QRgb c)
{
    return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}

int redPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += reddish(image.pixel(x, y));
    return n;
}

} // namespace

TEST_F(ResourceLibrary, EveryCardSizedPictureHasItsSize)
{
    for (const Expected &e : sizedPictures()) {
        const QImage image = load(e.name);
        ASSERT_FALSE(image.isNull()) << e.name.toStdString() << " is missing";
        EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.name.toStdString();
    }
}

TEST_F(ResourceLibrary, FixedSizePicturesExist)
{
    for (const QString &name : kTreePictures)
        EXPECT_EQ(load(name).size(), QSize(16, 16)) << name.toStdString();
    for (const QString &name : kIndicators)
        EXPECT_EQ(load(name).size(), QSize(48, 13)) << name.toStdString();
    for (const QString &name : kToolbar) {
        EXPECT_EQ(load(name).size(), QSize(16, 16)) << name.toStdString();
        EXPECT_EQ(load(name + "_LARGE").size(), QSize(32, 32)) << name.toStdString();
    }
    for (const char *name : {"Color", "640x480", "SPLASH", "LOGO"})
        EXPECT_FALSE(load(name).isNull()) << name;
}

TEST_F(ResourceLibrary, TreePicturesAreSeeThroughRoundAPicture)
{
    const QRgb maroon = qRgb(128, 0, 0);
    for (const QString &name : kTreePictures) {
        const QImage icon = load(name).convertToFormat(QImage::Format_RGB32);
        int drawn = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                drawn += icon.pixel(x, y) != maroon;
        EXPECT_TRUE(hasColour(icon, maroon)) << name.toStdString() << " has no see-through colour";
        EXPECT_GT(drawn, 40) << name.toStdString() << " is nearly empty";
    }
}

TEST_F(ResourceLibrary, ShadowsAreBlackDotsOnWhite)
{
    for (const Size &s : kSizes)
        for (const char *edge : {"1", "2"}) {
            const QString name = QStringLiteral("SHADOW_") + QChar::fromLatin1(s.letter) + edge;
            const QImage shadow = load(name).convertToFormat(QImage::Format_RGB32);
            int black = 0, other = 0;
            for (int y = 0; y < shadow.height(); ++y)
                for (int x = 0; x < shadow.width(); ++x) {
                    const QRgb c = shadow.pixel(x, y) & 0xffffff;
                    black += c == 0;
                    other += c != 0 && c != 0xffffff;
                }
            EXPECT_EQ(other, 0) << name.toStdString() << " has colours besides black and see-through white";
            EXPECT_GT(black, shadow.width() * shadow.height() / 8) << name.toStdString() << " is too faint";
            // The far edge fades out to the table.
            const QPoint far = edge[0] == '1' ? QPoint(shadow.width() - 1, shadow.height() / 2)
                                              : QPoint(shadow.width() / 2, shadow.height() - 1);
            EXPECT_EQ(shadow.pixel(far) & 0xffffff, 0xffffffu) << name.toStdString();
        }
}

TEST_F(ResourceLibrary, StockEdgesDrawEveryLayerForAFullCardLength)
{
    // Layer j (14 = bottom card) is drawn for exactly one card length starting
    // at j + 1, and is see-through blue elsewhere, so a pile d layers thick
    // shows a bevelled block whatever d is.
    const QRgb blue = qRgb(0, 0, 255) & 0xffffff;
    for (const Size &s : kSizes) {
        const QImage right = load(QStringLiteral("3D_BORDER_") + QChar::fromLatin1(s.letter) + "1");
        const QImage bottom = load(QStringLiteral("3D_BORDER_") + QChar::fromLatin1(s.letter) + "2");
        for (int layer = 0; layer < 15; ++layer) {
            int rightDrawn = 0, bottomDrawn = 0;
            for (int along = 0; along < right.height(); ++along) {
                const bool drawn = (right.pixel(layer, along) & 0xffffff) != blue;
                EXPECT_EQ(drawn, along > layer && along <= layer + s.height)
                    << s.letter << " right edge, column " << layer << " row " << along;
                rightDrawn += drawn;
            }
            for (int along = 0; along < bottom.width(); ++along) {
                const bool drawn = (bottom.pixel(along, layer) & 0xffffff) != blue;
                EXPECT_EQ(drawn, along > layer && along <= layer + s.width)
                    << s.letter << " bottom edge, row " << layer << " column " << along;
                bottomDrawn += drawn;
            }
            ASSERT_EQ(rightDrawn, s.height) << s.letter << " column " << layer;
            ASSERT_EQ(bottomDrawn, s.width) << s.letter << " row " << layer;
        }
    }
}

TEST_F(ResourceLibrary, StockMarksCanBeToldApart)
{
    // No redeal left, redeal possible, and the closed stock must not be confused.
    for (const Size &s : kSizes) {
        const QString w = QStringLiteral("W") + QChar::fromLatin1(s.letter);
        const QImage none = load(w + "008"), again = load(w + "022"), closed = load(w + "021");
        EXPECT_GT(differingShare(none, again), 0.05) << s.letter;
        EXPECT_GT(differingShare(none, closed), 0.05) << s.letter;
        EXPECT_GT(differingShare(again, closed), 0.05) << s.letter;
    }
}

TEST_F(ResourceLibrary, BaseRankMarksAreAllDifferent)
{
    const int marks[] = {10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 6, 3, 11};
    for (const Size &s : kSizes)
        for (size_t i = 0; i < std::size(marks); ++i)
            for (size_t j = i + 1; j < std::size(marks); ++j) {
                const QString w = QStringLiteral("W") + QChar::fromLatin1(s.letter);
                EXPECT_GT(differingShare(load(w + QString::asprintf("%03d", marks[i])),
                                         load(w + QString::asprintf("%03d", marks[j]))),
                          0.01)
                    << s.letter << " marks " << marks[i] << " and " << marks[j];
            }
}

TEST_F(ResourceLibrary, FaceSheetsHoldThirteenDistinctCardsInTheirSuitColour)
{
    for (const Size &s : kSizes)
        for (const char *set : {"001", "002", "003"})
            for (const char *suit : {"H", "D", "C", "S"}) {
                const QString name = QStringLiteral("C") + QChar::fromLatin1(s.letter) + set + suit;
                const QImage sheet = load(name).convertToFormat(QImage::Format_RGB32);
                const bool red = suit[0] == 'H' || suit[0] == 'D';
                for (int rank = 1; rank <= 13; ++rank) {
                    const QImage card = sheet.copy(cell(s, rank));
                    if (rank > 1) {
                        EXPECT_GT(differingShare(card, sheet.copy(cell(s, rank - 1))), 0.005)
                            << name.toStdString() << " ranks " << rank - 1 << " and " << rank << " look alike";
                    }
                    if (rank <= 10) { // court cards carry both colours in their pictures
                        EXPECT_EQ(redPixels(card) > 10, red) << name.toStdString() << " rank " << rank;
                    }
                }
            }
}

TEST_F(ResourceLibrary, DisabledAutoplayDiffersFromEnabled)
{
    EXPECT_GT(differingShare(load("TB_AUTOPLAY"), load("TB_AUTOPLAY_DIS")), 0.05);
}
