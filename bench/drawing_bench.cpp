// Table drawing: a full redraw of dealt tables at 1920 x 1080, and one step
// of a drag (the picture moved by 5 pixels, with its shadow).
#include <benchmark/benchmark.h>

#include "view_qt/table_fixture.h"

namespace {

using vantrel::Target;
using vantrel::test::DealtTable;

std::unique_ptr<DealtTable> dealtTable(benchmark::State& state, int game, char size) {
    auto t = std::make_unique<DealtTable>(std::string(VANTREL_BUILD_DIR) + "/");
    t->game.state.write(vantrel::field::Cards_Shadowed, "Y");
    std::string error;
    if (!t->setUp(game, size, 1920, 1080, error)) state.SkipWithError(error.c_str());
    return t;
}

void BM_FullRedraw(benchmark::State& state) {
    auto t = dealtTable(state, static_cast<int>(state.range(0)), 'B');
    for (auto _ : state) {
        t->drawing.drawBackground(Target::Table);
        t->drawing.drawTable(Target::Table, false);
        t->drawing.showWindow();
        benchmark::DoNotOptimize(t->canvas.window.constBits());
    }
}
BENCHMARK(BM_FullRedraw)->Arg(1)->ArgName("FreeCell")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRedraw)->Arg(3)->ArgName("Spider")->Unit(benchmark::kMillisecond);

// range(0): cards in the dragged block (1 uses the shadow pictures, more
// the dithered shadow).
void BM_DragStep(benchmark::State& state) {
    auto t = dealtTable(state, 1, 'B');
    const vantrel::PileRef pile{vantrel::PileGroup::Tableau, 0};
    const int cards = vantrel::cardCount(t->game.piles.pile(pile));
    t->drawing.buildDragPicture(pile, cards - static_cast<int>(state.range(0)));
    int x = 600;
    t->drawing.moveDragPicture(x, 400, false, false);
    for (auto _ : state) {
        x = x == 600 ? 605 : 600;
        benchmark::DoNotOptimize(t->drawing.moveDragPicture(x, 400, false, false));
    }
}
BENCHMARK(BM_DragStep)->Arg(1)->Arg(5)->ArgName("cards")->Unit(benchmark::kMicrosecond);

}  // namespace
