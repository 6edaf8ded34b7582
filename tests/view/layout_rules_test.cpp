// The layout's arithmetic on hand-checked tables.
#include <gtest/gtest.h>

#include "view/layout/layout.h"

namespace vantrel {
namespace {

constexpr PileGroup Tab = PileGroup::Tableau;
constexpr PileGroup Dest = PileGroup::Foundation;
constexpr PileGroup Appogg = PileGroup::Reserve;
constexpr PileGroup Stock = PileGroup::Stock;

LayoutInputs area(int width = 800, int height = 600) {
    LayoutInputs in;
    in.width = width;
    in.height = height;
    in.winH = height;
    in.top = 5;
    in.bottom = height - 40;
    in.screenW = 1024;
    in.screenH = 768;
    return in;
}

GroupPlacement group(char row, int arrangement, int count) { return {{row, arrangement}, count}; }

struct Laid {
    PilePositions pos;
    LayoutResult result;
};

Laid lay(const LayoutInputs& in) {
    Laid l;
    l.result = Layout(in, l.pos);
    return l;
}

TEST(LayoutRow, SevenCentredPilesOn800) {
    LayoutInputs in = area();
    in.tableau = group('1', 1, 7);
    const Laid l = lay(in);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(l.pos.x(Tab, i), 90 + 91 * i) << i;
        EXPECT_EQ(l.pos.y(Tab, i), 15) << i;
    }
    EXPECT_FALSE(l.pos.placed(Tab, 7));
}

TEST(LayoutRow, LeftRoomGapAboveTwentyBecomesFifteen) {
    struct Case {
        int width, gap, firstX;
    };
    // W - 600 over 9: 1318/9 -> 15 (not 20), 180/9 = 20 stays, 164/9 = 18, below 4 -> 4.
    for (const Case& c : {Case{1920, 15, 703}, Case{784, 20, 120}, Case{766, 18, 117}, Case{600, 4, 96}}) {
        LayoutInputs in = area(c.width);
        in.tableau = group('2', 3, 7);
        const Laid l = lay(in);
        EXPECT_EQ(l.pos.x(Tab, 1) - l.pos.x(Tab, 0), 71 + c.gap) << c.width;
        EXPECT_EQ(l.pos.x(Tab, 0), c.firstX) << c.width;
    }
}

TEST(LayoutArea, HeightBelow500IsSmall) {
    struct Case {
        int height, firstY, firstX;
    };
    for (const Case& c : {Case{499, 10, 85}, Case{500, 15, 90}}) {
        LayoutInputs in = area(800, c.height);
        in.tableau = group('1', 1, 7);
        const Laid l = lay(in);
        EXPECT_EQ(l.pos.y(Tab, 0), c.firstY) << c.height;
        EXPECT_EQ(l.pos.x(Tab, 0), c.firstX) << c.height;
    }
}

TEST(LayoutFoundations, OverLastTableauPiles) {
    LayoutInputs in = area();
    in.tableau = group('2', 1, 7);
    in.foundations = group('1', 7, 4);
    const Laid l = lay(in);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(l.pos.x(Dest, i), l.pos.x(Tab, 3 + i));
        EXPECT_EQ(l.pos.y(Dest, i), 15);
    }
    EXPECT_EQ(l.pos.y(Tab, 0), 15 + 10 + 96);
    EXPECT_FALSE(l.pos.placed(Dest, 4));
}

TEST(LayoutFoundations, AfterTheWasteOrStock) {
    for (bool waste : {true, false}) {
        LayoutInputs in = area();
        in.tableau = group('2', 11, 6);
        in.stock = group('1', 11, 2);
        in.hasStockPile = true;
        in.hasWastePile = waste;
        in.foundations = group('2', 17, 4);
        const Laid l = lay(in);
        const int anchor = waste ? 1 : 0;
        EXPECT_EQ(l.pos.x(Dest, 0), l.pos.x(Stock, anchor) + 71 + 20) << waste;
        EXPECT_EQ(l.pos.y(Dest, 0), l.pos.y(Stock, anchor)) << waste;
        EXPECT_EQ(l.pos.x(Dest, 1) - l.pos.x(Dest, 0), 74) << waste;
    }
}

TEST(LayoutCollision, ReservesPushCentredRowAside) {
    LayoutInputs in = area();
    in.tableau = group('2', 2, 8);
    in.reserves = group('2', 5, 4);
    const Laid l = lay(in);
    EXPECT_EQ(l.pos.x(Appogg, 3), 10 + 3 * 81);
    EXPECT_EQ(l.result.passes, 2);
    EXPECT_EQ(l.pos.x(Tab, 0), 253 + 71 + 86);
    EXPECT_EQ(l.pos.x(Tab, 1), 253 + 71 + 86 + 81);
}

TEST(LayoutCollision, ReservesInTheRowAboveLeaveTheRowCentred) {
    LayoutInputs in = area();
    in.tableau = group('2', 2, 8);
    in.reserves = group('1', 5, 4);
    const Laid l = lay(in);
    EXPECT_EQ(l.result.passes, 1);
    EXPECT_EQ(l.pos.x(Tab, 0), (798 - 568 - 70) / 2);
}

TEST(LayoutCollision, RowThatCannotMoveEndsAfterOneExtraPass) {
    LayoutInputs in = area();
    in.tableau = group('2', 1, 7);
    in.reserves = group('2', 5, 4);
    const Laid l = lay(in);
    EXPECT_EQ(l.result.passes, 2);
    EXPECT_EQ(l.pos.x(Tab, 0), 90);
}

TEST(LayoutRows, BottomRowFollowsWindowWhenItFillsTheScreen) {
    struct Case {
        int winH, y;
    };
    // 0.8 x 768 = 614.4: the window counts as filling the screen from 615 on.
    for (const Case& c : {Case{614, 768 - 30 - 96}, Case{615, 615 - 50 - 96}, Case{700, 700 - 50 - 96}}) {
        LayoutInputs in = area();
        in.winH = c.winH;
        in.tableau = group('5', 1, 3);
        EXPECT_EQ(lay(in).pos.y(Tab, 0), c.y) << c.winH;
    }
}

TEST(LayoutRows, StockRowShiftsRowsAndUndefinedDigitsTakeRowOne) {
    struct Case {
        char stockRow;
        int stockArrangement;
        char tableauRow;
        int y;
    };
    const Case cases[] = {
        {'1', 5, '1', 5 + 10 + 15},             // R1 gains 15
        {'2', 5, '2', 5 + 10 + 10 + 96 + 15},   // R2 gains 15
        {'1', 3, '2', 5 + 25 + 106 + 15},       // both
        {'4', 5, '6', 5 + 10 + 106 + 53},       // R6 half way between rows 2 and 3
        {'4', 5, '9', 15},
        {'4', 5, '0', 15}, {'4', 5, '7', 15}, {'4', 5, '8', 15},
    };
    for (const Case& c : cases) {
        LayoutInputs in = area();
        in.stock = group(c.stockRow, c.stockArrangement, 1);
        in.tableau = group(c.tableauRow, 2, 4);
        EXPECT_EQ(lay(in).pos.y(Tab, 0), c.y) << c.stockRow << c.stockArrangement << c.tableauRow;
    }
}

TEST(LayoutRows, TightRowsFor015) {
    for (const auto& [row, y] : {std::pair{'1', 20}, std::pair{'2', 20 + 5 + 96}, std::pair{'3', 20 + 2 * 101}}) {
        LayoutInputs in = area();
        in.tableau = group(row, 15, 5);
        EXPECT_EQ(lay(in).pos.y(Tab, 0), y) << row;
    }
}

TEST(LayoutFanRoom, DownToTheNextOccupiedRow) {
    struct Case {
        char tableauRow;
        char foundationRow;
        int foundations;
        int mode;
        int room;
    };
    const Case cases[] = {
        {'1', '2', 4, 1, 106},         {'1', '3', 4, 1, 212},  {'1', '2', 0, 1, 600 - 15},
        {'2', '4', 4, 1, 212},         {'3', '1', 4, 1, 600 - 227}, {'4', '5', 4, 1, 96},
        {'1', '2', 4, 3, 96},
    };
    for (const Case& c : cases) {
        LayoutInputs in = area();
        in.tableauFanMode = c.mode;
        in.tableau = group(c.tableauRow, 1, 7);
        in.foundations = group(c.foundationRow, 2, c.foundations);
        const LayoutResult r = lay(in).result;
        EXPECT_EQ(r.fanRoomV, c.room) << c.tableauRow << c.foundationRow << c.foundations;
        EXPECT_EQ(r.fanRoomH, 71);
    }
}

TEST(LayoutFanRoom, SidewaysToTheNextPileOrTheFoundations) {
    LayoutInputs in = area();
    in.tableauFanMode = 2;
    in.tableau = group('2', 1, 7);
    in.foundations = group('1', 2, 4);
    EXPECT_EQ(lay(in).result.fanRoomH, 91);
    // A multi-row table whose second pile starts the next row.
    in.tableau = group('1', 10, 2);
    in.tableauRows = 2;
    const Laid l = lay(in);
    EXPECT_EQ(l.result.fanRoomH, l.pos.x(Dest, 0) - 15);
}

TEST(LayoutStock, AboveTheTableauByPileKinds) {
    struct Case {
        bool stock, waste;
        bool slot0, slot1;
        int slot0Pile, slot1Pile;
    };
    const Case cases[] = {{true, true, true, true, 0, 1},
                          {false, true, false, true, -1, 0},
                          {true, false, true, false, 0, -1},
                          {false, false, false, false, -1, -1}};
    for (const Case& c : cases) {
        LayoutInputs in = area();
        in.tableau = group('2', 1, 7);
        in.stock = group('1', 4, 2);
        in.hasStockPile = c.stock;
        in.hasWastePile = c.waste;
        const Laid l = lay(in);
        EXPECT_EQ(l.pos.placed(Stock, 0), c.slot0);
        EXPECT_EQ(l.pos.placed(Stock, 1), c.slot1);
        if (c.slot0) {
            EXPECT_EQ(l.pos.x(Stock, 0), l.pos.x(Tab, c.slot0Pile));
        }
        if (c.slot1) {
            EXPECT_EQ(l.pos.x(Stock, 1), l.pos.x(Tab, c.slot1Pile));
        }
    }
}

TEST(LayoutStock, ExistingPileOnlyFor016And019) {
    for (const auto& [arrangement, offset] : {std::pair{16, 30}, std::pair{19, 60}}) {
        for (bool stock : {true, false}) {
            LayoutInputs in = area(1024);
            in.tableau = group('2', 11, 6);
            in.stock = group('2', arrangement, 1);
            in.hasStockPile = stock;
            in.hasWastePile = !stock;
            const Laid l = lay(in);
            const int slot = stock ? 0 : 1;
            EXPECT_EQ(l.pos.x(Stock, slot), l.pos.x(Tab, 0) - 71 - offset);
            EXPECT_FALSE(l.pos.placed(Stock, 1 - slot));
        }
    }
}

TEST(LayoutStock, CentredRowKeepsRoomUnderTheStock) {
    LayoutInputs in = area(800);
    in.shadow = 9;
    in.stock = group('1', 4, 2);
    in.hasStockPile = in.hasWastePile = true;
    in.tableau = group('2', 14, 9);
    const Laid l = lay(in);
    // W 798: K 15, FX 19 < F 34 -> K 15 - 2 = 13 and FX 34; pile 1 keeps 15.
    EXPECT_EQ(l.pos.x(Tab, 0), 34);
    EXPECT_EQ(l.pos.x(Tab, 1) - l.pos.x(Tab, 0), 71 + 15);
    EXPECT_EQ(l.pos.x(Tab, 2) - l.pos.x(Tab, 1), 71 + 13);
}

TEST(LayoutReserves, Arrangements) {
    struct Case {
        int arrangement, count, tableauCount;
        int firstFromPile0;  // AX[0] - FX[0]
        int step;            // AX[1] - AX[0], 0 for a single reserve
    };
    // 002 row: K = 10 on 800, P = 3.
    const Case cases[] = {
        {6, 4, 8, 0, 71 + 3},
        {4, 4, 8, 0, 81},
        {7, 2, 8, 6 * 81, 81},
        {12, 1, 7, -71 - 45, 0},
        {12, 1, 8, -71 - 22, 0},
    };
    for (const Case& c : cases) {
        LayoutInputs in = area();
        in.tableau = group('2', 2, c.tableauCount);
        in.reserves = group('1', c.arrangement, c.count);
        const Laid l = lay(in);
        EXPECT_EQ(l.pos.x(Appogg, 0) - l.pos.x(Tab, 0), c.firstFromPile0) << c.arrangement;
        if (c.step != 0) {
            EXPECT_EQ(l.pos.x(Appogg, 1) - l.pos.x(Appogg, 0), c.step) << c.arrangement;
        }
        EXPECT_EQ(l.pos.y(Appogg, 0), 15);
        EXPECT_FALSE(l.pos.placed(Appogg, c.count));
    }
}

TEST(LayoutReserves, UnderTheWaste) {
    LayoutInputs in = area();
    in.stock = group('1', 13, 2);
    in.tableau = group('3', 1, 7);
    in.reserves = group('2', 11, 1);
    const Laid l = lay(in);
    EXPECT_EQ(l.pos.x(Appogg, 0), l.pos.x(Stock, 1));
    EXPECT_EQ(l.pos.y(Appogg, 0), 30 + 106);  // a stock on row 1 lowers the rows by 15
}

TEST(LayoutSecondWaste, Arrangements) {
    struct Case {
        int arrangement;
        char row;
        int y;
    };
    // Rows: R1 15, R2 121, R3 227. 016 goes just below the row above its digit.
    const Case cases[] = {{16, '3', 121 + 15 + 96 + 5}, {16, '1', 15 + 15 + 96 + 5}, {6, '3', 227}, {7, '1', 15}};
    for (const Case& c : cases) {
        LayoutInputs in = area();
        in.stock = group('4', 13, 1);
        in.hasStockPile = true;
        in.tableau = group('2', 2, 5);
        in.secondWaste = group(c.row, c.arrangement, 1);
        const Laid l = lay(in);
        const int x = c.arrangement == 16 ? l.pos.x(Stock, 0) : c.arrangement == 6 ? l.pos.x(Tab, 1) : l.pos.x(Tab, 4);
        EXPECT_EQ(l.pos.x(Stock, 2), x) << c.arrangement << c.row;
        EXPECT_EQ(l.pos.y(Stock, 2), c.y) << c.arrangement << c.row;
    }
}

TEST(LayoutTableau, FanRowsPutTheWholeFirstRowOnRowOne) {
    LayoutInputs in = area();
    in.tableau = group('1', 10, 7);
    in.tableauRows = 2;  // 3 a row: 0-2, 3-5, 6
    const Laid l = lay(in);
    const int rowY[] = {15, 15, 15, 121, 121, 121, 227};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(l.pos.y(Tab, i), rowY[i]) << i;
    EXPECT_EQ(l.pos.x(Tab, 0), 15);
    EXPECT_EQ(l.pos.x(Tab, 1), 15 + 71 + 60);
    EXPECT_EQ(l.pos.x(Tab, 3), 15);
    EXPECT_EQ(l.pos.x(Tab, 6), 15);
}

TEST(LayoutTableau, WideRowsInTheFourRowBlock) {
    LayoutInputs in = area();
    in.tableau = group('1', 18, 8);
    in.tableauRows = 2;
    const Laid l = lay(in);
    const int q1 = 5 + (555 - 414) / 2;
    // per 4: K = max((798 - 286) / 5, 106) = 106
    EXPECT_EQ(l.pos.y(Tab, 0), q1);
    EXPECT_EQ(l.pos.y(Tab, 3), q1);
    EXPECT_EQ(l.pos.y(Tab, 4), q1 + 106);
    EXPECT_EQ(l.pos.x(Tab, 0), 20);
    EXPECT_EQ(l.pos.x(Tab, 1), 20 + 71 + 106);
    EXPECT_EQ(l.pos.x(Tab, 4), 20);
}

TEST(LayoutTableau, UnderTheFoundations) {
    LayoutInputs in = area();
    in.tableau = group('2', 20, 6);
    in.foundations = group('1', 1, 8);
    const Laid l = lay(in);
    const int left = l.pos.x(Dest, 0);
    const int right = l.pos.x(Dest, 7) + 71;
    const int span = 6 * 71 + 5 * 10;
    EXPECT_EQ(l.pos.x(Tab, 0), left + (right - left - span) / 2);
    EXPECT_EQ(l.pos.x(Tab, 5) + 71 - l.pos.x(Tab, 0), span);
}

TEST(LayoutTableau, StaircaseClearsTheStockOnNarrowAreas) {
    LayoutInputs in = area(400);
    in.tableau = group('1', 54, 7);
    const Laid l = lay(in);
    EXPECT_GT(l.pos.x(Tab, 5), 40 + 71 + 3);
    EXPECT_LE(l.pos.x(Tab, 5), 40 + 71 + 3 + 3);
    // The second waste moves right of the widest step.
    EXPECT_EQ(l.pos.x(Stock, 2), l.pos.x(Tab, 5) + 6 * 71 + 30 + 3);
}

TEST(LayoutGuards, DegenerateGroupsLaidOutAsOneRow) {
    struct Case {
        int arrangement, count, rows;
    };
    for (const Case& c : {Case{14, 1, 1}, Case{15, 1, 1}, Case{10, 5, 0}, Case{10, 3, 4}, Case{18, 5, 0},
                          Case{18, 3, 4}, Case{18, 4, -2}}) {
        LayoutInputs in = area(c.count == 1 ? 80 : 800);
        in.stock = group('4', 99, 1);  // raises the left limit to 3 + 9
        in.shadow = 9;
        in.tableau = group('2', c.arrangement, c.count);
        in.tableauRows = c.rows;
        const Laid l = lay(in);
        for (int i = 0; i < c.count; ++i) {
            EXPECT_TRUE(l.pos.placed(Tab, i)) << c.arrangement << " " << i;
            EXPECT_EQ(l.pos.y(Tab, i), l.pos.y(Tab, 0)) << c.arrangement << " " << i;
            if (i > 0) {
                EXPECT_GT(l.pos.x(Tab, i), l.pos.x(Tab, i - 1) + 70) << c.arrangement << " " << i;
            }
        }
        if (c.count == 1) {
            EXPECT_EQ(l.pos.x(Tab, 0), 12) << c.arrangement;
        }
    }
}

TEST(LayoutGuards, NoFoundationsPlacesNone) {
    for (int arrangement : {1, 2, 7, 8, 9, 13, 17}) {
        LayoutInputs in = area();
        in.tableau = group('2', 1, 7);
        in.foundations = group('1', arrangement, 0);
        const Laid l = lay(in);
        for (int i = 0; i < FoundationPiles; ++i) EXPECT_FALSE(l.pos.placed(Dest, i)) << arrangement;
        EXPECT_TRUE(l.pos.placed(Tab, 6));
    }
}

TEST(LayoutGuards, RowUnderMissingFoundationsIsCentred) {
    LayoutInputs in = area();
    in.tableau = group('2', 20, 4);
    const Laid l = lay(in);
    EXPECT_EQ(l.pos.x(Tab, 0), (798 - 4 * 71 - 30) / 2);
    EXPECT_EQ(l.pos.x(Tab, 1) - l.pos.x(Tab, 0), 81);
}

TEST(LayoutGuards, CountsBeyondTheTableAreClamped) {
    LayoutInputs in = area(3000);
    in.tableau = group('2', 1, 400);
    in.foundations = group('1', 9, 300);
    in.reserves = group('3', 5, 50);
    in.stock = group('1', 5, 9);
    const Laid l = lay(in);
    EXPECT_TRUE(l.pos.placed(Tab, TableauPiles - 1));
    EXPECT_TRUE(l.pos.placed(Dest, FoundationPiles - 1));
    EXPECT_TRUE(l.pos.placed(Appogg, ReservePiles - 1));
    EXPECT_TRUE(l.pos.placed(Stock, 2));
}

TEST(LayoutGroups, UnknownArrangementsKeepWhatThePilesHad) {
    PilePositions pos;
    pos.set(Tab, 0, 123, 45);
    LayoutInputs in = area();
    in.tableau = group('2', 99, 7);
    in.foundations = group('1', 3, 4);
    in.reserves = group('1', 1, 4);
    in.stock = group('1', 1, 2);
    in.secondWaste = group('1', 1, 1);
    Layout(in, pos);
    EXPECT_EQ(pos.x(Tab, 0), 123);
    EXPECT_EQ(pos.y(Tab, 0), 45);
    EXPECT_FALSE(pos.placed(Tab, 1));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(pos.placed(Dest, i));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(pos.placed(Appogg, i));
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(pos.placed(Stock, i));
}

TEST(LayoutFinal, ScrollOffsetAndStockCopies) {
    LayoutInputs in = area();
    in.scrollPosition = 40;
    in.stock = group('1', 13, 2);
    in.tableau = group('2', 1, 7);
    PilePositions pos;
    const LayoutResult r = Layout(in, pos);
    EXPECT_EQ(pos.scrollOffset, 40);
    EXPECT_EQ(pos.rawY(Stock, 0), 30);
    EXPECT_EQ(pos.y(Stock, 0), -10);
    EXPECT_EQ(r.stockCopies[0].x, pos.x(Stock, 0));
    EXPECT_EQ(r.stockCopies[0].y, -10);
    EXPECT_EQ(r.stockCopies[0].rawY, 30);
    EXPECT_EQ(r.stockCopies[2].rawY, UnplacedStock);
}

}  // namespace
}  // namespace vantrel
