// Cards and backs: the rounded corners, the silver of a card on a stack,
// the faces of the second deck, and what is never drawn.
#include "view_qt/drawing_support.h"

namespace vantrel::test {
namespace {

TEST(CardCorners, TopCornersKeepTheTargetBottomCornersComeFromTheCleanBackground) {
    SyntheticTable t;
    t.drawing.pictures().drawCard(5, 40, 50, false, Target::Table);
    const QImage& img = t.canvas.table;
    EXPECT_EQ(at(img, 50, 60), faceColour(5));
    // Top-left corner pixel and its two neighbours, top-right likewise.
    for (auto [x, y] : {std::pair{40, 50}, {41, 50}, {40, 51}, {59, 50}, {58, 50}, {59, 51}})
        EXPECT_EQ(at(img, x, y), TableColour) << x << "," << y;
    for (auto [x, y] : {std::pair{40, 79}, {41, 79}, {40, 78}, {59, 79}, {58, 79}, {59, 78}})
        EXPECT_EQ(at(img, x, y), CleanColour) << x << "," << y;
    // Only three pixels per corner are cut.
    EXPECT_EQ(at(img, 41, 51), faceColour(5));
    EXPECT_EQ(at(img, 42, 50), faceColour(5));
    EXPECT_EQ(at(img, 58, 78), faceColour(5));
}

TEST(CardCorners, OnAStackTheBottomRightCornerIsSilver) {
    SyntheticTable t;
    t.drawing.pictures().drawCard(1, 40, 50, true, Target::Table);
    const QImage& img = t.canvas.table;
    for (auto [x, y] : {std::pair{59, 79}, {58, 79}, {59, 78}}) EXPECT_EQ(at(img, x, y), StackSilver);
    for (auto [x, y] : {std::pair{40, 79}, {41, 79}, {40, 78}}) EXPECT_EQ(at(img, x, y), CleanColour);
}

TEST(CardCorners, TheTablePictureIsAddressedWithTheScrollPosition) {
    SyntheticTable t;
    t.canvas.scroll = 20;
    QImage marked = filled(330, 230, CleanColour);
    marked.setPixel(40, 20 + 79, qRgb(9, 9, 9));
    t.canvas.background = BackgroundLook::single(marked, CleanColour, marked.size());
    t.drawing.pictures().drawCard(2, 40, 50, false, Target::Table);
    EXPECT_EQ(at(t.canvas.table, 45, 75), faceColour(2));
    EXPECT_EQ(at(t.canvas.table, 40, 99), qRgb(9, 9, 9));
    t.canvas.overlay();
    t.drawing.pictures().drawCard(3, 40, 50, false, Target::Window);
    EXPECT_EQ(at(t.canvas.shown(), 45, 55), faceColour(3));
    EXPECT_EQ(at(t.canvas.shown(), 40, 79), qRgb(9, 9, 9));
    EXPECT_EQ(t.canvas.bottomTracker, 50 + 30 + 20);
}

TEST(CardCorners, SecondDeckUsesTheFirstDecksFaces) {
    SyntheticTable t;
    t.drawing.pictures().drawCard(53, 0, 0, false, Target::Table);
    EXPECT_EQ(at(t.canvas.table, 10, 10), faceColour(1));
    t.drawing.pictures().drawCard(104, 100, 0, false, Target::Table);
    EXPECT_EQ(at(t.canvas.table, 110, 10), faceColour(52));
}

TEST(CardCorners, NothingIsDrawnForNoCardOrAnUnplacedPosition) {
    SyntheticTable t;
    const QImage before = t.canvas.table.copy();
    t.drawing.pictures().drawCard(0, 10, 10, false, Target::Table);
    t.drawing.pictures().drawCard(-3, 10, 10, false, Target::Table);
    t.drawing.pictures().drawCard(105, 10, 10, false, Target::Table);
    t.drawing.pictures().drawCard(7, UnplacedTableau, 10, false, Target::Table);
    t.drawing.pictures().drawBack(10, UnplacedStock, 30, false, Target::Table);
    t.drawing.pictures().drawEmptyPileMark(6, UnplacedTableau, 10, Target::Table, 0);
    EXPECT_EQ(t.canvas.table, before);
    EXPECT_EQ(t.canvas.bottomTracker, 0);
}

TEST(CardCorners, BackIsCutToTheGivenHeightWithItsCornersThere) {
    SyntheticTable t;
    t.drawing.pictures().drawBack(10, 10, 12, false, Target::Table);
    const QImage& img = t.canvas.table;
    EXPECT_EQ(at(img, 15, 21), BackColour);
    EXPECT_EQ(at(img, 15, 22), TableColour);
    EXPECT_EQ(at(img, 10, 21), CleanColour);  // bottom-left corner of the cut
}

TEST(CardCorners, InvertFlipsTheCardAndRestoresItsCornersOnBothPictures) {
    SyntheticTable t;
    t.canvas.overlay();
    t.drawing.pictures().drawCard(9, 10, 10, false, Target::Table);
    const QRect card(10, 10, 20, 30);
    t.drawing.pictures().invertRect(Target::Table, card);
    EXPECT_EQ(at(t.canvas.table, 20, 20), faceColour(9) ^ 0x00FFFFFF);
    EXPECT_EQ(at(t.canvas.table, 10, 10), CleanColour);
    EXPECT_EQ(at(t.canvas.shown(), 29, 39), CleanColour);
    EXPECT_EQ(at(t.canvas.shown(), 20, 20), TableColour);  // the window was not the target
}

TEST(CardCorners, RestoreRectangleAndPeekTakeBackWhatWasThere) {
    SyntheticTable t;
    t.drawing.pictures().drawCard(9, 10, 10, false, Target::Table);
    t.canvas.overlay();
    t.drawing.pictures().drawCard(9, 10, 10, false, Target::Window);
    t.drawing.pictures().restoreRect(QRect(10, 10, 20, 30));
    EXPECT_EQ(at(t.canvas.table, 20, 20), CleanColour);
    EXPECT_EQ(at(t.canvas.shown(), 20, 20), CleanColour);

    t.drawing.pictures().drawCard(4, 100, 10, false, Target::Window);
    t.canvas.peekRect = QRect(100, 10, 20, 30);
    t.drawing.pictures().removePeekCard();
    EXPECT_EQ(at(t.canvas.shown(), 110, 20), TableColour);
    EXPECT_FALSE(t.canvas.peekRect.has_value());
}

}  // namespace
}  // namespace vantrel::test
