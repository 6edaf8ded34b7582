// Laying a shuffled deck out on the piles: start cards, counted piles, face
// modes and the score credits of the deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "deal_support.h"
#include "engine/deal.h"
#include "model/cards.h"
#include "model/shuffle.h"

namespace vantrel {
namespace {

using test::codes;
using test::everyCardOnce;
using test::faces;
using test::makeGame;
using test::RecordingMessages;
using test::setRange;

const std::string Number = "1234567890123";

std::vector<int> deckOf(const std::string& number, int n) { return *Shuffle(number, n, nullptr); }

std::string joined(const std::vector<int>& cards, size_t from, size_t count) {
    std::string s;
    for (size_t i = from; i < from + count && i < cards.size(); ++i) s += cardCode(cards[i]);
    return s;
}

int score(const Game& g) { return currentScore(g); }

TEST(Deal, FreeCellRowsTakeTheDeckInOrderFaceUp) {
    auto g = makeGame({{265, 52}, {262, 8}, {263, 4}}, Number);
    test::suitFoundations(*g, 4);
    const int rows[] = {7, 7, 7, 7, 6, 6, 6, 6};
    for (int k = 0; k < 8; ++k) g->params.set(268 + k, rows[k]);
    setRange(*g, 294, 8, 52);
    const auto deck = Dealer(*g, nullptr, nullptr).deal();
    ASSERT_TRUE(deck.has_value());
    EXPECT_EQ(*deck, deckOf(Number, 52));
    size_t from = 0;
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(g->piles.tableau[k], joined(*deck, from, rows[k])) << k;
        EXPECT_EQ(faces(*g, g->piles.tableau[k]), std::string(rows[k], '1'));
        from += rows[k];
    }
    EXPECT_EQ(score(*g), -52);
}

TEST(Deal, StockWasteSecondWasteAndReserves) {
    auto g = makeGame({{265, 52}, {262, 2}, {266, 20}, {6, 1}, {267, 3}, {320, 2}, {268, 4}, {294, -1},
                       {269, 1000 + King}, {295, 1}, {321, 5}, {329, -3}, {322, 2}, {330, -2}},
                      Number);
    const std::vector<int> deck = deckOf(Number, 52);
    Dealer(*g, nullptr, nullptr).deal();
    // The rank row is dealt first, from the first King of the deck list.
    const int king = *std::find_if(deck.begin(), deck.end(), [](int c) { return rankOf(c) == King; });
    EXPECT_EQ(g->piles.tableau[1], cardCode(king));
    std::vector<int> rest = deck;
    rest.erase(std::find(rest.begin(), rest.end(), king));
    EXPECT_EQ(g->piles.stock[StockEntry], joined(rest, 0, 20));
    EXPECT_EQ(faces(*g, g->piles.stock[StockEntry]), std::string(20, '0'));
    EXPECT_EQ(g->piles.stock[WasteEntry], joined(rest, 20, 3));
    EXPECT_EQ(faces(*g, g->piles.stock[WasteEntry]), "111");
    EXPECT_EQ(g->piles.tableau[0], joined(rest, 23, 4));
    EXPECT_EQ(faces(*g, g->piles.tableau[0]), "1010");
    EXPECT_EQ(g->piles.stock[SecondWasteEntry], joined(rest, 27, 2));
    EXPECT_EQ(faces(*g, g->piles.stock[SecondWasteEntry]), "11");
    EXPECT_EQ(faces(*g, g->piles.reserves[0]), "10000");
    EXPECT_EQ(faces(*g, g->piles.reserves[1]), "01");
    EXPECT_EQ(g->piles.reserves[1], joined(rest, 34, 2));
    EXPECT_EQ(score(*g), -52 + 2 * 5);  // the second waste's cards count
}

TEST(Deal, StockFaceUpWhenParameterSixIsZero) {
    auto g = makeGame({{265, 52}, {266, 52}, {6, 0}}, Number);
    Dealer(*g, nullptr, nullptr).deal();
    EXPECT_EQ(faces(*g, g->piles.stock[StockEntry]), std::string(52, '1'));
}

TEST(Deal, TooFewCardsLeftStopsTheCount) {
    auto g = makeGame({{265, 52}, {266, 50}, {262, 1}, {268, 7}}, Number);
    Dealer(*g, nullptr, nullptr).deal();
    EXPECT_EQ(cardCount(g->piles.tableau[0]), 2);
    EXPECT_TRUE(everyCardOnce(*g, 52));
}

// Start codes with the card they give foundation j, on the deck of Number.
struct StartCase {
    int code;
    int j;
    int (*expected)(const std::vector<int>& deck);
};

const StartCase StartCases[] = {
    {20, 0, [](const std::vector<int>& d) { return d[0]; }},
    {55, 0, [](const std::vector<int>& d) { return *std::find_if(d.begin(), d.end(), [](int c) { return rankOf(c) == 5; }); }},
    {91, 2, [](const std::vector<int>& d) { const int x = d[0] + 39; return x > 52 ? (x - 1) % 52 + 1 : x; }},
    {93, 3, [](const std::vector<int>&) { return 40; }},
    {94, 1, [](const std::vector<int>&) { return 14; }},
    {95, 1, [](const std::vector<int>&) { return 26; }},
    {95, 5, [](const std::vector<int>&) { return 14; }},
    {7, 2, [](const std::vector<int>&) { return 33; }},
    {139, 0, [](const std::vector<int>&) { return 39; }},
};

TEST(Deal, EachStartCodeChoosesItsCard) {
    const std::vector<int> deck = deckOf(Number, 52);
    for (const StartCase& c : StartCases) {
        // No rows, so no sweep moves anything; the stock takes the rest.
        auto g = makeGame({{265, 52}, {261, c.j + 1}, {266, 52}}, Number);
        g->params.set(84 + c.j, c.code);
        Dealer(*g, nullptr, nullptr).deal();
        const int card = c.expected(deck);
        EXPECT_EQ(g->piles.foundations[c.j], cardCode(card)) << "code " << c.code;
        EXPECT_EQ(g->params[36 + c.j], rankOf(card)) << "code " << c.code;
        EXPECT_TRUE(g->cards.faceUp(card));
        EXPECT_TRUE(everyCardOnce(*g, 52)) << "code " << c.code;
        EXPECT_EQ(score(*g), -52 + 5) << "code " << c.code;
    }
}

TEST(Deal, CodesThatPlaceNoCard) {
    for (int code : {0, 92, 96, -5}) {
        auto g = makeGame({{265, 52}, {261, 2}, {266, 52}, {36, 9}, {37, 4}}, Number);
        g->params.set(85, code);
        Dealer(*g, nullptr, nullptr).deal();
        EXPECT_TRUE(g->piles.foundations[1].empty()) << code;
        EXPECT_EQ(g->params[37], code == 92 ? 9 : 4) << code;  // 92 copies foundation 0's base rank
        EXPECT_EQ(score(*g), -52);
    }
}

TEST(Deal, StartCode21GivesEachFoundationAnotherSuit) {
    auto g = makeGame({{265, 52}, {266, 52}}, Number);
    test::suitFoundations(*g, 5);
    setRange(*g, 84, 5, 21);
    Dealer(*g, nullptr, nullptr).deal();
    std::set<int> suits;
    for (int j = 0; j < 4; ++j) suits.insert(suitOf(bottomCard(g->piles.foundations[j])));
    EXPECT_EQ(suits.size(), 4u);
    // The fifth finds no new suit and takes the last card of the deck list.
    const std::vector<int> deck = deckOf(Number, 52);
    EXPECT_EQ(bottomCard(g->piles.foundations[4]), deck.back());
    EXPECT_TRUE(everyCardOnce(*g, 52));
}

TEST(Deal, StartCode91GivesTheFourCardsOfTheFirstRankEvenAtTwiceTheDeck) {
    // A number whose first card is the King of spades: 52 + 13 * 4 = 104
    // must give the King itself, not a gap.
    std::string number;
    for (long long n = 0; n < 100000 && number.empty(); ++n) {
        const std::string candidate = std::to_string(n);
        if (deckOf(candidate, 52)[0] == 52) number = candidate;
    }
    ASSERT_FALSE(number.empty());
    auto g = makeGame({{265, 52}, {261, 4}, {266, 52}}, number);
    setRange(*g, 84, 4, 91);
    Dealer(*g, nullptr, nullptr).deal();
    EXPECT_EQ(g->piles.foundations[0] + g->piles.foundations[1] + g->piles.foundations[2] + g->piles.foundations[3],
              codes({13, 26, 39, 52}));
    EXPECT_TRUE(everyCardOnce(*g, 52));
}

TEST(Deal, StartCode95WithEightFoundations) {
    auto g = makeGame({{265, 52}, {261, 8}, {266, 52}}, Number);
    setRange(*g, 84, 8, 95);
    Dealer(*g, nullptr, nullptr).deal();
    const int expected[] = {13, 26, 39, 52, 1, 14, 27, 40};
    for (int j = 0; j < 8; ++j) EXPECT_EQ(g->piles.foundations[j], cardCode(expected[j])) << j;
}

TEST(Deal, SecondWasteStartCard) {
    for (auto [value, card] : {std::pair{140, 40}, std::pair{5, 5}}) {
        auto g = makeGame({{265, 52}, {246, value}, {266, 52}}, Number);
        Dealer(*g, nullptr, nullptr).deal();
        EXPECT_EQ(g->piles.stock[SecondWasteEntry], cardCode(card));
        EXPECT_TRUE(g->cards.faceUp(card));
        EXPECT_TRUE(everyCardOnce(*g, 52));
        EXPECT_EQ(score(*g), -47);
    }
}

TEST(Deal, FirstFoundationCardSetsEveryBaseRankAndRowCode91) {
    auto g = makeGame({{265, 52}, {1, 1}, {100, 91}, {101, 91}, {102, 5}}, Number);
    Dealer(*g, nullptr, nullptr).deal();
    const int card = deckOf(Number, 52)[0];
    EXPECT_EQ(g->piles.foundations[0], cardCode(card));
    for (int j = 0; j < 16; ++j) EXPECT_EQ(g->params[36 + j], rankOf(card));
    EXPECT_EQ(g->params[100], previousRank(rankOf(card)));
    EXPECT_EQ(g->params[101], previousRank(rankOf(card)));
    EXPECT_EQ(g->params[102], 5);
    EXPECT_EQ(score(*g), -47);
}

TEST(Deal, ParameterTenAddsOneCardWithoutBaseRanks) {
    auto g = makeGame({{265, 52}, {10, 1}, {36, 1}}, Number);
    Dealer(*g, nullptr, nullptr).deal();
    EXPECT_EQ(g->piles.foundations[0], cardCode(deckOf(Number, 52)[0]));
    EXPECT_EQ(g->params[36], 1);
}

TEST(Deal, FinalCreditReadsParameter33AsAnUnsignedByte) {
    auto g = makeGame({{265, 52}, {33, 300}}, Number);  // 300 -> 44
    Dealer(*g, nullptr, nullptr).deal();
    EXPECT_EQ(score(*g), -52 + 44 * 5);
}

TEST(Deal, FamilyNineKeepsNoScore) {
    auto g = makeGame({{265, 52}, {35, 9}, {10, 1}, {33, 4}}, Number);
    Dealer(*g, nullptr, nullptr).deal();
    EXPECT_EQ(g->state.read(field::Score), "0");
}

TEST(Deal, UnsupportedDeckSizes) {
    for (int n : {0, -3}) {
        RecordingMessages m;
        auto g = makeGame({{265, n}, {261, 4}, {84, 93}, {266, 10}}, Number);
        EXPECT_FALSE(Dealer(*g, &m, nullptr).deal().has_value()) << n;
        EXPECT_TRUE(test::tableCounts(*g).empty()) << n;  // nothing dealt
        EXPECT_EQ(m.shown, std::vector<std::string>{std::string(DeckSizeError)});
        EXPECT_EQ(g->state.read(field::Score), "0");
    }
    // Above 52 and not 104: laid out from gaps.
    RecordingMessages m;
    auto g = makeGame({{265, 60}, {266, 5}}, Number);
    EXPECT_TRUE(Dealer(*g, &m, nullptr).deal().has_value());
    EXPECT_EQ(g->piles.stock[StockEntry], std::string(15, '0'));
    EXPECT_EQ(m.shown.size(), 1u);
}

TEST(Deal, NonDigitNumberDealsNothing) {
    RecordingMessages m;
    auto g = makeGame({{265, 52}, {266, 10}}, "12-45");
    EXPECT_FALSE(Dealer(*g, &m, nullptr).deal().has_value());
    EXPECT_TRUE(g->piles.stock[StockEntry].empty());
    EXPECT_EQ(m.shown.size(), 1u);
}

}  // namespace
}  // namespace vantrel
