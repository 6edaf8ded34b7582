// The solver on the shipped games: a won line replays through the script
// driver to "endgame won"; a blocked table is lost; the limit gives unknown;
// two runs agree.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "deal_setup.h"
#include "model/cards.h"
#include "model/game.h"
#include "play_driver.h"
#include "table_key.h"
#include "table_search.h"
#include "view/layout/layout_report.h"

namespace {

using namespace solitaire_solve;

constexpr const char* Layout = "width=1903,height=1080,top=40,bottom=1020,screen=1920x1080,winh=1080,shadow=9,card=B";

vantrel::LayoutArea area() {
    vantrel::LayoutArea a;
    std::string error;
    EXPECT_TRUE(vantrel::parseLayoutOption(Layout, a, error)) << error;
    return a;
}

std::unique_ptr<vantrel::Game> dealt(int game, const char* deal) {
    auto g = std::make_unique<vantrel::Game>();
    std::string error;
    EXPECT_TRUE(solitaire_deal::loadGame(*g, VANTREL_GAMES_DAT, game, error)) << error;
    EXPECT_TRUE(solitaire_deal::dealTable(*g, deal, nullptr));
    return g;
}

SearchResult solveDealt(vantrel::Game& g, SearchLimits limits = {}) {
    const vantrel::TableGeometry geometry = solitaire_deal::prepareScriptTable(g, area());
    return solve(g, geometry, limits);
}

struct WonCase {
    int game;
    const char* deal;
};

class SolvedLines : public ::testing::TestWithParam<WonCase> {};

TEST_P(SolvedLines, ReplayEndsWon) {
    auto g = dealt(GetParam().game, GetParam().deal);
    const SearchResult r = solveDealt(*g);
    ASSERT_EQ(r.outcome, Outcome::Won) << resultLine(r);
    std::stringstream script, out, err;
    for (const PointerAction& a : r.line) writeScript(script, a);
    auto fresh = dealt(GetParam().game, GetParam().deal);
    ASSERT_EQ(solitaire_deal::playScript(*fresh, area(), script, "line", out, err), 0) << err.str();
    EXPECT_NE(out.str().find("\nendgame won\n"), std::string::npos);
}

// FreeCell, Klondike, Whitehead (runs by suit), Alaska (runs of any order).
INSTANTIATE_TEST_SUITE_P(ShippedGames, SolvedLines,
                         ::testing::Values(WonCase{1, "3"}, WonCase{2, "3"}, WonCase{6, "1"}, WonCase{13, "2"}));

// FreeCell with every cell taken by a King, every Ace under five cards and
// only red cards on top: nothing can move.
TEST(Search, BlockedFreeCellIsLost) {
    auto g = dealt(1, "1");
    vantrel::Piles& p = g->piles;
    const int kings[] = {13, 26, 39, 52};
    const int tops[] = {2, 3, 4, 5, 15, 16, 17, 18};
    for (int n = 0; n < 4; ++n) p.reserves[n] = vantrel::cardCode(kings[n]);
    std::vector<int> rest;
    for (int c : {1, 14, 27, 40}) rest.push_back(c);
    for (int c = 1; c <= 52; ++c)
        if (vantrel::rankOf(c) != 1 && std::find(std::begin(kings), std::end(kings), c) == std::end(kings) &&
            std::find(std::begin(tops), std::end(tops), c) == std::end(tops))
            rest.push_back(c);
    for (int k = 0; k < 8; ++k) {
        p.tableau[k].clear();
        for (int i = 0; i < 5; ++i) p.tableau[k] += vantrel::cardCode(rest[i * 8 + k]);
        p.tableau[k] += vantrel::cardCode(tops[k]);
    }
    const SearchResult r = solveDealt(*g);
    EXPECT_EQ(r.outcome, Outcome::Lost) << resultLine(r);
    EXPECT_EQ(r.states, 1u);
}

// Free cells are interchangeable and so are FreeCell's rows; Storehouse
// fills its spaces from the first reserve, so its reserve order counts.
TEST(Search, TablesEqualButForInterchangeablePilesShareAKey) {
    struct Case {
        int game;
        bool reserves;
    };
    for (const Case c : {Case{1, true}, Case{53, false}}) {
        SCOPED_TRACE(c.game);
        auto a = dealt(c.game, "1");
        a->piles.reserves[0] = vantrel::cardCode(1);
        auto b = std::make_unique<vantrel::Game>(*a);
        std::swap(b->piles.reserves[0], b->piles.reserves[1]);
        EXPECT_EQ(tableKey(*a) == tableKey(*b), c.reserves);
        std::swap(b->piles.tableau[0], b->piles.tableau[1]);
        std::swap(b->piles.reserves[0], b->piles.reserves[1]);
        EXPECT_EQ(tableKey(*a), tableKey(*b));
    }
}

TEST(Search, LimitGivesUnknown) {
    auto g = dealt(1, "1");
    SearchLimits limits;
    limits.states = 50;
    const SearchResult r = solveDealt(*g, limits);
    EXPECT_EQ(r.outcome, Outcome::Unknown);
    EXPECT_EQ(r.states, 50u);
}

TEST(Search, TwoRunsAgree) {
    auto a = dealt(2, "3");
    auto b = dealt(2, "3");
    const SearchResult first = solveDealt(*a), second = solveDealt(*b);
    ASSERT_EQ(first.outcome, Outcome::Won);
    EXPECT_EQ(first.states, second.states);
    std::stringstream one, two;
    for (const PointerAction& x : first.line) writeScript(one, x);
    for (const PointerAction& x : second.line) writeScript(two, x);
    EXPECT_EQ(one.str(), two.str());
}

}  // namespace
