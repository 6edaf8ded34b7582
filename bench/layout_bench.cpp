// One full pile layout for three typical tables.
#include <benchmark/benchmark.h>

#include "model/game_params.h"
#include "view/layout/layout.h"
#include "model/param_ids.h"

namespace {

using vantrel::GameParams;
namespace param = vantrel::param;

struct GroupDef {
    int row, arrangement, count;
};

GameParams table(GroupDef tableau, GroupDef stock, GroupDef foundations, GroupDef reserves, bool stockPile,
                 bool wastePile) {
    GameParams p;
    const auto put = [&p](GroupDef g, int rowSlot, int arrangementSlot, int countSlot) {
        p.set(rowSlot, g.row);
        p.set(arrangementSlot, g.arrangement);
        p.set(countSlot, g.count);
    };
    put(tableau, param::TableauRow, param::TableauArrangement, param::TableauRows);
    put(stock, param::StockRow, param::StockArrangement, param::StockPilesShown);
    put(foundations, param::FoundationRow, param::FoundationArrangement, param::Foundations);
    put(reserves, param::ReserveRow, param::ReserveArrangement, param::Reserves);
    p.set(param::TableauDisplay, 1);
    p.set(param::HasStock, stockPile ? 1 : 0);
    p.set(param::HasWaste, wastePile ? 1 : 0);
    return p;
}

void runLayout(benchmark::State& state, const GameParams& params) {
    vantrel::LayoutArea area;
    area.width = 1008;
    area.height = area.winH = 728;
    area.top = 33;
    area.bottom = 682;
    area.screenW = 1024;
    area.screenH = 768;
    area.shadow = 9;
    vantrel::PilePositions positions;
    for (auto _ : state) {
        // Inputs are rebuilt each time, as the window does on every resize.
        const vantrel::LayoutInputs in = vantrel::layoutInputs(params, area);
        benchmark::DoNotOptimize(vantrel::Layout(in, positions));
        benchmark::ClobberMemory();
    }
}

void BM_LayoutFreeCell(benchmark::State& state) {
    runLayout(state, table({2, 2, 8}, {0, 0, 0}, {1, 8, 4}, {1, 5, 4}, false, false));
}
void BM_LayoutKlondike(benchmark::State& state) {
    runLayout(state, table({2, 1, 7}, {1, 4, 2}, {1, 9, 4}, {0, 0, 0}, true, true));
}
void BM_LayoutSpider(benchmark::State& state) {
    runLayout(state, table({2, 1, 10}, {1, 13, 1}, {1, 8, 8}, {0, 0, 0}, true, false));
}

BENCHMARK(BM_LayoutFreeCell);
BENCHMARK(BM_LayoutKlondike);
BENCHMARK(BM_LayoutSpider);

}  // namespace
