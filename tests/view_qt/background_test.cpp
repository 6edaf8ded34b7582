// Background rules: which one wins, pictures drawn once or tiled, the
// fallback colour, the fade's bands and the missing customized picture.
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>

#include "view_qt/drawing_support.h"

namespace vantrel::test {
namespace {

// A program folder holding Images/B499.bmp and Images/B500.bmp: a 10 x 10
// picture, red on its top-left pixel and blue elsewhere.
struct PictureFolder {
    PictureFolder() {
        QDir(dir.path()).mkpath("Images");
        QImage pic(10, 10, QImage::Format_RGB32);
        pic.fill(qRgb(0, 0, 255));
        pic.setPixel(0, 0, qRgb(255, 0, 0));
        for (const char* name : {"B499", "B500"})
            pic.save(dir.path() + "/Images/" + name + ".bmp");
        pic.save(dir.path() + "/custom.bmp");
    }
    std::string folder() const { return dir.path().toStdString() + "/"; }
    QTemporaryDir dir;
};

QImage painted(StateRecord& state, FolderHost& host, bool scrollBar = false, QSize size = {60, 40}) {
    QImage img(size, TableCanvas::Format);
    img.fill(qRgb(1, 1, 1));
    paintBackground(img, state, host, scrollBar);
    return img;
}

TEST(Background, DefaultGreenDependsOnTheColourDepth) {
    StateRecord s;
    s.write(field::Background_def, "Y");
    FolderHost host("/none/");
    EXPECT_EQ(at(painted(s, host), 5, 5), qRgb(0, 96, 0));
    host.rich = false;
    EXPECT_EQ(at(painted(s, host), 5, 5), qRgb(0, 128, 0));
}

TEST(Background, Picture500IsDrawnOncePicture499IsTiled) {
    PictureFolder pf;
    FolderHost host(pf.folder());
    StateRecord s;
    s.write(field::Background_Col, 0LL);  // plain black around a single picture
    s.write(field::Background_bmp, 500);
    QImage once = painted(s, host);
    EXPECT_EQ(at(once, 0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(at(once, 5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(at(once, 10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(at(once, 20, 0), qRgb(0, 0, 0));

    s.write(field::Background_bmp, 499);
    QImage tiled = painted(s, host);
    for (auto [x, y] : {std::pair{10, 0}, {0, 10}, {50, 30}}) EXPECT_EQ(at(tiled, x, y), qRgb(255, 0, 0));
    EXPECT_EQ(at(tiled, 59, 39), qRgb(0, 0, 255));
    EXPECT_EQ(host.loaded, (std::vector<std::string>{"B500", "B499"}));
}

TEST(Background, FixedColourZeroFallsBackToTheBackgroundColour) {
    FolderHost host("/none/");
    StateRecord s;
    s.write(field::Background_Col, 0x00402010);  // blue 0x40, green 0x20, red 0x10
    s.write(field::Background_Fixed_Col, 0);
    EXPECT_EQ(at(painted(s, host), 3, 3), qRgb(0x10, 0x20, 0x40));
    s.write(field::Background_Fixed_Col, 0x000000FF);
    EXPECT_EQ(at(painted(s, host), 3, 3), qRgb(255, 0, 0));
}

TEST(Background, SystemColoursComeFromThePalette) {
    const QColor face = colourFromValue(-2147483633LL);  // button face
    EXPECT_EQ(face, QGuiApplication::palette().color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(colourFromValue(0x8000000DLL), QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(colourFromValue(0x00FF00), QColor(0, 255, 0));
}

TEST(Background, FadeRunsFromTheColourAtTheTopToBlackAtTheBottom) {
    FolderHost host("/none/");
    StateRecord s;
    s.write(field::Background_Col, 0x00FF8040);  // red 0x40, green 0x80, blue 0xFF
    s.write(field::Fade_Background, "Y");
    // 511 rows + 1: every band two rows high.
    const QImage img = painted(s, host, false, {20, 511});
    EXPECT_EQ(at(img, 0, 0), qRgb(0x40 * 255 / 256, 0x80 * 255 / 256, 0xFF * 255 / 256));
    EXPECT_EQ(at(img, 19, 1), at(img, 0, 0));
    EXPECT_EQ(at(img, 0, 2), qRgb(0x40 * 254 / 256, 0x80 * 254 / 256, 0xFF * 254 / 256));
    EXPECT_EQ(at(img, 0, 510), qRgb(0, 0, 0));  // band 0 holds rows 510 and 511

    host.rich = false;  // 256 colours: plain
    EXPECT_EQ(at(painted(s, host, false, {20, 511}), 0, 510), qRgb(0x40, 0x80, 0xFF));
}

TEST(Background, FadeBandsCoverTheAreaExactly) {
    // Every band is painted and none leaves a row: the bands of an area of
    // any height end exactly at its bottom.
    for (int height : {100, 255, 256, 257, 700, 1000}) {
        QImage img(4, height + 5, TableCanvas::Format);
        img.fill(qRgb(1, 2, 3));
        fadeFill(img, QColor(255, 255, 255), 4, height);
        for (int y = 0; y < height; ++y) ASSERT_NE(at(img, 0, y), qRgb(1, 2, 3)) << height << " row " << y;
        EXPECT_EQ(at(img, 0, height), qRgb(1, 2, 3)) << height;
        EXPECT_EQ(at(img, 0, height - 1), qRgb(0, 0, 0)) << height;
        // From 256 rows on every band has a row and the top one starts at 0.
        if (height >= 256) EXPECT_EQ(at(img, 0, 0), qRgb(254, 254, 254)) << height;
    }
}

TEST(Background, FadeAreaGrowsWithTheScrollBar) {
    FolderHost host("/none/");
    StateRecord s;
    s.write(field::Background_Col, 0x00FFFFFF);
    s.write(field::Fade_Background, "Y");
    // With the scroll bar the bands run 80 rows past the picture: the last
    // row is no longer black.
    EXPECT_EQ(at(painted(s, host, false, {8, 300}), 0, 299), qRgb(0, 0, 0));
    EXPECT_NE(at(painted(s, host, true, {8, 300}), 0, 299), qRgb(0, 0, 0));
}

TEST(Background, APartOfTheTableFadesAsTheTopOfTheWhole) {
    // The table picture may keep only the window's rows; the fade is still
    // measured on the whole table's height.
    FolderHost host("/none/");
    StateRecord s;
    s.write(field::Background_Col, 0x00FFFFFF);
    s.write(field::Fade_Background, "Y");
    const QImage whole = painted(s, host, false, {8, 300});
    QImage part(8, 120, TableCanvas::Format);
    backgroundLook(s, host, false, part.size(), 300).paint(part, QPoint(0, 0), part.rect());
    EXPECT_EQ(part, whole.copy(0, 0, 8, 120));
}

TEST(Background, MissingCustomizedPictureIsReportedAndSwitchedOff) {
    PictureFolder pf;
    FolderHost host(pf.folder());
    StateRecord s;
    s.write(field::Customized_Background, "Y");
    s.write(field::Background_Col, 0x000000FF);
    host.customPath = pf.folder() + "missing.bmp";
    EXPECT_EQ(at(painted(s, host), 1, 1), qRgb(255, 0, 0));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0], "Customized background image not found: " + host.customPath);
    EXPECT_EQ(s.read(field::Customized_Background), "N");

    s.write(field::Customized_Background, "Y");
    host.customPath = pf.folder() + "custom.bmp";
    const QImage img = painted(s, host);
    EXPECT_EQ(at(img, 10, 10), qRgb(255, 0, 0));  // tiled
    EXPECT_EQ(host.boxes.size(), 1u);
}

TEST(Background, AnyRectanglePaintsWhatTheWholeBackgroundHoldsThere) {
    // Repairs paint small rectangles, at other places than they come from
    // and clipped at the table's edges.
    QImage tile(7, 5, TableCanvas::Format);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) tile.setPixel(x, y, qRgb(x * 30, y * 40, 9));
    const QSize area(40, 30);
    const BackgroundLook looks[] = {BackgroundLook::plain(qRgb(1, 2, 3), area), BackgroundLook::tiled(tile, area),
                                    BackgroundLook::single(tile, qRgb(4, 5, 6), area),
                                    BackgroundLook::faded(QColor(200, 100, 50), 31, area)};
    for (size_t k = 0; k < std::size(looks); ++k) {
        QImage whole(area, TableCanvas::Format);
        looks[k].paint(whole, QPoint(0, 0), whole.rect());
        for (const QRect from : {QRect(3, 2, 9, 6), QRect(-4, 25, 20, 10), QRect(33, 0, 7, 30)}) {
            QImage part(50, 50, TableCanvas::Format);
            part.fill(qRgb(7, 7, 7));
            looks[k].paint(part, QPoint(5, 8), from);
            const QRect inside = from.intersected(QRect(QPoint(0, 0), area));
            const QPoint shift = QPoint(5, 8) - from.topLeft();
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    ASSERT_EQ(at(part, x + shift.x(), y + shift.y()), at(whole, x, y)) << k << " at " << x << "," << y;
                    ASSERT_EQ(looks[k].pixel({x, y}) | 0xFF000000, at(whole, x, y)) << k;
                }
            EXPECT_EQ(at(part, 4, 7), qRgb(7, 7, 7)) << k;  // nothing outside
        }
        EXPECT_EQ(looks[k].pixel({40, 0}, 11), 11u) << k;
    }
}

}  // namespace
}  // namespace vantrel::test
