// The solver on the shipped games: a won line replays through the script
// driver to "endgame won"; a blocked table is lost; the limit gives unknown;
// two runs agree; a drag home is forced only when safe; the stock-click cap
// lets a full round through; waste piles are read in the order the
// foundations want their cards, and a card goes home from them at once
// only where no other card wants its place; of two chains of ranks that
// take a card only the emptier is tried; runs of mixed suits wait for the
// last pass only where they move.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "deal_setup.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"
#include "play_driver.h"
#include "safe_moves.h"
#include "table_key.h"
#include "table_search.h"
#include "waste_order.h"
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
// fills its spaces from the first reserve, so its reserve order counts;
// Aces Up deals a card onto each row in turn, so its row order counts.
TEST(Search, TablesEqualButForInterchangeablePilesShareAKey) {
    struct Case {
        int game;
        bool reserves;
        bool rows;
    };
    for (const Case c : {Case{1, true, true}, Case{53, false, true}, Case{113, true, false}}) {
        SCOPED_TRACE(c.game);
        auto a = dealt(c.game, "1");
        a->piles.reserves[0] = vantrel::cardCode(1);
        auto b = std::make_unique<vantrel::Game>(*a);
        std::swap(b->piles.reserves[0], b->piles.reserves[1]);
        EXPECT_EQ(tableKey(*a) == tableKey(*b), c.reserves);
        std::swap(b->piles.tableau[0], b->piles.tableau[1]);
        std::swap(b->piles.reserves[0], b->piles.reserves[1]);
        EXPECT_EQ(tableKey(*a) == tableKey(*b), c.rows);
    }
}

// FreeCell's foundations differ only by their cards; Calculation's start
// from different ranks and build by different steps.
TEST(Search, FoundationsOfOneRuleShareAKeyInAnyOrder) {
    for (const auto& [game, shared] : {std::pair{1, true}, std::pair{115, false}}) {
        SCOPED_TRACE(game);
        auto a = dealt(game, "1");
        a->piles.foundations[0] = vantrel::cardCode(14);
        a->piles.foundations[1] = vantrel::cardCode(27) + vantrel::cardCode(28);
        auto b = std::make_unique<vantrel::Game>(*a);
        std::swap(b->piles.foundations[0], b->piles.foundations[1]);
        EXPECT_EQ(tableKey(*a) == tableKey(*b), shared);
    }
}

// Sir Tommy builds its foundations in any suit, so a Two of hearts or of
// clubs on an Ace is one table; Puss in the Corner builds in colour.
TEST(Search, FoundationTopsKeyedBySuitOnlyWhereTheRuleReadsIt) {
    for (const auto& [game, shared] : {std::pair{124, true}, std::pair{125, false}}) {
        SCOPED_TRACE(game);
        auto a = dealt(game, "1");
        a->piles.foundations[0] = vantrel::cardCode(1) + vantrel::cardCode(2);
        auto b = std::make_unique<vantrel::Game>(*a);
        b->piles.foundations[0] = vantrel::cardCode(1) + vantrel::cardCode(vantrel::SuitClubs * 13 + 2);
        EXPECT_EQ(tableKey(*a) == tableKey(*b), shared);
    }
}

// Forty Thieves: a card and its copy from the other deck are one to the
// rules, so tables that trade them (faces and all) share a key; another
// card, or a copy turned the other way, makes another table.
TEST(Search, TheTwoDecksCopiesOfACardShareAKey) {
    struct Case {
        int other;
        bool flip;
        bool shared;
    };
    constexpr int Card = 5;
    for (const Case c : {Case{Card + 52, false, true}, Case{Card + 1, false, false}, Case{Card + 52, true, false}}) {
        SCOPED_TRACE(c.other);
        auto a = dealt(30, "1");
        auto b = std::make_unique<vantrel::Game>(*a);
        const auto find = [&](int card) -> std::pair<std::string*, size_t> {
            const std::string code = vantrel::cardCode(card);
            std::vector<std::string*> piles{&b->piles.stock[vantrel::StockEntry]};
            for (std::string& row : b->piles.tableau) piles.push_back(&row);
            for (std::string* pile : piles)
                for (size_t i = 0; i + 3 <= pile->size(); i += 3)
                    if (pile->compare(i, 3, code) == 0) return {pile, i};
            return {nullptr, 0};
        };
        const auto [pileA, atA] = find(Card);
        const auto [pileB, atB] = find(c.other);
        ASSERT_TRUE(pileA && pileB);
        pileA->replace(atA, 3, vantrel::cardCode(c.other));
        pileB->replace(atB, 3, vantrel::cardCode(Card));
        const char faceA = a->cards.faceDigit(Card), faceB = a->cards.faceDigit(c.other);
        b->cards.setFace(Card, faceB);
        b->cards.setFace(c.other, c.flip ? (faceA == '1' ? '0' : '1') : faceA);
        EXPECT_EQ(tableKey(*a) == tableKey(*b), c.shared);
    }
}

// Golf: nothing leaves the discard pile, so the order under its top
// card does not count; its size does.
TEST(Search, DiscardsBelowTheTopShareAKey) {
    auto a = dealt(110, "1");
    std::string& discards = a->piles.stock[vantrel::SecondWasteEntry];
    discards = vantrel::cardCode(2) + vantrel::cardCode(3) + vantrel::cardCode(4) + discards;
    auto b = std::make_unique<vantrel::Game>(*a);
    std::string& reordered = b->piles.stock[vantrel::SecondWasteEntry];
    std::swap_ranges(reordered.begin() + 3, reordered.begin() + 6, reordered.begin() + 6);
    EXPECT_EQ(tableKey(*a), tableKey(*b));
    reordered.erase(3, 3);
    EXPECT_NE(tableKey(*a), tableKey(*b));
}

// Calculation's foundations start A, 2, 3, 4 and go up by ones to fours: a
// Four on a Two holds nothing up (both are wanted next), a Three on a Six
// does (the Six is wanted next, the Three only after a Two).
TEST(Search, WastePilesReadTheFoundationsOrder) {
    struct Case {
        int below, above, blocking;
    };
    constexpr int Clubs = vantrel::SuitClubs * 13;
    for (const Case c : {Case{2, 4, 0}, Case{6, 3, 1}}) {
        auto g = dealt(115, "1");
        g->piles.tableau[0] = vantrel::cardCode(Clubs + c.below) + vantrel::cardCode(Clubs + c.above);
        WasteOrder order(g->params);
        ASSERT_TRUE(order.applies());
        EXPECT_EQ(order.blocking(*g), c.blocking) << c.below << " under " << c.above;
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

// A drag home is the only child tried when no line can need the card
// elsewhere: in games built down by rank from Aces, and only while it
// stays within one card of the lowest foundation with the stock untouched.
TEST(SafeMoves, ADragHomeIsForcedOnlyWhenSafe) {
    EXPECT_TRUE(homeIsSafe(*dealt(1, "1")));
    EXPECT_TRUE(homeIsSafe(*dealt(65, "1")));    // Aces dealt onto the foundations
    EXPECT_FALSE(homeIsSafe(*dealt(54, "1")));   // foundations start from the first card set
    EXPECT_FALSE(homeIsSafe(*dealt(100, "1")));  // pairs
    struct Case {
        const char* name;
        int game;
        int heartsHome;  // hearts on the first foundation before the drag; every other suit holds its Ace
        int stockEntry;  // the stock pile that loses cards with the drag, or -1
        bool safe;
    };
    for (const Case c : {Case{"two onto the Ace", 2, 1, -1, true}, Case{"three, two above the lowest", 2, 2, -1, false},
                         Case{"the stock turns too", 2, 1, vantrel::StockEntry, false},
                         Case{"the waste, turned back later", 2, 1, vantrel::WasteEntry, false},
                         Case{"the waste of a stock gone through once", 7, 1, vantrel::WasteEntry, true}}) {
        SCOPED_TRACE(c.name);
        auto before = dealt(c.game, "1");
        ASSERT_TRUE(homeIsSafe(*before));
        for (int suit = 0; suit < 4; ++suit) before->piles.foundations[suit] = vantrel::cardCode(suit * 13 + 1);
        for (int rank = 2; rank <= c.heartsHome; ++rank) before->piles.foundations[0] += vantrel::cardCode(rank);
        before->piles.stock[vantrel::WasteEntry] = vantrel::cardCode(20) + vantrel::cardCode(c.heartsHome + 1);
        auto after = std::make_unique<vantrel::Game>(*before);
        after->piles.foundations[0] += vantrel::cardCode(c.heartsHome + 1);
        if (c.stockEntry >= 0) {
            std::string& pile = after->piles.stock[size_t(c.stockEntry)];
            pile.resize(pile.size() - vantrel::cardCode(1).size());
        }
        EXPECT_EQ(safeHome(*before, *after), c.safe);
    }
}

// Puss in the Corner builds by colour: the five of diamonds onto the four
// of hearts goes at once only where no other red five wants that place.
TEST(SafeMoves, AWasteCardGoesHomeAtOnceOnlyToAPlaceNoOtherCardWants) {
    ASSERT_TRUE(wasteHomeIsSafe(dealt(125, "1")->params));
    EXPECT_FALSE(wasteHomeIsSafe(dealt(2, "1")->params));
    struct Case {
        const char* name;
        std::vector<int> onDiamondAce;  // card codes: hearts 1-13, diamonds 14-26
        bool forced;
    };
    for (const Case& c : {Case{"the other red five waits for this place", {15}, false},
                          Case{"the other red foundation is as high", {15, 16, 17}, true},
                          Case{"the other red five is home", {15, 16, 17, 5}, true}}) {
        SCOPED_TRACE(c.name);
        auto before = dealt(125, "1");
        for (int rank = 2; rank <= 4; ++rank) before->piles.foundations[0] += vantrel::cardCode(rank);
        for (int card : c.onDiamondAce) before->piles.foundations[1] += vantrel::cardCode(card);
        vantrel::Game after = *before;
        after.piles.foundations[0] += vantrel::cardCode(13 + 5);
        EXPECT_EQ(onlyCardTaken(*before, after), c.forced);
    }
}

// Precedence with a King on the first foundation: a Queen from the waste
// is tried on the empty second one, which wants the same ranks for longer,
// and left out on the King.
TEST(SafeMoves, OfTwoChainsThatTakeACardOnlyTheEmptierIsTried) {
    EXPECT_TRUE(chainFoundations(*dealt(133, "1")));
    EXPECT_FALSE(chainFoundations(*dealt(116, "1")));  // each foundation steps by its own count
    struct Case {
        const char* name;
        int onto;
        bool leftOut;
    };
    constexpr int QueenOfDiamonds = 13 + 12;
    for (const Case c : {Case{"onto the King", 0, true}, Case{"starting the second", 1, false}}) {
        SCOPED_TRACE(c.name);
        auto before = dealt(133, "1");
        for (auto& s : before->piles.stock) s.clear();
        before->piles.foundations[0] = vantrel::cardCode(13);
        before->piles.stock[vantrel::WasteEntry] = vantrel::cardCode(QueenOfDiamonds);
        vantrel::Game after = *before;
        after.piles.stock[vantrel::WasteEntry].clear();
        after.piles.foundations[c.onto] += vantrel::cardCode(QueenOfDiamonds);
        EXPECT_EQ(fullerChainTaken(*before, after), c.leftOut);
    }
}

// Runs of mixed suits wait for the last pass only where they can move:
// not where runs keep to a suit or alternate colours.
TEST(SafeMoves, RunsOfMixedSuitsOnlyWhereRowsBuildAndMoveWhateverTheSuits) {
    struct Case {
        int game;
        bool mixes;
    };
    for (const Case c : {Case{91, true}, Case{90, false}, Case{2, false}})
        EXPECT_EQ(runsMixSuits(*dealt(c.game, "1")), c.mixes) << "game " << c.game;
}

// Klondike with every heart and the diamonds to nine home and 30 cards in
// the stock: the first 27 turned cannot move, the 28th (the ten of
// diamonds) goes home. A cap on stock-only clicks below a full round would
// cut the only line.
TEST(SafeMoves, TheStockCapLetsAFullRoundThrough) {
    auto g = dealt(2, "1");
    vantrel::Piles& p = g->piles;
    for (auto& s : p.foundations) s.clear();
    for (auto& s : p.tableau) s.clear();
    for (auto& s : p.stock) s.clear();
    const auto card = [](int suit, int rank) { return suit * 13 + rank; };
    for (int rank = 1; rank <= 13; ++rank) p.foundations[0] += vantrel::cardCode(card(vantrel::SuitHearts, rank));
    for (int rank = 1; rank <= 9; ++rank) p.foundations[1] += vantrel::cardCode(card(vantrel::SuitDiamonds, rank));
    std::vector<int> turned = {card(vantrel::SuitDiamonds, 13), card(vantrel::SuitDiamonds, 12),
                               card(vantrel::SuitDiamonds, 11)};
    for (int suit : {vantrel::SuitSpades, vantrel::SuitClubs})
        for (int rank = 13; rank >= 2; --rank) turned.push_back(card(suit, rank));
    for (int c : {card(vantrel::SuitDiamonds, 10), card(vantrel::SuitClubs, 1), card(vantrel::SuitSpades, 1)})
        turned.push_back(c);
    for (auto it = turned.rbegin(); it != turned.rend(); ++it) {
        p.stock[vantrel::StockEntry] += vantrel::cardCode(*it);
        g->cards.setFace(*it, '0');
    }
    ASSERT_GT(stockRunCap(*g), 27);
    const SearchResult r = solveDealt(*g);
    EXPECT_EQ(r.outcome, Outcome::Won) << resultLine(r);
}

}  // namespace
