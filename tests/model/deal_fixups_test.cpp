// Family fix-ups and special deal modes.
#include <gtest/gtest.h>

#include <set>

#include "deal_support.h"
#include "engine/deal.h"
#include "model/cards.h"

namespace vantrel {
namespace {

using test::codes;
using test::everyCardOnce;
using test::faces;
using test::makeGame;
using test::setRange;

const std::string Number = "3141592653589";

TEST(Family11, ReserveAcesGoUpAndWasteCardsTakeTheirPlaces) {
    auto g = makeGame({{35, 11}, {265, 52}});
    g->piles.reserves[0] = codes({5, 1, 7, 27});
    g->piles.stock[WasteEntry] = codes({2, 14, 3, 4, 40});
    Dealer(*g, nullptr, nullptr).family11();
    EXPECT_EQ(g->piles.foundations[1], codes({1}));
    EXPECT_EQ(g->piles.foundations[2], codes({27}));
    // Two Aces left the reserve, so the first two non-Aces of the waste
    // replace them; the Ace of diamonds slid into the place of the 2 and
    // is passed over; the scan stops after the Ace of spades.
    EXPECT_EQ(g->piles.reserves[0], codes({5, 7, 2, 3}));
    EXPECT_EQ(faces(*g, g->piles.reserves[0]), "1111");
    EXPECT_EQ(g->piles.foundations[0], codes({40}));
    EXPECT_EQ(g->piles.stock[WasteEntry], codes({14, 4}));
}

TEST(Family11, OtherFamiliesAreLeftAlone) {
    auto g = makeGame({{35, 12}});
    g->piles.reserves[0] = codes({1});
    Dealer(*g, nullptr, nullptr).family11();
    EXPECT_EQ(g->piles.reserves[0], codes({1}));
}

TEST(Family22, KingOfHeartsUnderTheStockQueenOnTheFirstRow) {
    auto g = makeGame({{35, 22}, {262, 3}, {6, 1}});
    g->piles.tableau[0] = codes({20, 21});
    g->piles.tableau[2] = codes({12, 30});
    g->piles.stock[StockEntry] = codes({40});
    g->piles.stock[WasteEntry] = codes({13});
    g->cards.setFace(12, '0');
    Dealer(*g, nullptr, nullptr).family22();
    EXPECT_EQ(g->piles.stock[StockEntry], codes({13, 40}));
    EXPECT_EQ(g->piles.stock[WasteEntry], "");
    EXPECT_EQ(g->piles.tableau[0], codes({20, 21, 12}));
    EXPECT_EQ(g->piles.tableau[2], codes({30}));
    EXPECT_TRUE(g->cards.faceUp(12));
    EXPECT_TRUE(g->cards.faceUp(13)) << "the King keeps the face it had in the waste";
}

TEST(DealMode1, OnlyTheKingGoesToTheStock) {
    auto g = makeGame({{26, 1}});
    g->piles.tableau[0] = codes({13, 5, 6});
    g->piles.tableau[1] = codes({7, 26});       // a King on top is no concern
    g->piles.foundations[2] = codes({39});
    g->piles.stock[StockEntry] = codes({52, 9, 10, 11});
    Dealer(*g, nullptr, nullptr).specialDealMode();
    EXPECT_EQ(g->piles.tableau[0], codes({9, 5, 6}));
    EXPECT_EQ(g->piles.tableau[1], codes({7, 26}));
    EXPECT_EQ(g->piles.foundations[2], codes({10}));
    EXPECT_EQ(g->piles.stock[StockEntry], codes({39, 13, 52, 11}));
    EXPECT_TRUE(g->cards.faceUp(9));
    EXPECT_FALSE(g->cards.faceUp(11));  // the stock's top card
}

TEST(DealMode1, WithoutANonKingInTheStockThePileStays) {
    auto g = makeGame({{26, 1}});
    g->piles.tableau[0] = codes({13, 5});
    g->piles.stock[StockEntry] = codes({26, 39});
    Dealer(*g, nullptr, nullptr).specialDealMode();
    EXPECT_EQ(g->piles.tableau[0], codes({13, 5}));
    EXPECT_EQ(g->piles.stock[StockEntry], codes({26, 39}));
}

// Modes 2 and 4 deal the whole deck list, a new row at each trigger card.
TEST(DealMode2And4, ARowStartsAtEachTriggerCard) {
    for (const auto& [mode, trigger] : {std::pair{2, King}, std::pair{4, Queen}}) {
        auto g = makeGame({{26, mode}, {265, 52}, {262, 8}}, Number);
        Dealer(*g, nullptr, nullptr).deal();
        EXPECT_TRUE(everyCardOnce(*g, 52)) << mode;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(rankOf(bottomCard(g->piles.tableau[k])), trigger) << mode << " row " << k;
            const std::string& row = g->piles.tableau[k];
            for (int i = 1; i < cardCount(row); ++i) EXPECT_NE(rankOf(cardAt(row, i)), trigger);
            EXPECT_EQ(faces(*g, row), std::string(cardCount(row), '1'));
        }
        EXPECT_TRUE(g->piles.tableau[4].empty());
    }
}

TEST(DealMode2And4, EarlierRowCardsAndNarrowTablesLoseNothing) {
    // Row 1 was dealt three cards before the mode runs; only two rows in use.
    auto g = makeGame({{26, 2}, {265, 52}, {262, 2}, {268, 3}, {294, 3}}, Number);
    Dealer(*g, nullptr, nullptr).deal();
    EXPECT_TRUE(everyCardOnce(*g, 52));
    EXPECT_EQ(rankOf(cardAt(g->piles.tableau[0], 3)), King);
    for (int k = 2; k < TableauPiles; ++k) EXPECT_TRUE(g->piles.tableau[k].empty()) << k;
}

TEST(DealMode2And4, TheSweepRunsAfterwards) {
    auto g = makeGame({{26, 2}, {265, 52}, {262, 8}}, Number);
    test::suitFoundations(*g, 4);
    Dealer(*g, nullptr, nullptr).deal();
    EXPECT_TRUE(everyCardOnce(*g, 52));
    int up = 0;
    for (int j = 0; j < 4; ++j) up += cardCount(g->piles.foundations[j]);
    EXPECT_GE(up, 4);  // at least every Ace went up
    EXPECT_EQ(currentScore(*g), -52 + 5 * up);
}

std::set<int> ranksOf(const std::string& row) {
    std::set<int> r;
    for (int i = 0; i < cardCount(row); ++i) r.insert(rankOf(cardAt(row, i)));
    return r;
}

TEST(DealMode3, RowsGetDistinctRanksInTheSameShape) {
    auto g = makeGame({{26, 3}, {265, 52}, {262, 8}}, Number);
    auto plain = makeGame({{265, 52}, {262, 8}}, Number);
    const int rows[] = {7, 7, 7, 7, 6, 6, 6, 6};
    for (auto* game : {g.get(), plain.get()}) {
        for (int k = 0; k < 8; ++k) game->params.set(268 + k, rows[k]);
        setRange(*game, 294, 8, 1);
        Dealer(*game, nullptr, nullptr).deal();
    }
    EXPECT_TRUE(everyCardOnce(*g, 52));
    for (int k = 0; k < 8; ++k) {
        const std::string& row = g->piles.tableau[k];
        ASSERT_EQ(cardCount(row), rows[k]);
        // The last row gets what is left, repeated ranks and all.
        if (k < 7) {
            EXPECT_EQ(ranksOf(row).size(), static_cast<size_t>(rows[k])) << k;
        }
        // Only the codes move: each card keeps the face it was dealt with.
        for (int i = 0; i < rows[k]; ++i)
            EXPECT_EQ(g->cards.faceDigit(cardAt(row, i)), plain->cards.faceDigit(cardAt(row, i))) << k;
    }
}

TEST(DealMode3, RunningOutOfRanksTakesTheFirstCardLeft) {
    auto g = makeGame({{26, 3}, {262, 2}});
    g->piles.tableau[0] = codes({1, 2});
    g->piles.tableau[1] = codes({14, 27});
    Dealer(*g, nullptr, nullptr).specialDealMode();
    EXPECT_EQ(g->piles.tableau[0], codes({1, 2}));
    EXPECT_EQ(g->piles.tableau[1], codes({14, 27}));  // two Aces: no gap, no card lost

    g->piles.tableau[0] = codes({1, 14});
    g->piles.tableau[1] = codes({2, 3});
    Dealer(*g, nullptr, nullptr).specialDealMode();
    EXPECT_EQ(g->piles.tableau[0], codes({1, 2}));
    EXPECT_EQ(g->piles.tableau[1], codes({14, 3}));
}

}  // namespace
}  // namespace vantrel
