// The stock as a thick block, the drag picture's steps and shadows, and
// repainting a pile after cards were lifted from it.
#include "view_qt/drawing_support.h"

namespace vantrel::test {
namespace {

void fillPile(SyntheticTable& t, PileGroup g, int entry, int cards, char face) {
    for (int c = 1; c <= cards; ++c) appendCard(t.game.piles, t.game.cards, g, entry, c, face);
}

struct StockTable : SyntheticTable {
    StockTable() {
        game.params.set(7, 1);
        game.positions.set(PileGroup::Stock, StockEntry, 100, 50);
        LayoutResult r;
        r.stockCopies[StockEntry] = {100, 50, 50};
        drawing.piles().setLayout(r);
    }
};

TEST(StockThickness, GrowsOnePixelPerSevenCards) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {6, 1}, {7, 2}, {13, 2}, {14, 3}, {104, 15}};
    for (auto [cards, d] : cases) EXPECT_EQ(PileDrawing::stockThickness(cards), d) << cards;
}

TEST(StockThickness, FourteenCardsAreDrawnThreePixelsUpAndLeft) {
    StockTable t;
    fillPile(t, PileGroup::Stock, StockEntry, 14, '0');
    t.drawing.piles().drawFoundationsAndStock(Target::Table);
    EXPECT_EQ(t.game.positions.x(PileGroup::Stock, StockEntry), 97);
    EXPECT_EQ(t.game.positions.y(PileGroup::Stock, StockEntry), 47);
    const QImage& img = t.canvas.table;
    EXPECT_EQ(at(img, 98, 48), BackColour);
    EXPECT_EQ(at(img, 96, 60), CleanColour);    // the strip left of the block is cleaned
    EXPECT_EQ(at(img, 116, 60), BackColour);     // top card's right column
    EXPECT_EQ(at(img, 117, 60), qRgb(1, 2, 3));  // stock edge
    EXPECT_EQ(at(img, 119, 79), qRgb(1, 2, 3));
    EXPECT_EQ(at(img, 120, 60), TableColour);
    // Bottom-right corner of the top card shows the block, bottom-left the table.
    EXPECT_EQ(at(img, 116, 76), StackSilver);
    EXPECT_EQ(at(img, 97, 76), CleanColour);

    // Unchanged thickness draws nothing unless forced.
    EXPECT_FALSE(t.drawing.piles().drawStockThickness(StockEntry, Target::Table, false));
    t.game.piles.stock[StockEntry].resize(3 * 6);
    EXPECT_TRUE(t.drawing.piles().drawStockThickness(StockEntry, Target::Table, false));
    EXPECT_EQ(t.game.positions.x(PileGroup::Stock, StockEntry), 99);
}

TEST(StockThickness, EmptyStockShowsItsMarkAtHome) {
    StockTable t;
    t.game.params.set(13, 1);
    t.game.play.stockPass = 1;
    t.drawing.piles().drawFoundationsAndStock(Target::Table);
    EXPECT_EQ(at(t.canvas.table, 100, 50), markColour(8));
}

struct DragTable : SyntheticTable {
    DragTable() {
        drawing.drag().buildDragCard(7);
        drawing.drag().moveDragPicture(50, 50, false, false);
    }
};

TEST(DragPicture, LessThanOnePixelRepaintsNothing) {
    DragTable t;
    int notes = 0;
    t.canvas.windowChanged = [&notes](const QRect&) { ++notes; };
    const QImage before = t.canvas.shown();
    EXPECT_FALSE(t.drawing.drag().moveDragPicture(50, 50, false, false));
    EXPECT_EQ(t.canvas.shown(), before);
    EXPECT_EQ(notes, 0);
}

TEST(DragPicture, StepRestoresOnlyWhatTheBlockUncoversAndDrawsTheShadow) {
    DragTable t;
    t.canvas.table.setPixel(52, 52, qRgb(5, 6, 7));  // a mark that only the table picture holds
    t.canvas.table.setPixel(70, 80, qRgb(5, 6, 7));  // under the new place: must stay unseen
    ASSERT_TRUE(t.drawing.drag().moveDragPicture(55, 55, false, false));
    const QImage w = t.canvas.shown();
    EXPECT_EQ(at(w, 52, 52), qRgb(5, 6, 7));
    EXPECT_EQ(at(w, 70, 80), faceColour(7));
    EXPECT_EQ(at(w, 65, 70), faceColour(7));
    // The shadow pictures are empty here; the two inner-corner pixels are black.
    EXPECT_EQ(at(w, 74, 83), qRgb(0, 0, 0));
    EXPECT_EQ(at(w, 73, 84), qRgb(0, 0, 0));
    EXPECT_EQ(at(t.canvas.table, 65, 70), TableColour);  // not dropped
}

TEST(DragPicture, DropStampsTheTablePictureWithoutShadowWhenShadowsAreOff) {
    DragTable t;
    t.game.state.write(field::Cards_Shadowed, "N");
    ASSERT_TRUE(t.drawing.drag().moveDragPicture(100, 20, true, true));
    EXPECT_EQ(at(t.canvas.table, 110, 30), faceColour(7));
    EXPECT_EQ(at(t.canvas.table, 100, 20), TableColour);  // corner from the table picture
    EXPECT_EQ(at(t.canvas.shown(), 119, 48), TableColour);  // no shadow pixel
}

TEST(DragPicture, TallBlockGetsADitheredShadow) {
    SyntheticTable t;
    t.game.params.set(3, 1);
    t.game.params.set(262, 1);
    FanSteps steps = t.drawing.piles().fanSteps();
    steps.downFaceUp = 5;
    t.drawing.piles().setFanSteps(steps);
    t.game.positions.set(PileGroup::Tableau, 0, 10, 10);
    fillPile(t, PileGroup::Tableau, 0, 3, '1');
    t.drawing.drag().buildDragPicture({PileGroup::Tableau, 0}, 0);
    ASSERT_EQ(t.drawing.drag().picture().size(), QSize(20, 40));
    t.drawing.drag().moveDragPicture(100, 100, false, false);
    const QImage w = t.canvas.shown();
    EXPECT_EQ(at(w, 100, 100), CleanColour);  // block corner from the clean background
    EXPECT_EQ(at(w, 110, 107), faceColour(2));
    // Columns right of the block: from 7 (even) or 8 (odd) below its top, every second pixel.
    EXPECT_EQ(at(w, 120, 107), qRgb(0, 0, 0));
    EXPECT_EQ(at(w, 120, 108), TableColour);
    EXPECT_EQ(at(w, 121, 108), qRgb(0, 0, 0));
    EXPECT_EQ(at(w, 126, 109), qRgb(0, 0, 0));  // last column starts 2 lower
    EXPECT_EQ(at(w, 126, 107), TableColour);
    // Rows under it: from 8 (or 9) right of its left edge.
    EXPECT_EQ(at(w, 108, 140), qRgb(0, 0, 0));
    EXPECT_EQ(at(w, 109, 141), qRgb(0, 0, 0));
    EXPECT_EQ(at(w, 107, 140), TableColour);
}

TEST(LiftCards, PileIsRepaintedFromTheCleanBackgroundAndItsTopCardRedrawn) {
    SyntheticTable t;
    t.game.params.set(3, 1);
    t.game.params.set(262, 2);
    FanSteps steps = t.drawing.piles().fanSteps();
    steps.downFaceUp = 5;
    t.drawing.piles().setFanSteps(steps);
    t.game.positions.set(PileGroup::Tableau, 0, 10, 10);
    t.game.positions.set(PileGroup::Tableau, 1, 200, 10);
    fillPile(t, PileGroup::Tableau, 0, 3, '1');
    t.drawing.piles().redrawPile("Fila1", Target::Table, false);
    ASSERT_EQ(at(t.canvas.table, 20, 45), faceColour(3));  // third card, at y 20..49
    const std::string before = t.game.piles.tableau[0];
    t.drawing.drag().buildDragPicture({PileGroup::Tableau, 0}, 2);
    const std::string after = before.substr(0, 6);
    t.drawing.flights().liftCardsFromPile(before, after, 10, Target::Table, "Fila1");
    EXPECT_EQ(at(t.canvas.table, 20, 42), faceColour(2));  // second card, at y 15..44
    EXPECT_EQ(at(t.canvas.table, 20, 47), CleanColour);
    EXPECT_EQ(t.game.piles.tableau[0], before);  // the pile itself is the caller's

    // Emptying the pile leaves its mark.
    t.drawing.flights().liftCardsFromPile(before, "", 10, Target::Table, "Fila1");
    EXPECT_EQ(at(t.canvas.table, 15, 15), markColour(7));
}

TEST(WindowPicture, LivesOnlyWhileSomethingIsOverTheTable) {
    DragTable t;  // a card held at (50, 50)
    ASSERT_TRUE(t.canvas.hasOverlay());
    t.canvas.settle();
    EXPECT_TRUE(t.canvas.hasOverlay()) << "kept while the drag picture shows";
    t.drawing.drag().leaveWindow();
    t.canvas.peekRect = QRect(100, 10, 20, 30);
    t.drawing.pictures().drawCard(4, 100, 10, false, Target::Window);
    t.canvas.settle();
    EXPECT_EQ(at(t.canvas.shown(), 110, 20), faceColour(4)) << "kept while the peek shows";
    t.drawing.pictures().removePeekCard();
    EXPECT_FALSE(t.canvas.hasOverlay());

    // Without it the window shows the table picture from the scroll position,
    // and window drawing only asks for a repaint.
    QRect noted;
    t.canvas.windowChanged = [&noted](const QRect& r) { noted |= r; };
    t.canvas.scroll = 10;
    t.canvas.table.setPixel(5, 15, qRgb(5, 6, 7));
    t.drawing.pictures().drawCard(4, 100, 10, false, Target::Window);
    EXPECT_FALSE(t.canvas.hasOverlay());
    EXPECT_EQ(noted, QRect(100, 10, 20, 30));
    EXPECT_EQ(at(t.canvas.shown(), 5, 5), qRgb(5, 6, 7));
    EXPECT_EQ(t.canvas.shownDy(), 10);
}

}  // namespace
}  // namespace vantrel::test
