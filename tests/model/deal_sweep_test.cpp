// The deal-time moves to the foundations: the sweep in both orders, its
// targets, the foundation sets and start code 96.
#include <gtest/gtest.h>

#include "deal_support.h"
#include "engine/deal.h"

namespace vantrel {
namespace {

using test::codes;
using test::makeGame;
using test::setRange;

// Four foundations up by suit from the Ace; rows set by hand.
std::unique_ptr<Game> sweepTable(int startCode, int order) {
    auto g = makeGame({{265, 52}, {262, 4}, {21, order}});
    test::suitFoundations(*g, 4);
    setRange(*g, 84, 4, startCode);
    g->state.write(field::Score, "0");
    return g;
}

TEST(FoundationSweep, OrderDecidesWhatAnEarlierRowCanTake) {
    // Row 1: 5 of spades under the 2 of hearts; row 2: the 3 of hearts.
    // Depth by depth the 3 is looked at before the 2 has gone up; row by
    // row the 2 goes first and the 3 follows.
    for (int order : {0, 1}) {
        auto g = sweepTable(93, order);
        g->piles.foundations[0] = codes({1});
        g->piles.tableau[0] = codes({44, 2});
        g->piles.tableau[1] = codes({3});
        Dealer(*g, nullptr, nullptr).foundationSweep();
        EXPECT_EQ(g->piles.tableau[0], codes({44})) << order;
        EXPECT_EQ(g->piles.tableau[1], order == 0 ? codes({3}) : "") << order;
        EXPECT_EQ(g->piles.foundations[0], order == 0 ? codes({1, 2}) : codes({1, 2, 3})) << order;
        EXPECT_EQ(currentScore(*g), order == 0 ? 5 : 10) << order;
        EXPECT_TRUE(g->cards.faceUp(2));
    }
}

TEST(FoundationSweep, APlacedCardLetsTheNextOneInTheSamePlaceGo) {
    auto g = sweepTable(93, 0);
    g->piles.foundations[0] = codes({1});
    g->piles.foundations[3] = codes({40});
    g->piles.tableau[0] = codes({2, 41, 3, 42, 44});
    Dealer(*g, nullptr, nullptr).foundationSweep();
    EXPECT_EQ(g->piles.tableau[0], codes({44}));
    EXPECT_EQ(g->piles.foundations[0], codes({1, 2, 3}));
    EXPECT_EQ(g->piles.foundations[3], codes({40, 41, 42}));
}

TEST(FoundationSweep, StartCode94FeedsOnlyTheRowsOwnFoundation) {
    auto g = sweepTable(94, 0);
    g->piles.foundations[0] = codes({1});
    g->piles.foundations[3] = codes({40});
    g->piles.tableau[0] = codes({41});  // 2 of spades in row 1: foundation 1 is hearts
    g->piles.tableau[3] = codes({2, 42});
    Dealer(*g, nullptr, nullptr).foundationSweep();
    EXPECT_EQ(g->piles.tableau[0], codes({41}));
    EXPECT_EQ(g->piles.tableau[3], codes({2, 42}));  // the 2 of hearts cannot reach foundation 1 from row 4
    g->piles.tableau[0].clear();
    g->piles.tableau[3] = codes({41, 42});
    Dealer(*g, nullptr, nullptr).foundationSweep();
    EXPECT_EQ(g->piles.tableau[3], "");
    EXPECT_EQ(g->piles.foundations[3], codes({40, 41, 42}));
}

TEST(FoundationSweep, FoundationSetsBySelector) {
    // Eight foundations; only foundation 6 (index 5) holds an Ace.
    auto g = makeGame({{265, 104}, {262, 1}});
    test::suitFoundations(*g, 8);
    g->piles.foundations[5] = codes({14});
    struct Case {
        int selector;
        bool placed;
    };
    for (const Case c : {Case{2, false}, Case{7, true}, Case{4, true}, Case{12, true}}) {
        g->piles.foundations[5] = codes({14});
        g->piles.tableau[0] = codes({15});
        EXPECT_EQ(Dealer(*g, nullptr, nullptr).tryFoundationSet(15, c.selector), c.placed) << c.selector;
        EXPECT_EQ(g->piles.tableau[0].empty(), c.placed) << c.selector;
    }
}

TEST(FoundationSweep, StartCode95UsesTheInnerIndexAsSelector) {
    // Depth by depth the inner index is the row: row 8 (selector 7) feeds
    // foundations 4-7, row 1 (selector 0) only 0-3.
    auto g = makeGame({{265, 104}, {262, 8}, {21, 0}});
    test::suitFoundations(*g, 8);
    setRange(*g, 84, 8, 95);
    g->piles.foundations[5] = codes({14});
    g->piles.tableau[0] = codes({15});
    g->piles.tableau[7] = codes({15 + 52});
    Dealer(*g, nullptr, nullptr).foundationSweep();
    EXPECT_EQ(g->piles.tableau[0], codes({15}));
    EXPECT_EQ(g->piles.tableau[7], "");
    EXPECT_EQ(g->piles.foundations[5], codes({14, 67}));
}

TEST(FoundationSweep, EmptyPileCode86TakesACoveredCardAlone) {
    auto g = sweepTable(93, 0);
    g->params.set(37, 86);  // foundation 2: any single card when empty
    g->piles.foundations[0] = codes({1});
    g->piles.tableau[0] = codes({44, 2});
    Dealer(*g, nullptr, nullptr).foundationSweep();
    EXPECT_EQ(g->piles.foundations[1], codes({44}));
    EXPECT_EQ(g->piles.foundations[0], codes({1, 2}));
    EXPECT_EQ(g->piles.tableau[0], "");
}

TEST(FoundationSweep, AMissingTopCardIsAHeartForSuitRules) {
    // Rule 32 on empty foundations: the missing top is card 0, a heart.
    auto g = sweepTable(93, 0);
    setRange(*g, 68, 4, 32);
    g->piles.tableau[0] = codes({40});
    g->piles.tableau[1] = codes({1});
    Dealer(*g, nullptr, nullptr).foundationSweep();
    EXPECT_EQ(g->piles.tableau[0], codes({40}));
    EXPECT_EQ(g->piles.foundations[0], codes({1}));
    EXPECT_EQ(g->piles.foundations[1], "");
}

TEST(FoundationSweep, TargetOutsideTheFoundationsIsRefused) {
    auto g = sweepTable(0, 0);
    g->piles.tableau[0] = codes({1});
    Dealer d(*g, nullptr, nullptr);
    EXPECT_FALSE(d.tryFoundation(1, 16));
    EXPECT_FALSE(d.tryFoundation(0, -1));
    EXPECT_TRUE(d.tryFoundation(1, -1));
    EXPECT_EQ(g->piles.foundations[0], codes({1}));
}

TEST(AcesFromRows, EachAceUpIsReplacedByTheStocksTopCard) {
    auto g = sweepTable(96, 0);
    g->params.set(262, 2);
    g->piles.tableau[0] = codes({1, 5});
    g->piles.tableau[1] = codes({7, 14});
    g->piles.stock[StockEntry] = codes({30, 31});
    Dealer(*g, nullptr, nullptr).acesFromRows();
    EXPECT_EQ(g->piles.foundations[0], codes({1}));
    EXPECT_EQ(g->piles.foundations[1], codes({14}));
    EXPECT_EQ(g->piles.tableau[0], codes({5, 31}));
    EXPECT_EQ(g->piles.tableau[1], codes({7, 30}));
    EXPECT_TRUE(g->piles.stock[StockEntry].empty());
    EXPECT_TRUE(g->cards.faceUp(31));
}

TEST(AcesFromRows, EmptyStockStillLooksAtTheCardThatSlidDown) {
    auto g = sweepTable(96, 0);
    g->params.set(262, 1);
    g->piles.tableau[0] = codes({1, 27, 6});
    Dealer(*g, nullptr, nullptr).acesFromRows();
    EXPECT_EQ(g->piles.tableau[0], codes({6}));
    EXPECT_EQ(g->piles.foundations[0], codes({1}));
    EXPECT_EQ(g->piles.foundations[1], codes({27}));
}

}  // namespace
}  // namespace vantrel
