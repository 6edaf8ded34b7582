// Stock actions: turning cards, the empty-stock marker and the passes, the
// redeal; the deals from the stock onto rows and reserves.
#include "execute_support.h"

namespace vantrel::exec_test {
namespace {

constexpr PileRef StockRef{PileGroup::Stock, StockEntry};
constexpr PileRef WasteRef{PileGroup::Stock, WasteEntry};

// A stock-and-waste game: one card per click, redeals allowed.
struct StockTable : Table {
    StockTable(int passes) {
        param(7, 1);
        param(8, 1);
        param(13, passes);
        param(14, 1);
        param(19, 1);
    }
    // Press and release on the stock as pointer play does: the press runs
    // the stock click; the release on a shown marker executes "Mazzo_Vis"
    // and clears the flag.
    bool clickStock() {
        bool changed = executor.StockClick().changed;
        if (game.play.stockEmptyMarker) {
            changed |= executor.Execute(0, "Mazzo_Vis");
            game.play.stockEmptyMarker = false;
        }
        return changed;
    }
};

TEST(ExecuteStock, TurnsParameterNineteenCardsFaceUpWithTheStockSound) {
    StockTable t(-1);
    t.param(19, 3);
    t.stock({C(1), C(2), C(3), C(4)});
    for (int c : {C(1), C(2), C(3), C(4)}) t.game.cards.setFace(c, '0');
    ASSERT_TRUE(t.run(C(4), "Mazzo_Vis"));
    EXPECT_EQ(t.stock(), pileText({C(1)}));
    EXPECT_EQ(t.waste(), pileText({C(4), C(3), C(2)}));
    for (int c : {C(4), C(3), C(2)}) EXPECT_TRUE(t.game.cards.faceUp(c));
    EXPECT_FALSE(t.game.cards.faceUp(C(1)));
    EXPECT_EQ(t.sounds(), (std::vector<std::string>{"Stock", "Stock", "Stock"}));
    ASSERT_EQ(t.feedback.flights.size(), 3u);
    EXPECT_EQ(t.feedback.flights[0].from.pile, StockRef);
    EXPECT_EQ(t.feedback.flights[0].to.pile, WasteRef);
    EXPECT_EQ(t.feedback.emptyStockDrawn, 0);
    // The last card: the stock runs out but the waste holds more than one.
    ASSERT_TRUE(t.run(C(1), "Mazzo_Vis"));
    EXPECT_EQ(t.stock(), "");
    EXPECT_EQ(t.feedback.emptyStockDrawn, 0);
}

TEST(ExecuteStock, OtherStockActionsTurnOntoTheSecondWaste) {
    for (const char* action : {"Mazzo", "Mazzo_Waste", "Mazzo_Redeal"}) {
        SCOPED_TRACE(action);
        Table t;
        t.stock({C(1), C(2)});
        ASSERT_TRUE(t.run(C(2), action));
        EXPECT_EQ(t.stock(), pileText({C(1)}));
        EXPECT_EQ(t.secondWaste(), pileText({C(2)}));
        EXPECT_EQ(t.waste(), "");
    }
}

TEST(ExecuteStock, ThreePassesThenTheStockStaysEmpty) {
    StockTable t(3);
    t.param(6, 1);
    t.stock({C(1), C(2), C(3)});
    for (int pass = 1; pass <= 3; ++pass) {
        SCOPED_TRACE(pass);
        EXPECT_EQ(t.game.play.stockPass, pass);
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(t.clickStock());
        EXPECT_EQ(t.stock(), "");
        EXPECT_EQ(cardCount(t.waste()), 3);
        // Press on the empty stock: the marker shows, nothing moves yet.
        const auto press = t.executor.StockClick();
        if (pass == 3) {
            EXPECT_FALSE(press.changed);
            EXPECT_FALSE(t.game.play.stockEmptyMarker);
            break;
        }
        EXPECT_FALSE(press.changed);
        EXPECT_TRUE(t.game.play.stockEmptyMarker);
        ASSERT_FALSE(t.feedback.markers.empty());
        EXPECT_EQ(t.feedback.markers.back(), StockRef);
        EXPECT_EQ(t.stock(), "");
        // Release on it: the waste goes back, face down with parameter 6.
        ASSERT_TRUE(t.run(0, "Mazzo_Vis"));
        t.game.play.stockEmptyMarker = false;
        EXPECT_EQ(t.game.play.stockPass, pass + 1);
        EXPECT_EQ(cardCount(t.stock()), 3);
        EXPECT_EQ(t.waste(), "");
        for (int c : {C(1), C(2), C(3)}) EXPECT_FALSE(t.game.cards.faceUp(c));
    }
    EXPECT_EQ(t.game.play.stockPass, 3);
    EXPECT_EQ(t.feedback.markers.size(), 2u);
    EXPECT_EQ(cardCount(t.waste()), 3);
}

TEST(ExecuteStock, RedealReversesTheWasteSoTheNextTurnShowsItsBottomCard) {
    StockTable t(-1);
    t.waste({C(3), C(5), C(9)});
    t.game.play.stockEmptyMarker = true;  // the press showed the marker
    ASSERT_TRUE(t.run(0, "Mazzo_Vis"));
    EXPECT_EQ(t.stock(), pileText({C(9), C(5), C(3)}));
    EXPECT_EQ(t.waste(), "");
    for (int c : {C(3), C(5), C(9)}) EXPECT_TRUE(t.game.cards.faceUp(c)) << "parameter 6 is 0";
    // Animated: the loop sound first, each card travelling, then a stop.
    ASSERT_EQ(t.device.played.size(), 1u);
    EXPECT_EQ(t.sounds()[0], "Redeal");
    EXPECT_EQ(t.device.played[0].second, SoundPlay::Loop);
    EXPECT_EQ(t.device.stops, 1);
    ASSERT_EQ(t.feedback.flights.size(), 3u);
    EXPECT_EQ(t.feedback.flights[0].card, C(9));
    EXPECT_EQ(t.feedback.flights[0].to.pile, StockRef);
    EXPECT_FALSE(t.game.play.stockEmptyMarker);
    // The redeal starts the pass; the next click turns the 3.
    ASSERT_TRUE(t.clickStock());
    EXPECT_EQ(t.waste(), pileText({C(3)}));
}

TEST(ExecuteStock, RedealWithoutAnimationIsSilentAndRepaintsThePiles) {
    StockTable t(-1);
    t.game.state.write(field::Redeal_Animation, "N");
    t.waste({C(3), C(5)});
    t.game.play.stockEmptyMarker = true;
    ASSERT_TRUE(t.run(0, "Mazzo_Vis"));
    EXPECT_EQ(t.stock(), pileText({C(5), C(3)}));
    EXPECT_TRUE(t.feedback.flights.empty());
    EXPECT_TRUE(t.sounds().empty());
    EXPECT_EQ(t.device.stops, 0);
    EXPECT_EQ(t.feedback.repaintedPiles, (std::vector<PileRef>{StockRef, WasteRef}));
}

TEST(ExecuteStock, NoRedealWithoutParameterFourteen) {
    StockTable t(-1);
    t.param(14, 0);
    t.waste({C(3), C(5)});
    t.game.play.stockEmptyMarker = true;
    const auto before = t.snapshot();
    EXPECT_FALSE(t.run(0, "Mazzo_Vis"));
    EXPECT_EQ(t.snapshot(), before);
    EXPECT_EQ(t.game.play.stockPass, 1);
}

// The press on an empty stock: "Mazzo_Vis" with a waste (parameter 8),
// "Mazzo_Redeal" without; either shows the marker and moves nothing.
TEST(ExecuteStock, MarkerShowsWhereParametersSevenAndEightSay) {
    struct Case {
        int p7, p8;
        std::vector<PileRef> markers;
    };
    const Case cases[] = {{1, 1, {StockRef}}, {0, 1, {WasteRef}}, {1, 0, {StockRef}}, {0, 0, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p7 * 10 + c.p8);
        StockTable t(-1);
        t.param(7, c.p7);
        t.param(8, c.p8);
        t.waste({C(3), C(5)});
        EXPECT_FALSE(t.executor.StockClick().changed);
        EXPECT_TRUE(t.game.play.stockEmptyMarker);
        EXPECT_EQ(t.feedback.markers, c.markers);
    }
}

TEST(ExecuteStock, EmptyStockIsDrawnWhenTheWasteHoldsAtMostOneCard) {
    StockTable t(1);
    t.stock({C(8)});
    ASSERT_TRUE(t.run(C(8), "Mazzo_Vis"));
    EXPECT_EQ(t.feedback.emptyStockDrawn, 1);
}

TEST(ExecuteStock, FamilyFourRedealDropsTheStocksBottomCardFromTheSelection) {
    StockTable t(-1);
    t.param(35, 4);
    t.waste({C(3), C(5), C(9)});
    t.foundation(0, {S(4), C(9)});  // C(9) goes to the stock's bottom
    t.game.play.stockEmptyMarker = true;
    ASSERT_TRUE(t.run(0, "Mazzo_Vis"));
    EXPECT_EQ(t.foundation(0), pileText({S(4)}));
}

TEST(ExecuteStock, FamilyTwentyEightCountsClicks) {
    StockTable t(-1);
    t.param(35, 28);
    t.param(19, 2);
    t.stock({C(1), C(2), C(3)});
    ASSERT_TRUE(t.run(0, "Mazzo_Vis"));
    ASSERT_TRUE(t.run(0, "Mazzo_Vis"));
    EXPECT_EQ(t.game.play.stockClicks, 2);
}

// ---- deals from the stock ----

TEST(ExecuteStockDeals, AddTableausRunningOutFillsTheFirstFlaggedRowsInOrder) {
    Table t;
    t.param(262, 5);
    for (int k = 0; k < 5; ++k) t.param(204 + k, k == 1 ? 0 : 1);  // row 2 takes none
    for (int k = 0; k < 5; ++k) t.row(k, {S(13 - k)});
    t.stock({D(1), D(2), D(3)});
    ASSERT_TRUE(t.run(D(3), "Add_Tableaus"));
    EXPECT_EQ(t.stock(), "");
    EXPECT_EQ(t.row(0), pileText({S(13), D(3)}));
    EXPECT_EQ(t.row(1), pileText({S(12)}));
    EXPECT_EQ(t.row(2), pileText({S(11), D(2)}));
    EXPECT_EQ(t.row(3), pileText({S(10), D(1)}));
    EXPECT_EQ(t.row(4), pileText({S(9)}));
    EXPECT_EQ(t.sounds(), (std::vector<std::string>{"Shuffle", "Shuffle", "Shuffle"}));
    EXPECT_EQ(t.feedback.flights.size(), 3u);
}

TEST(ExecuteStockDeals, EachDealVisitsItsPiles) {
    struct Case {
        const char* action;
        std::vector<std::string> rows;      // rows 1-3 after
        std::vector<std::string> reserves;  // reserves 1-3 after
    };
    // Rows flagged 1, 0, 3 with row 2 empty; reserves flagged 4, 5, 1.
    const std::string a = pileText({S(1)}), b = pileText({S(2)});
    const std::string d9 = pileText({D(9)}), d8 = pileText({D(8)}), d7 = pileText({D(7)});
    const Case cases[] = {
        {"Add_Tableaus", {a + d9, "", b + d8}, {"", "", ""}},
        {"Add_Tableaus_Last", {a + d9, d8, b + d7}, {"", "", ""}},
        {"Fill_Tableaus", {a, d9, b}, {"", "", ""}},
        {"Add_Reserves", {a, "", b}, {d9, "", d8}},
        {"Add_Reserve_3", {a, "", b}, {"", "", d9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        Table t;
        t.param(262, 3);
        t.param(263, 3);
        for (auto [n, v] : {std::pair{204, 1}, {205, 0}, {206, 3}, {238, 4}, {239, 5}, {240, 1}}) t.param(n, v);
        t.row(0) = a;
        t.row(2) = b;
        t.stock({D(5), D(6), D(7), D(8), D(9)});
        ASSERT_TRUE(t.run(0, c.action));
        EXPECT_EQ((std::vector<std::string>{t.row(0), t.row(1), t.row(2)}), c.rows);
        EXPECT_EQ((std::vector<std::string>{t.reserve(1), t.reserve(2), t.reserve(3)}), c.reserves);
    }
}

TEST(ExecuteStockDeals, AnUnflaggedReserveOrAnEmptyStockChangesNothing) {
    Table t;
    t.param(238, 1);
    t.param(239, 0);
    t.stock({D(5)});
    EXPECT_FALSE(t.run(0, "Add_Reserve_2"));
    t.stock() = "";
    EXPECT_FALSE(t.run(0, "Add_Reserve_1"));
    EXPECT_FALSE(t.run(0, "Add_Tableaus_Last"));
    EXPECT_EQ(t.game.play.moveCounter, 0);
}

TEST(ExecuteStockDeals, FanModeEightPutsAGapOnTheFirstRowBeforeEachCard) {
    Table t;
    t.param(3, 8);
    t.param(262, 2);
    t.row(0, {S(1)});
    t.stock({D(5), D(6)});
    ASSERT_TRUE(t.run(0, "Add_Tableaus_Last"));
    EXPECT_EQ(t.row(0), pileText({S(1), 0, D(6), 0}));
    EXPECT_EQ(t.row(1), pileText({D(5)}));
}

// ---- the stock click ----

TEST(ExecuteStockClick, RowFlagTwoWantsNoGaps) {
    Table t;
    t.param(262, 3);
    t.param(204, 2);
    t.param(205, 2);
    t.param(206, 2);
    t.row(0, {S(1)});
    t.row(2, {S(3)});
    t.stock({D(1), D(2), D(3), D(4)});
    const auto before = t.snapshot();
    EXPECT_FALSE(t.executor.StockClick().changed);
    EXPECT_EQ(t.feedback.messages, std::vector<std::string>{"Before deal, fill any gaps in the tableau"});
    EXPECT_EQ(t.snapshot(), before);
    t.row(1, {S(2)});
    EXPECT_TRUE(t.executor.StockClick().changed);
    EXPECT_EQ(t.stock(), pileText({D(1)}));
    EXPECT_EQ(t.row(2), pileText({S(3), D(2)}));
}

TEST(ExecuteStockClick, ChoosesTheActionByTheGamesParameters) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> params;
        int stockCards;
        std::string waste;
        std::string secondWaste;
        std::vector<int> reserveCounts;  // reserves 1, 2
        std::vector<int> rowCounts;      // rows 1, 2
    };
    const std::string w = pileText({C(13)});
    const Case cases[] = {
        {"waste", {{8, 1}}, 5, w + pileText({D(5)}), "", {0, 0}, {1, 1}},
        {"waste only when empty", {{8, 1}, {15, 1}}, 5, w, "", {0, 0}, {1, 1}},
        {"last row flag 1", {{205, 1}}, 5, w, "", {0, 0}, {1, 2}},
        {"reserve mode 1", {{238, 1}, {239, 1}}, 5, w, "", {1, 1}, {1, 1}},
        {"last reserve flag 1", {{238, 5}, {239, 1}}, 5, w, "", {0, 1}, {1, 1}},
        {"reserve mode 3, eight cards", {{238, 3}, {239, 3}}, 8, w, "", {0, 0}, {2, 2}},
        {"reserve mode 3", {{238, 3}, {239, 3}}, 5, w, "", {2, 2}, {1, 1}},
        {"second waste", {{258, 1}}, 5, w, pileText({D(5)}), {0, 0}, {1, 1}},
        {"nothing", {}, 5, w, "", {0, 0}, {1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Table t;
        t.param(262, 2);
        t.param(263, 2);
        t.row(0, {S(1)});
        t.row(1, {S(2)});
        t.waste({C(13)});
        for (auto [n, v] : c.params) t.param(n, v);
        for (int i = 1; i <= c.stockCards; ++i) t.stock() += cardCode(D(i));  // D(n) on top
        t.executor.StockClick();
        EXPECT_EQ(t.waste(), c.waste);
        EXPECT_EQ(t.secondWaste(), c.secondWaste);
        EXPECT_EQ((std::vector<int>{cardCount(t.reserve(1)), cardCount(t.reserve(2))}), c.reserveCounts);
        EXPECT_EQ((std::vector<int>{cardCount(t.row(0)), cardCount(t.row(1))}), c.rowCounts);
    }
}

TEST(ExecuteStockClick, ReserveModeFourAlternatesThreeCardsAtATime) {
    Table t;
    t.param(263, 2);
    t.param(238, 4);
    t.param(239, 4);
    t.stock({D(1), D(2), D(3), D(4), D(5), D(6), D(7), D(8)});
    EXPECT_TRUE(t.executor.StockClick().changed);
    EXPECT_EQ(t.reserve(1), pileText({D(8), D(7), D(6)}));
    EXPECT_TRUE(t.executor.StockClick().changed);
    EXPECT_EQ(t.reserve(2), pileText({D(5), D(4), D(3)}));
    EXPECT_TRUE(t.executor.StockClick().changed);
    EXPECT_EQ(t.reserve(1), pileText({D(8), D(7), D(6), D(2), D(1)}));
    EXPECT_EQ(t.game.play.stockClicks, 3);
    EXPECT_EQ(t.stock(), "");
}

TEST(ExecuteStockClick, FamilyFourWithASelectionIsLeftToThePairingPick) {
    Table t;
    t.param(35, 4);
    t.param(8, 1);
    t.stock({D(1)});
    t.foundation(0, {S(12)});
    const auto result = t.executor.StockClick();
    EXPECT_TRUE(result.pairingPick);
    EXPECT_EQ(t.stock(), pileText({D(1)}));
}

TEST(ExecuteStockClick, FamiliesTwoAndFifteenEndTheWonGame) {
    for (int family : {2, 15, 3}) {
        SCOPED_TRACE(family);
        Table t;
        t.param(35, family);
        t.param(258, 1);
        t.stock({D(1)});
        const auto result = t.executor.StockClick();
        EXPECT_TRUE(result.changed);
        EXPECT_TRUE(t.game.won);
        EXPECT_EQ(result.endGame, family != 3);
    }
}

}  // namespace
}  // namespace vantrel::exec_test
