// Long random sequences of legal actions on the shipped games: after every
// action each card of the deck lies on exactly one pile.
#include <algorithm>
#include <memory>
#include <random>

#include "engine/deal.h"
#include "engine/game_won.h"
#include "engine/move_rules.h"
#include "execute_support.h"
#include "model/catalogue.h"
#include "model/game_number.h"

namespace vantrel::exec_test {
namespace {

struct Candidate {
    int card;
    std::string action;
};

// Every legal move of the table as the move rules see it, with runs taken
// from the rows where the run checks allow them.
std::vector<Candidate> legalMoves(Game& game, MoveRules& rules) {
    std::vector<Candidate> moves;
    const int rows = game.params[262], foundations = game.params[261], reserves = game.params[263];
    const auto offerSingle = [&](int card, PileRef from) {
        for (int j = 0; j < foundations; ++j)
            if (rules.foundationCheck(card, j)) moves.push_back({card, "Dest" + std::to_string(j + 1)});
        for (int n = 1; n <= reserves; ++n)
            if (!(from == PileRef{PileGroup::Reserve, n - 1}) && rules.reserveCheck(card, n))
                moves.push_back({card, "Appogg" + std::to_string(n)});
    };
    const auto offerToRows = [&](int card, PileRef from, bool run) {
        for (int k = 0; k < rows; ++k) {
            if (from == PileRef{PileGroup::Tableau, k}) continue;
            const bool empty = game.piles.tableau[static_cast<size_t>(k)].empty();
            if (run && !rules.runSizeCheck(card, empty)) continue;
            if (rules.tableauCheck(card, k)) moves.push_back({card, "Fila" + std::to_string(k + 1)});
        }
    };
    if (const int top = topCard(game.piles.stock[WasteEntry]); top > 0) {
        offerSingle(top, {PileGroup::Stock, WasteEntry});
        offerToRows(top, {PileGroup::Stock, WasteEntry}, false);
    }
    for (int n = 1; n <= reserves; ++n)
        if (const int top = topCard(game.piles.reserves[static_cast<size_t>(n - 1)]); top > 0) {
            offerSingle(top, {PileGroup::Reserve, n - 1});
            offerToRows(top, {PileGroup::Reserve, n - 1}, false);
        }
    for (int k = 0; k < rows; ++k) {
        const std::string& row = game.piles.tableau[static_cast<size_t>(k)];
        const int count = cardCount(row);
        for (int i = 0; i < count; ++i) {
            const int card = cardAt(row, i);
            if (!game.cards.faceUp(card)) continue;
            if (i == count - 1) {
                offerSingle(card, {PileGroup::Tableau, k});
                offerToRows(card, {PileGroup::Tableau, k}, true);
            } else if (rules.runCheck(card, k)) {
                offerToRows(card, {PileGroup::Tableau, k}, true);
            }
        }
    }
    return moves;
}

std::vector<int> cardsOnTable(const Game& game) {
    std::vector<int> cards;
    const auto collect = [&](const std::string& pile) {
        for (int i = 0; i < cardCount(pile); ++i)
            if (const int c = cardAt(pile, i); c != 0) cards.push_back(c);
    };
    for (const auto& p : game.piles.stock) collect(p);
    for (const auto& p : game.piles.foundations) collect(p);
    for (const auto& p : game.piles.tableau) collect(p);
    for (const auto& p : game.piles.reserves) collect(p);
    std::sort(cards.begin(), cards.end());
    return cards;
}

std::vector<int> wholeDeck(int size) {
    std::vector<int> deck(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i) deck[static_cast<size_t>(i)] = i + 1;
    return deck;
}

// Loads game `number` from the built GAMES.DAT and deals `dealNumber`.
std::unique_ptr<Table> dealShipped(int number, const std::string& dealNumber) {
    auto t = std::make_unique<Table>();
    std::string error;
    const std::string path = VANTREL_BUILD_DIR "/GAMES.DAT";
    Catalogue catalogue;
    EXPECT_TRUE(catalogue.gamesFile.load(path, error)) << error;
    EXPECT_TRUE(catalogue.gamesFile.LoadGameParameters(number, t->game.params, error)) << error;
    t->game.state.write(field::Game, number);
    t->game.state.write(field::Deal_Number, dealNumber);
    t->game.state.write(field::Score, "0");
    EXPECT_TRUE(Dealer(t->game, nullptr, nullptr).deal().has_value());
    t->game.play = PlayState{};
    return t;
}

// Deals one game after another, each played until no move is left or for
// at most 600 actions, until 1500 actions have been executed.
void playRandomly(int gameNumber, const char* name) {
    std::mt19937 random(20261207u + static_cast<unsigned>(gameNumber));
    std::uniform_int_distribution<long long> anyDeal(0, 9999999999999LL);
    int executed = 0;
    for (int deal = 0; deal < 40 && executed < 1500; ++deal) {
        const std::string dealNumber = *normalizeGameNumber(std::to_string(anyDeal(random)));
        SCOPED_TRACE(std::string(name) + " deal " + dealNumber);
        auto t = dealShipped(gameNumber, dealNumber);
        if (::testing::Test::HasFailure()) return;
        Game& game = t->game;
        const std::vector<int> deck = wholeDeck(game.params[265]);
        ASSERT_EQ(cardsOnTable(game), deck) << "as dealt";
        MoveRules rules(game, &t->feedback);
        for (int step = 0; step < 600; ++step) {
            // The player turns face-down row tops with a click.
            for (int k = 0; k < game.params[262]; ++k) {
                const int top = topCard(game.piles.tableau[static_cast<size_t>(k)]);
                if (top > 0 && !game.cards.faceUp(top)) game.cards.setFace(top, '1');
            }
            const auto moves = legalMoves(game, rules);
            const bool stockPlay = !game.piles.stock[StockEntry].empty() || !game.piles.stock[WasteEntry].empty();
            const size_t choices = moves.size() + (stockPlay ? 1 : 0);
            if (choices == 0) break;
            const size_t pick = std::uniform_int_distribution<size_t>(0, choices - 1)(random);
            if (pick < moves.size()) {
                SCOPED_TRACE(moves[pick].action + " card " + std::to_string(moves[pick].card));
                ASSERT_TRUE(t->executor.Execute(moves[pick].card, moves[pick].action));
            } else {
                t->executor.StockClick();
                if (game.play.stockEmptyMarker) {  // the release on the marker
                    t->executor.Execute(0, "Mazzo_Vis");
                    game.play.stockEmptyMarker = false;
                }
            }
            ++executed;
            ASSERT_EQ(cardsOnTable(game), deck) << "after step " << step;
            ASSERT_EQ(game.won, IsGameWon(game));
        }
    }
    EXPECT_GE(executed, 1500) << name << " should keep offering moves";
}

TEST(ExecuteRandomPlay, FreeCellKeepsEveryCardOnce) { playRandomly(1, "FreeCell"); }
TEST(ExecuteRandomPlay, KlondikeKeepsEveryCardOnce) { playRandomly(2, "Klondike"); }
TEST(ExecuteRandomPlay, SpiderKeepsEveryCardOnce) { playRandomly(3, "Spider"); }

}  // namespace
}  // namespace vantrel::exec_test
