// The text picture of a laid-out table and the option that asks for it.
#include <gtest/gtest.h>

#include "layout_support.h"
#include "model/game.h"
#include "view/layout/layout_report.h"

namespace vantrel::test {
namespace {

TEST(LayoutOption, ReadsEveryKeyInAnyOrder) {
    LayoutArea a;
    std::string error;
    ASSERT_TRUE(parseLayoutOption("card=M,width=800,height=600,top=33,bottom=514,screen=1024x768,winh=560,shadow=9",
                                  a, error))
        << error;
    EXPECT_EQ(a.width, 800);
    EXPECT_EQ(a.height, 600);
    EXPECT_EQ(a.top, 33);
    EXPECT_EQ(a.bottom, 514);
    EXPECT_EQ(a.screenW, 1024);
    EXPECT_EQ(a.screenH, 768);
    EXPECT_EQ(a.winH, 560);
    EXPECT_EQ(a.shadow, 9);
    EXPECT_EQ(a.cardSize, 'M');
    EXPECT_EQ(a.scrollPosition, 0);
}

TEST(LayoutOption, RejectsBadTextNamingThePart) {
    const std::string good = "width=800,height=600,top=33,bottom=514,screen=1024x768,winh=560,shadow=9,card=B";
    struct Case {
        std::string text, mentions;
    };
    const Case cases[] = {
        {"width=800,height=600,top=33,bottom=514,screen=1024x768,winh=560,shadow=9", "card"},
        {"width=8OO,height=600,top=33,bottom=514,screen=1024x768,winh=560,shadow=9,card=B", "width"},
        {"width=800,height=600,top=33,bottom=514,screen=1024,winh=560,shadow=9,card=B", "screen"},
        {"width=800,height=600,top=33,bottom=514,screen=1024xabc,winh=560,shadow=9,card=B", "screen height"},
        {"width=800,height=600,top=33,bottom=514,screen=1024x768,winh=560,shadow=9,card=X", "card"},
        {good + ",depth=3", "depth"},
        {good + ",width=900", "width given twice"},
        {"width=99999,height=600,top=33,bottom=514,screen=1024x768,winh=560,shadow=9,card=B", "width"},
        {"", "width is missing"},
    };
    for (const Case& c : cases) {
        LayoutArea a;
        a.width = 1234;
        std::string error;
        EXPECT_FALSE(parseLayoutOption(c.text, a, error)) << c.text;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
        EXPECT_EQ(a.width, 1234) << "left unchanged on failure";
    }
}

class LayoutReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        TableDef def;
        def.tableau = {2, 1, 2};
        def.stock = {1, 4, 2};
        def.foundations = {1, 9, 1};
        def.reserves = {3, 99, 1};  // an arrangement nobody knows: stays unplaced
        game.params = paramsFor(def);
        game.piles.tableau[0] = "001002003";
        game.cards.setFace(1, '0');
        game.piles.stock[0] = "040041";
        game.piles.reserves[0] = "030";
        area = screenArea(800, 600);
        area.shadow = 0;
    }
    Game game;
    LayoutArea area;
};

TEST_F(LayoutReportTest, PositionsFanRoomAndCards) {
    const std::vector<std::string> lines = layoutReport(game, area);
    // W 782: K = (782 - 142) / 3 -> 20, FX0 = (782 - 162) / 2 = 310; the stock on row 1
    // puts R1 at 33 + 10 + 15 = 58, R2 at 164.
    const std::vector<std::string> want = {
        "pos Mazzo 310 58",
        "pos Mazzo_Vis 401 58",
        "pos Mazzo_Waste -10000 -10000",
        "pos Dest1 401 58",
        "pos Fila1 310 164",
        "pos Fila2 401 164",
        "pos Appogg1 -10003 -10003",
        "fan 106 71",
        "card Mazzo 0 310 58",
        "card Mazzo 1 310 58",
        "card Fila1 0 310 164",
        "card Fila1 1 310 168",
        "card Fila1 2 310 186",
    };
    EXPECT_EQ(lines, want);
}

TEST_F(LayoutReportTest, LeavesTheGameAlone) {
    game.positions.set(PileGroup::Tableau, 0, 7, 8);
    game.positions.scrollOffset = 25;
    layoutReport(game, area);
    EXPECT_EQ(game.positions.x(PileGroup::Tableau, 0), 7);
    EXPECT_EQ(game.positions.scrollOffset, 25);
}

TEST_F(LayoutReportTest, CardSizeChangesSteps) {
    area.cardSize = 'L';
    const std::vector<std::string> lines = layoutReport(game, area);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back().substr(0, 12), "card Fila1 2");
    // Small cards step 3 whatever their face.
    const int y0 = std::stoi(lines[lines.size() - 3].substr(lines[lines.size() - 3].rfind(' ')));
    const int y2 = std::stoi(lines.back().substr(lines.back().rfind(' ')));
    EXPECT_EQ(y2 - y0, 6);
}

}  // namespace
}  // namespace vantrel::test
