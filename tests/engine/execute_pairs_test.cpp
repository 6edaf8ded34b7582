// Pair games: discarding the selection, refilling empty rows, closing up.
#include "execute_support.h"

namespace vantrel::exec_test {
namespace {

TEST(ExecutePairs, DiscardingAPairSummingToTheTargetRemovesBoth) {
    Table t;
    t.param(30, 13);
    t.row(0, {S(4), H(12)});
    t.row(3, {D(7), C(1)});
    t.foundation(0, {H(12), C(1)});  // the selection, Queen and Ace
    ASSERT_TRUE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.row(0), pileText({S(4)}));
    EXPECT_EQ(t.row(3), pileText({D(7)}));
    EXPECT_EQ(t.secondWaste(), pileText({H(12), C(1)}));
    EXPECT_EQ(t.foundation(0), "");
    EXPECT_EQ(t.sounds(), std::vector<std::string>{"Pairing"});
    ASSERT_EQ(t.feedback.flights.size(), 2u);
    EXPECT_EQ(t.feedback.flights[1].to.pile, (PileRef{PileGroup::Stock, SecondWasteEntry}));
    EXPECT_EQ(t.feedback.flights[1].to.index, 1);
}

TEST(ExecutePairs, AnEmptySelectionStillSoundsButMovesNothing) {
    Table t;
    t.row(0, {S(4)});
    EXPECT_FALSE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.sounds(), std::vector<std::string>{"Pairing"});
    EXPECT_EQ(t.game.play.moveCounter, 0);
}

TEST(ExecutePairs, PyramidDiscardsLeaveGapsExceptOnStockAndWaste) {
    Table t;
    t.param(35, 4);
    t.param(3, 4);
    t.param(262, 2);
    t.row(0, {S(13)});
    t.row(1, {H(8), D(5)});
    t.waste({C(8)});
    t.foundation(0, {D(5), C(8)});
    ASSERT_TRUE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.row(1), pileText({H(8), 0}));
    EXPECT_EQ(t.waste(), "");
    EXPECT_EQ(t.secondWaste(), pileText({D(5), C(8)}));
    // A King alone, discarded from the pyramid's top: won with gaps only.
    t.row(1, {0, 0});
    t.foundation(0, {S(13)});
    ASSERT_TRUE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.row(0), pileText({0}));
    EXPECT_TRUE(t.game.won);
}

TEST(ExecutePairs, LongRowDiscardsCloseUpTheFirstRow) {
    Table t;
    t.param(3, 8);
    t.param(262, 1);
    t.row(0, {S(4), 0, H(12), D(9), 0, C(1)});
    t.foundation(0, {H(12), C(1)});
    ASSERT_TRUE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.row(0), pileText({S(4), D(9)}));
    EXPECT_EQ(t.secondWaste(), pileText({H(12), C(1)}));
    EXPECT_EQ(t.feedback.tableRepaints, 0) << "the row's top card went: no full repaint";

    Table u;
    u.param(3, 8);
    u.param(262, 1);
    u.row(0, {S(4), 0, H(12), D(9)});
    u.waste({C(1)});
    u.foundation(0, {H(12), C(1)});
    ASSERT_TRUE(u.run(0, "Selezionate_Dest"));
    EXPECT_EQ(u.row(0), pileText({S(4), D(9)}));
    EXPECT_EQ(u.waste(), "");
    EXPECT_EQ(u.feedback.tableRepaints, 1);
}

TEST(ExecutePairs, EmptySelectionOrStaleEntriesMoveNothing) {
    Table t;
    t.row(0, {S(4)});
    EXPECT_FALSE(t.run(0, "Selezionate_Dest"));
    t.foundation(0, {H(12)});  // lies on no other pile
    EXPECT_FALSE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.secondWaste(), "");
    EXPECT_EQ(t.row(0), pileText({S(4)}));
}

TEST(ExecutePairs, SelezionateFilaRefillsEveryEmptyRowFromTheStock) {
    Table t;
    t.param(262, 4);
    t.row(1, {S(4)});
    t.stock({D(1), D(2), D(3), D(4)});
    ASSERT_TRUE(t.run(0, "Selezionate_Fila"));
    EXPECT_EQ(t.row(0), pileText({D(4)}));
    EXPECT_EQ(t.row(1), pileText({S(4)}));
    EXPECT_EQ(t.row(2), pileText({D(3)}));
    EXPECT_EQ(t.row(3), pileText({D(2)}));
    EXPECT_EQ(t.stock(), pileText({D(1)}));
    EXPECT_EQ(t.sounds(), (std::vector<std::string>{"Shuffle", "Shuffle", "Shuffle"}));
    EXPECT_FALSE(t.run(0, "Selezionate_Fila")) << "no empty row";
}

TEST(ExecutePairs, CloseUpShiftsRowsForwardThenRefills) {
    Table t;
    t.param(30, 13);
    t.param(262, 5);
    t.row(0, {S(1)});
    t.row(3, {S(4), H(4)});
    t.row(4, {S(5)});
    t.stock({D(1), D(2)});
    t.foundation(0, {S(1)});  // a leftover selection
    ASSERT_TRUE(t.run(0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(t.foundation(0), "");
    EXPECT_EQ(t.row(0), pileText({S(1)}));
    EXPECT_EQ(t.row(1), pileText({S(4), H(4)}));
    EXPECT_EQ(t.row(2), pileText({S(5)}));
    EXPECT_EQ(t.row(3), pileText({D(2)}));
    EXPECT_EQ(t.row(4), pileText({D(1)}));
    EXPECT_EQ(t.stock(), "");
    EXPECT_EQ(t.sounds(), (std::vector<std::string>{"Shuffle", "Shuffle", "Shuffle", "Shuffle", "Shuffle"}));
    EXPECT_GE(t.feedback.tableRepaints, 1);
}

TEST(ExecutePairs, CloseUpSlidesOnTheTableauSwitchAndRefillsOnTheShuffleSwitch) {
    Table t;
    t.param(262, 2);
    t.game.state.write(field::Sounds_Shuffle, "N");
    t.row(1, {S(2)});
    t.stock({D(1)});
    ASSERT_TRUE(t.run(0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(t.row(0), pileText({S(2)}));
    EXPECT_EQ(t.row(1), pileText({D(1)}));
    EXPECT_EQ(t.sounds(), std::vector<std::string>{"Shuffle"});  // the slide only
}

TEST(ExecutePairs, CloseUpNeedsAGapAndSomethingToFillIt) {
    Table t;
    t.param(262, 3);
    t.row(0, {S(1)});
    t.row(1, {S(2)});
    t.row(2, {S(3)});
    t.stock({D(1)});
    EXPECT_FALSE(t.run(0, "Stock_To_Pile_Monte_Carlo")) << "no empty row";
    t.row(2) = "";
    t.stock() = "";
    EXPECT_FALSE(t.run(0, "Stock_To_Pile_Monte_Carlo")) << "only trailing gaps and no stock";
}

TEST(ExecutePairs, CloseUpKeepsRealFoundationCards) {
    Table t;
    t.param(262, 2);
    t.row(1, {S(2)});
    t.foundation(0, {H(1)});  // a real foundation card, not a copy
    ASSERT_TRUE(t.run(0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(t.foundation(0), pileText({H(1)}));
}

}  // namespace
}  // namespace vantrel::exec_test
