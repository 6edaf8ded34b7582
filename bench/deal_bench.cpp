// Whole deals per second: shuffle, laying out and score, for the three
// kinds of table the shipped games have (free cells, stock and rows, two
// decks). The game number changes on every deal.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "engine/deal.h"
#include "engine/score.h"
#include "model/game.h"
#include "model/game_number.h"
#include "model/shuffle.h"

namespace {

using namespace vantrel;

void suitFoundations(GameParams& p, int n) {
    p.set(261, n);
    p.set(25, 13);
    for (int j = 0; j < n; ++j) {
        p.set(36 + j, 1);
        p.set(52 + j, 1);
        p.set(68 + j, 0);
    }
}

// Rows dealt in order with one face mode; the rest (when `stock`) to a
// face-down stock.
void rowsGame(GameParams& p, int deckSize, int foundations, std::initializer_list<int> rows, int faceMode,
              int stock, int reserves) {
    p.set(265, deckSize);
    suitFoundations(p, foundations);
    p.set(262, static_cast<int>(rows.size()));
    p.set(263, reserves);
    p.set(266, stock);
    p.set(6, 1);
    int k = 0;
    for (int count : rows) {
        p.set(268 + k, count);
        p.set(294 + k, faceMode);
        ++k;
    }
}

void freeCell(GameParams& p) { rowsGame(p, 52, 4, {7, 7, 7, 7, 6, 6, 6, 6}, 52, 0, 4); }
void klondike(GameParams& p) { rowsGame(p, 52, 4, {1, 2, 3, 4, 5, 6, 7}, 1, 24, 0); }
void spider(GameParams& p) { rowsGame(p, 104, 8, {6, 6, 6, 6, 5, 5, 5, 5, 5, 5}, 1, 50, 0); }

void dealLoop(benchmark::State& state, void (*define)(GameParams&)) {
    auto game = std::make_unique<Game>();
    define(game->params);
    game->params.saveCopy();
    game->state.write(field::Scoring_System, StandardScoring);
    long long n = 1234567;
    for (auto _ : state) {
        game->clearTable(true);
        game->params.RestoreGameParameters();
        game->state.write(field::Score, "0");
        game->state.write(field::Deal_Number, gameNumberFromProduct(n++, 7919));
        auto deck = Dealer(*game, nullptr, nullptr).deal();
        benchmark::DoNotOptimize(deck);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_DealFreeCell(benchmark::State& s) { dealLoop(s, freeCell); }
void BM_DealKlondike(benchmark::State& s) { dealLoop(s, klondike); }
void BM_DealSpider(benchmark::State& s) { dealLoop(s, spider); }

void BM_Shuffle52(benchmark::State& state) {
    long long n = 1234567;
    for (auto _ : state) benchmark::DoNotOptimize(Shuffle(gameNumberFromProduct(n++, 7919), 52, nullptr));
}

BENCHMARK(BM_DealFreeCell);
BENCHMARK(BM_DealKlondike);
BENCHMARK(BM_DealSpider);
BENCHMARK(BM_Shuffle52);

}  // namespace
