// Dealt games drawn with the program's real pictures: every pile shows what
// it holds, the stock its thickness, and moves repaint what they touch.
#include "view/mark_choice.h"
#include "view/table_drawing.h"
#include "view/table_feedback.h"
#include "view/table_view.h"
#include "view_qt/drawing_support.h"

namespace vantrel::test {
namespace {

constexpr int FreeCell = 1, Spider = 3;

std::unique_ptr<DealtTable> dealt(int number, char size) {
    auto t = std::make_unique<DealtTable>(std::string(VANTREL_BUILD_DIR) + "/");
    std::string error;
    EXPECT_TRUE(t->setUp(number, size, 1024, 700, error)) << error;
    return t;
}

QRgb centre(const QImage& img) { return at(img, img.width() / 2, img.height() / 2); }

TEST(DealtTable, FreeCellShowsEveryTopCardAndTheEmptyCellsAndFoundations) {
    auto t = dealt(FreeCell, 'B');
    const QImage w = t->canvas.shown();
    for (int i = 0; i < 8; ++i) {
        const PileRef pile{PileGroup::Tableau, i};
        const int card = topCard(t->game.piles.pile(pile));
        ASSERT_GT(card, 0);
        const CardPoint p = t->drawing.piles().topCardPoint(pile);
        EXPECT_EQ(at(w, p.x + 35, p.y + 48), centre(*t->images.face(card))) << "pile " << i;
        EXPECT_EQ(at(w, p.x + 1, p.y + 1), at(*t->images.face(card), 1, 1));
    }
    const int cellMark = t->drawing.pictures().markFor(markKind::Reserve, 0);
    for (int r = 0; r < 4; ++r) {
        const QImage& mark = *t->images.mark(cellMark);
        const QPoint cell(t->game.positions.x(PileGroup::Reserve, r), t->game.positions.y(PileGroup::Reserve, r));
        EXPECT_EQ(at(w, cell.x() + 10, cell.y() + 10), at(mark, 10, 10));
    }
    EXPECT_EQ(t->drawing.pictures().markFor(markKind::Foundation, 0), baseRankMark(1));
    // The lowest card drawn is the bottom of the longest pile.
    int lowest = 0;
    for (int i = 0; i < 8; ++i)
        lowest = std::max(lowest, t->drawing.piles().topCardPoint({PileGroup::Tableau, i}).y + 96);
    EXPECT_EQ(t->canvas.bottomTracker, lowest);
}

TEST(DealtTable, SpiderStockIsABlockOfItsFiftyCards) {
    auto t = dealt(Spider, 'M');
    ASSERT_EQ(cardCount(t->game.piles.stock[StockEntry]), 50);
    const StockCopy home = t->drawing.piles().layout().stockCopies[StockEntry];
    EXPECT_EQ(t->game.positions.x(PileGroup::Stock, StockEntry), home.x - 8);
    EXPECT_EQ(t->game.positions.y(PileGroup::Stock, StockEntry), home.y - 8);
    const QImage w = t->canvas.shown();
    // The top card's back, and the edge layers right of and below it.
    EXPECT_EQ(at(w, home.x - 8 + 29, home.y - 8 + 40), at(t->images.back, 29, 40));
    EXPECT_NE(at(w, home.x + 58, home.y + 40), t->canvas.background.pixel({home.x + 58, home.y + 40}));
    EXPECT_EQ(at(w, home.x + 60, home.y + 40), t->canvas.background.pixel({home.x + 60, home.y + 40}));
}

TEST(DealtTable, CardImagesFollowTheSizeLetterAndKeepTheSizeForOthers) {
    DealtTable t(std::string(VANTREL_BUILD_DIR) + "/");
    ASSERT_TRUE(registerPictureLibrary(t.folder));
    t.game.state.write(field::Card_Size, "M");
    t.game.state.write(field::Back_Card, "6");
    loadCardImages(t.images, t.game.state, t.host);
    EXPECT_EQ(t.images.width, 59);
    for (const QImage& f : t.images.faces) EXPECT_EQ(f.size(), QSize(59, 80));
    EXPECT_EQ(t.host.loaded.back(), "DM006");
    EXPECT_EQ(t.images.back.size(), QSize(59, 80));
    EXPECT_FALSE(t.images.mark(22)->isNull());
    EXPECT_FALSE(t.images.edgeRight.isNull());

    t.game.state.write(field::Card_Size, "X");
    loadCardImages(t.images, t.game.state, t.host);
    EXPECT_EQ(t.images.sizeLetter, 'M');
    EXPECT_EQ(t.images.height, 80);
    EXPECT_EQ(t.host.loaded.back(), "DM006");
}

TEST(DealtTable, MoveFeedbackRepaintsTheSourceAndDrawsTheCardWhereItLands) {
    auto t = dealt(FreeCell, 'B');
    TableView view(t->game, t->host);
    // The fixture's pictures stand in for the view's own.
    view.resize(t->canvas.windowSize(), t->canvas.table.size());
    view.loadImages();
    view.setLayout(t->drawing.piles().layout());
    view.redraw();
    TableFeedback feedback(t->game, view, t->host);

    const PileRef row{PileGroup::Tableau, 0}, cell{PileGroup::Reserve, 0};
    std::string& pile = t->game.piles.pile(row);
    const int card = topCard(pile);
    const int index = cardCount(pile) - 1;
    const CardPoint before = view.drawing().piles().cardPlace(row, index);
    pile.resize(pile.size() - 3);
    appendCard(t->game.piles, t->game.cards, cell.group, cell.entry, card, '1');
    feedback.repaintRect(CardSpot{row, index, 0, 0}, 1);
    feedback.drawCardAt(card, CardSpot{cell, 0, 0, 0});

    const QImage w = view.canvas().shown();
    const QImage& face = *view.images().face(card);
    EXPECT_EQ(at(w, t->game.positions.x(cell.group, 0) + 35, t->game.positions.y(cell.group, 0) + 48), centre(face));
    // Below the new top card the table shows its background again.
    EXPECT_EQ(at(w, before.x + 35, before.y + 95), view.canvas().background.pixel({before.x + 35, before.y + 95}));
    const int newTop = topCard(pile);
    const CardPoint top = view.drawing().piles().topCardPoint(row);
    EXPECT_EQ(at(w, top.x + 35, top.y + 48), centre(*view.images().face(newTop)));
    EXPECT_EQ(feedback.drawnExtent(), view.canvas().bottomTracker);
}

}  // namespace
}  // namespace vantrel::test
