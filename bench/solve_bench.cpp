// The solver on 200 FreeCell and 200 Klondike deals (one card per click,
// unlimited redeals), one second and 200k states each: deals solved per
// second, the share solved, and the median and worst time of a deal.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "deal_setup.h"
#include "model/game.h"
#include "play_driver.h"
#include "table_search.h"
#include "view/layout/layout_report.h"

namespace {

constexpr int Deals = 200;

void solveDeals(benchmark::State& state, int gameNumber) {
    vantrel::LayoutArea area;
    std::string error;
    vantrel::parseLayoutOption("width=1903,height=1080,top=40,bottom=1020,screen=1920x1080,winh=1080,shadow=9,card=B",
                               area, error);
    auto loaded = std::make_unique<vantrel::Game>();
    if (!solitaire_deal::loadGame(*loaded, VANTREL_GAMES_DAT, gameNumber, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    solitaire_solve::SearchLimits limits;
    limits.seconds = 1;
    limits.states = 200'000;
    auto table = std::make_unique<vantrel::Game>();
    for (auto _ : state) {
        std::vector<double> times;
        int solved = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int d = 1; d <= Deals; ++d) {
            *table = *loaded;
            solitaire_deal::dealTable(*table, std::to_string(d), nullptr);
            const auto geometry = solitaire_deal::prepareScriptTable(*table, area);
            const auto r = solitaire_solve::solve(*table, geometry, limits);
            times.push_back(r.seconds);
            solved += r.outcome == solitaire_solve::Outcome::Won;
        }
        const double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::sort(times.begin(), times.end());
        state.counters["solved_per_s"] = solved / total;
        state.counters["share_solved"] = double(solved) / Deals;
        state.counters["median_s"] = times[times.size() / 2];
        state.counters["worst_s"] = times.back();
    }
}

void BM_FreeCell200(benchmark::State& state) { solveDeals(state, 1); }
void BM_Klondike200(benchmark::State& state) { solveDeals(state, 2); }
BENCHMARK(BM_FreeCell200)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_Klondike200)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
