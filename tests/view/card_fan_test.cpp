// Fan steps, card places inside piles and the untidy-pile offsets.
#include <gtest/gtest.h>

#include <random>

#include "model/card_table.h"
#include "model/game_params.h"
#include "model/pile_positions.h"
#include "model/piles.h"
#include "view/layout/card_fan.h"
#include "view/layout/layout_inputs.h"
#include "model/param_ids.h"

namespace vantrel {
namespace {

TEST(FanSteps, ByCardSizeAndMode) {
    struct Case {
        char size;
        int tableauMode, reserveMode;
        FanSteps want;
    };
    const Case cases[] = {
        {'B', 1, 0, {18, 4, 0, 0, 0, 3, 6}}, {'M', 1, 0, {14, 4, 0, 0, 0, 3, 6}},
        {'L', 1, 0, {3, 3, 0, 0, 0, 3, 6}},  {'B', 2, 0, {0, 0, 12, 4, 0, 3, 6}},
        {'M', 3, 2, {0, 0, 10, 4, 0, 3, 6}}, {'B', 6, 0, {0, 0, 0, 0, 7, 3, 6}},
        {'M', 6, 0, {0, 0, 0, 0, 5, 3, 6}},  {'?', 1, 0, {18, 4, 0, 0, 0, 3, 6}},
    };
    for (const Case& c : cases) {
        const FanSteps s = fanSteps(c.size, c.tableauMode, c.reserveMode);
        EXPECT_EQ(s.downFaceUp, c.want.downFaceUp) << c.size << c.tableauMode;
        EXPECT_EQ(s.downFaceDown, c.want.downFaceDown) << c.size << c.tableauMode;
        EXPECT_EQ(s.sideFaceUp, c.want.sideFaceUp) << c.size << c.tableauMode;
        EXPECT_EQ(s.sideFaceDown, c.want.sideFaceDown) << c.size << c.tableauMode;
        EXPECT_EQ(s.tightSide, c.want.tightSide) << c.size << c.tableauMode;
    }
}

TEST(FanSteps, TightSidewaysStepKeptOutsideMode6) {
    const FanSteps before = fanSteps('B', 6, 0);
    EXPECT_EQ(fanSteps('M', 1, 0, before).tightSide, 7);
    EXPECT_EQ(fanSteps('M', 6, 0, before).tightSide, 5);
}

// A table with one pile per group of interest, cards 1..4 with the first
// two face down.
class CardPlaces : public ::testing::Test {
protected:
    void SetUp() override {
        positions.set(PileGroup::Tableau, 0, 100, 50);
        positions.set(PileGroup::Foundation, 0, 300, 20);
        positions.set(PileGroup::Reserve, 0, 500, 20);
        positions.set(PileGroup::Stock, 0, 10, 20);
        for (PileRef ref : {tableau, foundation, reserve, stock}) piles.pile(ref) = "001002003004";
        cards.setFace(1, '0');
        cards.setFace(2, '0');
    }
    CardPoint at(PileRef ref, int leftOut, bool include, const JitterTables* untidy = nullptr) {
        const CardFanContext ctx{piles, cards, positions, params,
                                 fanSteps('B', params[param::TableauDisplay], params[param::ReserveDisplay]), 71,
                                 untidy};
        return cardPoint(ctx, ref, leftOut, include);
    }
    void modes(int tableau, int foundation, int reserve) {
        params.set(param::TableauDisplay, tableau);
        params.set(param::FoundationDisplay, foundation);
        params.set(param::ReserveDisplay, reserve);
    }

    Piles piles;
    CardTable cards;
    PilePositions positions;
    GameParams params;
    const PileRef tableau{PileGroup::Tableau, 0};
    const PileRef foundation{PileGroup::Foundation, 0};
    const PileRef reserve{PileGroup::Reserve, 0};
    const PileRef stock{PileGroup::Stock, 0};
};

TEST_F(CardPlaces, DownwardFanByFaceDigit) {
    modes(1, 1, 1);
    // Card e lies at leftOut = 4 - e with the include flag.
    const int wantY[] = {50, 54, 58, 76};
    for (int e = 0; e < 4; ++e) {
        EXPECT_EQ(at(tableau, 4 - e, true).y, wantY[e]) << e;
        EXPECT_EQ(at(tableau, 4 - e, true).x, 100) << e;
        EXPECT_EQ(at(foundation, 4 - e, true).y, wantY[e] - 30) << e;
        EXPECT_EQ(at(reserve, 4 - e, true).y, wantY[e] - 30) << e;
    }
    // Without it: the top card, then the top card with one left out.
    EXPECT_EQ(at(tableau, 0, false).y, 76);
    EXPECT_EQ(at(tableau, 1, false).y, 58);
    EXPECT_EQ(at(tableau, 0, true).y, 94);  // where a fifth card would go
    EXPECT_EQ(at(tableau, 9, false).y, 50);  // more left out than there are cards
}

TEST_F(CardPlaces, SidewaysModes) {
    struct Case {
        int mode;
        int tableauX, foundationX;  // of the top card
    };
    const Case cases[] = {
        {2, 100 + 4 + 4 + 12, 300 + 4 + 4 + 12},
        {4, 100 + 3 * 77, 300 + 3 * 77},
        {6, 100 + 3 * 7, 300},  // only the tableau has the tight fan
        {3, 100, 300},
    };
    for (const Case& c : cases) {
        modes(c.mode, c.mode, 0);
        EXPECT_EQ(at(tableau, 0, false).x, c.tableauX) << c.mode;
        EXPECT_EQ(at(tableau, 0, false).y, 50) << c.mode;
        EXPECT_EQ(at(foundation, 0, false).x, c.foundationX) << c.mode;
    }
}

TEST_F(CardPlaces, TightDownOnlyForReserves) {
    modes(5, 5, 5);
    EXPECT_EQ(at(reserve, 0, false).y, 20 + 9);
    EXPECT_EQ(at(tableau, 0, false).y, 50);
    EXPECT_EQ(at(foundation, 0, false).y, 20);
}

TEST_F(CardPlaces, OneStepDownWhenAnyCardCounted) {
    modes(1, 7, 0);
    EXPECT_EQ(at(foundation, 0, false).y, 20 + 18);
    EXPECT_EQ(at(foundation, 3, false).y, 20);  // only the bottom card: nothing counted
    EXPECT_EQ(at(foundation, 0, false).x, 300);
}

TEST_F(CardPlaces, StockAndScroll) {
    modes(1, 1, 1);
    positions.scrollOffset = 15;
    EXPECT_EQ(at(stock, 0, false).x, 10);
    EXPECT_EQ(at(stock, 0, false).y, 5);
    EXPECT_EQ(at(tableau, 0, false).y, 76 - 15);
}

TEST_F(CardPlaces, UntidyPilesShiftFannedTableauOnly) {
    JitterTables tables{};
    tables[0] = {0, 1, -1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    modes(1, 1, 1);
    EXPECT_EQ(at(tableau, 0, false, &tables).x, 100 + 0 + 1 - 1);
    EXPECT_EQ(at(tableau, 0, true, &tables).x, 100 + 2);
    EXPECT_EQ(at(foundation, 0, true, &tables).x, 300);
    modes(2, 1, 1);
    EXPECT_EQ(at(tableau, 0, true, &tables).x, 100 + 4 + 4 + 12 + 12);
}

TEST(UntidyPiles, ScriptedDraws) {
    int calls = 0;
    const JitterTables t = buildJitterTables([&calls](int max) {
        EXPECT_EQ(max, 3);
        ++calls;
        return 3;
    });
    EXPECT_EQ(calls, 7 * 13);
    const JitterTable want{0, 0, -1, 0, -1, 0, 1, 0, -1, 0, 1, 0, -1};
    for (const JitterTable& table : t) EXPECT_EQ(table, want);
}

TEST(UntidyPiles, RunningSumStaysNearTheColumn) {
    std::mt19937 gen(7);
    for (int round = 0; round < 200; ++round) {
        const JitterTables t = buildJitterTables([&gen](int max) {
            return std::uniform_int_distribution<int>(0, max)(gen);
        });
        for (const JitterTable& table : t) {
            EXPECT_EQ(table[0], 0);
            int sum = 0;
            for (int v : table) {
                sum += v;
                EXPECT_GE(sum, -2);
                EXPECT_LE(sum, 2);
            }
        }
    }
}

TEST(UntidyPiles, PileAndCardIndexWrap) {
    JitterTables t{};
    for (int p = 0; p < 7; ++p)
        for (int k = 0; k < 13; ++k) t[static_cast<size_t>(p)][static_cast<size_t>(k)] = p * 100 + k;
    struct Case {
        int pile, card, want;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{6, 12, 612}, Case{7, 1, 101}, Case{8, 13, 201}, Case{12, 24, 0},
                          Case{3, 25, 301}, Case{-1, 3, 0}}) {
        EXPECT_EQ(jitterOffset(t, c.pile, c.card), c.want) << c.pile << "/" << c.card;
    }
}

}  // namespace
}  // namespace vantrel
