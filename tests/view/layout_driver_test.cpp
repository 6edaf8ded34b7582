#include <gtest/gtest.h>

#include "layout_support.h"
#include "model/game.h"
#include "view/layout/layout_driver.h"
#include "model/param_ids.h"

namespace vantrel::test {
namespace {

WindowMetrics window() {
    WindowMetrics w;
    w.windowWidth = 816;
    w.scrollBarWidth = 16;
    w.winH = 640;
    w.clientHeight = 590;
    w.screenW = 1024;
    w.screenH = 768;
    w.scrollPosition = 12;
    return w;
}

TEST(LayoutDriver, TopBelowTheFirstVisibleBar) {
    struct Case {
        bool demo, large, small;
        int top;
    };
    for (const Case& c : {Case{false, false, false, 5}, Case{true, true, true, 40}, Case{false, true, true, 60},
                          Case{false, false, true, 30}}) {
        WindowMetrics w = window();
        w.demoPanel = {c.demo, 0, 40};
        w.largeToolbar = {c.large, 4, 56};
        w.smallToolbar = {c.small, 2, 28};
        StateRecord state;
        EXPECT_EQ(layoutArea(state, w).top, c.top) << c.demo << c.large << c.small;
    }
}

TEST(LayoutDriver, AreaFromWindowAndState) {
    StateRecord state;
    state.write(field::Card_Size, "M");
    LayoutArea a = layoutArea(state, window());
    EXPECT_EQ(a.width, 800);
    EXPECT_EQ(a.height, 640);
    EXPECT_EQ(a.winH, 640);
    EXPECT_EQ(a.bottom, 589);
    EXPECT_EQ(a.shadow, 9);  // anything but "N" draws shadows
    EXPECT_EQ(a.cardSize, 'M');
    EXPECT_EQ(a.scrollPosition, 12);
    state.write(field::Cards_Shadowed, "N");
    state.write(field::Card_Size, "");
    a = layoutArea(state, window());
    EXPECT_EQ(a.shadow, 0);
    EXPECT_EQ(a.cardSize, 'B');
}

TEST(LayoutDriver, LaysOutTheCurrentGame) {
    Game game;
    TableDef def;
    def.tableau = {1, 1, 7};
    game.params = paramsFor(def);
    const LayoutResult r = LayoutDriver(game, window());
    EXPECT_EQ(game.positions.x(PileGroup::Tableau, 0), 90);
    EXPECT_EQ(game.positions.scrollOffset, 12);
    EXPECT_EQ(game.positions.y(PileGroup::Tableau, 0), 15 - 12);
    EXPECT_EQ(r.fanRoomV, 640 - 15);
}

}  // namespace
}  // namespace vantrel::test

namespace vantrel::test {
namespace {

TEST(PlacementCodes, RowDigitAndThreeDigitArrangement) {
    struct Case {
        int row, arrangement;
        std::string text;
    };
    // The row digit is the first character of the row slot's decimal text.
    for (const Case& c : {Case{2, 1, "2001"}, Case{1, 54, "1054"}, Case{12, 7, "1007"}, Case{0, 0, "0000"},
                          Case{-3, 5, "-005"}}) {
        GameParams p;
        p.set(param::TableauRow, c.row);
        p.set(param::TableauArrangement, c.arrangement);
        EXPECT_EQ(placementCode(p, param::TableauRow, param::TableauArrangement).text(), c.text);
    }
}

}  // namespace
}  // namespace vantrel::test
