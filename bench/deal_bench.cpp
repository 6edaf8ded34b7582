// Whole deals per second: shuffle, laying out and score, for the three
// kinds of table the shipped games have (free cells, stock and rows, two
// decks). The game number changes on every deal.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/score.h"
#include "model/deal.h"
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

void freeCell(GameParams& p) {
    p.set(265, 52);
    suitFoundations(p, 4);
    p.set(262, 8);
    p.set(263, 4);
    const int rows[] = {7, 7, 7, 7, 6, 6, 6, 6};
    for (int k = 0; k < 8; ++k) {
        p.set(268 + k, rows[k]);
        p.set(294 + k, 52);
    }
}

void klondike(GameParams& p) {
    p.set(265, 52);
    suitFoundations(p, 4);
    p.set(262, 7);
    p.set(266, 24);
    p.set(6, 1);
    for (int k = 0; k < 7; ++k) {
        p.set(268 + k, k + 1);
        p.set(294 + k, 1);
    }
}

void spider(GameParams& p) {
    p.set(265, 104);
    suitFoundations(p, 8);
    p.set(262, 10);
    p.set(266, 50);
    p.set(6, 1);
    for (int k = 0; k < 10; ++k) {
        p.set(268 + k, k < 4 ? 6 : 5);
        p.set(294 + k, 1);
    }
}

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
