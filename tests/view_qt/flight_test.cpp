// Flights on the table pictures: the card lands in the table picture, the
// window is painted step by step and ends up showing the table again; the
// animated deal, the card turn and the move executor's flights.
#include "engine/move_execution.h"
#include "view/table_drawing.h"
#include "view/table_feedback.h"
#include "view/table_view.h"
#include "view_qt/drawing_support.h"

namespace vantrel::test {
namespace {

constexpr int FreeCell = 1, Klondike = 2;

// The window shows exactly what the table picture holds.
bool windowShowsTable(const TableCanvas& c) {
    return c.shown() == c.table.copy(QRect(QPoint(0, c.scroll), c.windowSize()));
}

struct FlightTable : SyntheticTable {
    FlightTable() {
        canvas.paintNow = [this](const QRect&) { ++paints; };
    }
    int paints = 0;
};

TEST(FlyCard, PreparedCardIsPaintedAlongTheWayAndLandsInTheTablePicture) {
    FlightTable t;
    t.canvas.overlay();
    t.drawing.pictures().drawCard(7, 20, 20, false, Target::Window);
    t.drawing.flights().flyCard(7, {20, 20}, {.prepare = true, .stamp = true}, {220, 120});
    EXPECT_GE(t.paints, 7);  // 200 pixels in steps of 30
    EXPECT_EQ(at(t.canvas.table, 230, 130), faceColour(7));
    EXPECT_EQ(at(t.canvas.shown(), 230, 130), faceColour(7));
    EXPECT_EQ(at(t.canvas.shown(), 30, 30), TableColour);  // the start uncovered
    // Landed: no shadow is left beside it, and shadows are on again.
    EXPECT_TRUE(windowShowsTable(t.canvas));
    EXPECT_EQ(t.game.state.read(field::Cards_Shadowed), "Y");
}

TEST(FlyCard, StartAtTheTargetStampsOnlyWhenAsked) {
    for (const bool stamp : {false, true}) {
        FlightTable t;
        t.game.state.write(field::Cards_Shadowed, "N");
        t.drawing.flights().flyCard(9, {60, 40}, {.prepare = true, .stamp = stamp}, {60, 40});
        EXPECT_EQ(at(t.canvas.table, 70, 50), stamp ? faceColour(9) : TableColour) << stamp;
        EXPECT_EQ(at(t.canvas.shown(), 70, 50), TableColour) << "nothing is drawn on the way";
    }
}

TEST(FlyCard, HeldCardLeavesNoShadowBehindOrWhereItLands) {
    for (const bool prepare : {false, true}) {
        FlightTable t;
        t.drawing.drag().buildDragCard(4);
        t.drawing.drag().moveDragPicture(150, 100, false, false);  // held, with its shadow
        t.drawing.flights().flyCard(4, {150, 100}, {.prepare = prepare, .shadow = true, .stamp = true}, {30, 20});
        EXPECT_EQ(at(t.canvas.table, 40, 30), faceColour(4));
        EXPECT_TRUE(windowShowsTable(t.canvas)) << prepare;
    }
}

struct RowTable : FlightTable {
    RowTable() {
        game.params.set(3, 1);
        game.params.set(262, 2);
        FanSteps steps = drawing.piles().fanSteps();
        steps.downFaceUp = 6;
        steps.downFaceDown = 3;
        drawing.piles().setFanSteps(steps);
        game.positions.set(PileGroup::Tableau, 0, 40, 60);
        game.positions.set(PileGroup::Tableau, 1, 120, 60);
        // Cards on a table without cards: the background shows.
        canvas.table.fill(CleanColour);
    }
    void deal(int row, std::initializer_list<std::pair<int, char>> cards) {
        for (auto [card, face] : cards) appendCard(game.piles, game.cards, PileGroup::Tableau, row, card, face);
    }
};

TEST(TurnCard, TopCardSettlesFaceUpOnBothPictures) {
    // Alone in its row, over a face-down card, over a face-up card.
    const std::vector<std::pair<int, char>> below[] = {{}, {{1, '0'}}, {{1, '1'}}};
    for (const auto& under : below) {
        for (const char* shadows : {"Y", "N"}) {
            RowTable t;
            t.game.state.write(field::Cards_Shadowed, shadows);
            for (auto [card, face] : under) t.deal(0, {{card, face}});
            t.deal(0, {{5, '0'}});
            t.drawing.piles().redrawPile("Fila1", Target::Table, false);
            t.drawing.pictures().showWindow();
            t.game.cards.setFace(5, '1');
            const CardPoint p = t.drawing.piles().topCardPoint({PileGroup::Tableau, 0});
            t.drawing.flights().turnCardFaceUp(5, {p.x, p.y}, 0);
            EXPECT_EQ(at(t.canvas.table, p.x + 10, p.y + 15), faceColour(5)) << under.size() << shadows;
            EXPECT_TRUE(windowShowsTable(t.canvas)) << under.size() << shadows;
            EXPECT_EQ(t.game.state.read(field::Cards_Shadowed), shadows);
        }
    }
}

TEST(DealAnimation, EveryCardFliesFromTheOriginAndTheWindowEndsEqualToTheTable) {
    RowTable t;
    t.game.positions.set(PileGroup::Stock, StockEntry, 220, 10);
    LayoutResult r;
    r.stockCopies[StockEntry] = {220, 10, 10};
    t.drawing.piles().setLayout(r);
    for (int c = 20; c < 24; ++c) appendCard(t.game.piles, t.game.cards, PileGroup::Stock, StockEntry, c, '0');
    t.deal(0, {{1, '0'}, {2, '1'}});
    t.deal(1, {{3, '1'}});
    t.drawing.piles().drawTable(Target::Table, true);
    EXPECT_GE(t.paints, 3 * 5) << "each card is painted on its way";
    EXPECT_TRUE(windowShowsTable(t.canvas));
    const CardPoint second = t.drawing.piles().cardPlace({PileGroup::Tableau, 0}, 1);
    EXPECT_EQ(at(t.canvas.shown(), second.x + 10, second.y + 20), faceColour(2));
    EXPECT_EQ(at(t.canvas.shown(), 130, 75), faceColour(3));
    EXPECT_EQ(at(t.canvas.shown(), 45, 61), BackColour);
    EXPECT_EQ(at(t.canvas.shown(), 100, 150), CleanColour);
    EXPECT_EQ(at(t.canvas.shown(), 225, 15), BackColour);  // the origin shows the stock again
}

// The program's own pictures and games, through the move executor.
struct PlayedTable {
    explicit PlayedTable(int game) : t(std::string(VANTREL_BUILD_DIR) + "/") {
        std::string error;
        EXPECT_TRUE(t.setUp(game, 'B', 1024, 700, error)) << error;
        view.resize(t.canvas.windowSize(), t.canvas.table.size());
        view.loadImages();
        view.setLayout(t.drawing.piles().layout());
        view.redraw();
        view.canvas().paintNow = [this](const QRect&) { ++paints; };
    }
    DealtTable t;
    TableView view{t.game, t.host};
    TableFeedback feedback{t.game, view, t.host};
    MoveExecutor executor{t.game, feedback};
    int paints = 0;
};

TEST(MoveFlights, DraggedRunFliesAsOneBlockAndLands) {
    PlayedTable p(FreeCell);
    Game& g = p.t.game;
    TableDrawing& d = p.view.drawing();
    const PileRef from{PileGroup::Tableau, 0}, to{PileGroup::Tableau, 5};
    const std::string before = g.piles.pile(from);
    const int cards = cardCount(before);
    const int bottom = cardAt(before, cards - 2), top = cardAt(before, cards - 1);
    // Picked up and dragged a little, as the pointer does it.
    d.drag().buildDragPicture(from, cards - 2);
    d.flights().liftCardsFromPile(before, before.substr(0, before.size() - 6), g.positions.x(from.group, 0),
                                  Target::Table, "Fila1");
    const CardPoint start = d.piles().cardPlace(from, cards - 2);
    d.drag().moveDragPicture(start.x + 30, start.y + 200, false, false);

    ASSERT_TRUE(p.executor.Execute(bottom, "Fila6"));
    EXPECT_GE(p.paints, 5);
    EXPECT_EQ(d.drag().card(), 0) << "the block has landed";
    const std::string& row = g.piles.pile(to);
    ASSERT_EQ(topCard(row), top);
    const CardPoint last = d.piles().topCardPoint(to);
    EXPECT_EQ(at(p.view.canvas().shown(), last.x + 35, last.y + 48), at(*p.view.images().face(top), 35, 48));
    EXPECT_TRUE(windowShowsTable(p.view.canvas()));
}

TEST(MoveFlights, CardSentHomeFliesFromItsPileAndUncoversTheCardBelow) {
    PlayedTable p(FreeCell);
    Game& g = p.t.game;
    const PileRef row{PileGroup::Tableau, 2};
    const int card = topCard(g.piles.pile(row));
    const int below = cardAt(g.piles.pile(row), cardCount(g.piles.pile(row)) - 2);
    ASSERT_TRUE(p.executor.Execute(card, "Dest_Autoplay1"));
    EXPECT_GT(p.paints, 5);
    const QImage w = p.view.canvas().shown();
    const CardPoint home = p.view.drawing().piles().topCardPoint({PileGroup::Foundation, 0});
    EXPECT_EQ(at(w, home.x + 35, home.y + 48), at(*p.view.images().face(card), 35, 48));
    const CardPoint uncovered = p.view.drawing().piles().topCardPoint(row);
    EXPECT_EQ(at(w, uncovered.x + 35, uncovered.y + 90), at(*p.view.images().face(below), 35, 90));
    EXPECT_TRUE(windowShowsTable(p.view.canvas()));
}

TEST(MoveFlights, StockTurnsAndRedealsFlyAndLeaveTheWindowEqualToTheTable) {
    PlayedTable p(Klondike);
    Game& g = p.t.game;
    g.state.write(field::Redeal_Animation, "Y");
    const int stock = cardCount(g.piles.stock[StockEntry]);
    ASSERT_GT(stock, 1);
    ASSERT_TRUE(p.executor.Execute(topCard(g.piles.stock[StockEntry]), "Mazzo_Vis"));
    const int afterTurn = p.paints;
    EXPECT_GT(afterTurn, 3);
    EXPECT_TRUE(windowShowsTable(p.view.canvas()));
    const int turned = topCard(g.piles.stock[WasteEntry]);
    const CardPoint waste = p.view.drawing().piles().topCardPoint({PileGroup::Stock, WasteEntry});
    EXPECT_EQ(at(p.view.canvas().shown(), waste.x + 35, waste.y + 48), at(*p.view.images().face(turned), 35, 48));

    // The rest of the stock, the marker, then the waste flies back card by card.
    while (!g.piles.stock[StockEntry].empty()) p.executor.Execute(topCard(g.piles.stock[StockEntry]), "Mazzo_Vis");
    p.executor.Execute(0, "Mazzo_Vis");
    const int beforeRedeal = p.paints;
    ASSERT_TRUE(p.executor.Execute(0, "Mazzo_Vis"));
    ASSERT_EQ(cardCount(g.piles.stock[StockEntry]), stock);
    EXPECT_GT(p.paints - beforeRedeal, stock) << "every card is painted travelling";
    EXPECT_TRUE(windowShowsTable(p.view.canvas()));
}

}  // namespace
}  // namespace vantrel::test
