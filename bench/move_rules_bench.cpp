// Asking the move rules whether a card may go onto a pile, over every pile
// of a dealt table of the free-cell kind (8 rows, 4 cells, 4 foundations).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"

namespace {

using namespace vantrel;

void freeCellParameters(GameParams& p) {
    p.set(2, 1);     // runs must be proper sequences
    p.set(11, -5);   // run size by free cells and empty rows
    p.set(25, 13);
    p.set(261, 4);
    p.set(262, 8);
    p.set(263, 4);
    p.set(265, 52);
    for (int j = 0; j < 4; ++j) {
        p.set(36 + j, 1);  // Ace first, same suit up
        p.set(52 + j, 1);
        p.set(68 + j, 0);
    }
    for (int k = 0; k < 8; ++k) {
        p.set(100 + k, -1);  // any card into an empty row
        p.set(126 + k, 0);   // down in alternate colours
        p.set(152 + k, 3);
    }
}

// A fixed shuffle part-way through play: the hearts and spades Aces on
// the foundations, three cells taken, the last row empty, the others
// holding 7,7,7,7,7,6,6 cards.
void deal(Game& game) {
    std::vector<int> deck;
    for (int i = 0; i < 52; ++i) {
        const int card = (i * 37) % 52 + 1;
        if (card != 1 && card != 40) deck.push_back(card);
    }
    game.piles.foundations[0] = cardCode(1);
    game.piles.foundations[1] = cardCode(40);
    size_t next = 0;
    for (int k = 0; k < 7; ++k)
        for (int n = 0; n < (k < 5 ? 7 : 6); ++n) game.piles.tableau[static_cast<size_t>(k)] += cardCode(deck[next++]);
    for (size_t n = 0; n < 3; ++n) game.piles.reserves[n] = cardCode(deck[next++]);
}

void BM_CanGoToPile(benchmark::State& state) {
    Game game;
    freeCellParameters(game.params);
    deal(game);
    MoveRules rules(game);
    std::vector<std::string> names;
    for (int j = 1; j <= 4; ++j) names.push_back("Dest" + std::to_string(j));
    for (int k = 1; k <= 8; ++k) names.push_back("Fila" + std::to_string(k));
    for (int n = 1; n <= 4; ++n) names.push_back("Appogg" + std::to_string(n));
    // Every card of the table, each offered to every pile.
    std::vector<int> cards;
    for (int c = 1; c <= 52; ++c) cards.push_back(c);
    int64_t checks = 0;
    for (auto _ : state) {
        for (int card : cards)
            for (const std::string& name : names) benchmark::DoNotOptimize(rules.canGoToPile(card, name));
        checks += static_cast<int64_t>(cards.size() * names.size());
    }
    state.SetItemsProcessed(checks);
    state.counters["ns_per_check"] =
        benchmark::Counter(static_cast<double>(checks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CanGoToPile);

}  // namespace
