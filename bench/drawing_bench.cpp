// Table drawing: a full redraw of dealt tables at 1920 x 1080, and one step
// of a drag (the picture moved by 5 pixels, with its shadow); flight steps
// and a whole flight.
#include <benchmark/benchmark.h>

#include <QPainter>

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
        t->drawing.pictures().drawBackground(Target::Table);
        t->drawing.piles().drawTable(Target::Table, false);
        t->drawing.pictures().showWindow();
        benchmark::DoNotOptimize(t->canvas.shownPicture().constBits());
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
    t->drawing.drag().buildDragPicture(pile, cards - static_cast<int>(state.range(0)));
    int x = 600;
    t->drawing.drag().moveDragPicture(x, 400, false, false);
    for (auto _ : state) {
        x = x == 600 ? 605 : 600;
        benchmark::DoNotOptimize(t->drawing.drag().moveDragPicture(x, 400, false, false));
    }
}
BENCHMARK(BM_DragStep)->Arg(1)->Arg(5)->ArgName("cards")->Unit(benchmark::kMicrosecond);

// Flights. The window area each step changed is painted onto a screen-sized
// picture, as the table widget does when a flight repaints it at once.
struct FlightBench {
    explicit FlightBench(benchmark::State& state) : t(dealtTable(state, 1, 'B')) {
        screen = QImage(t->canvas.windowSize(), vantrel::TableCanvas::Format);
        t->canvas.paintNow = [this](const QRect& r) {
            QPainter p(&screen);
            p.drawImage(r, t->canvas.shownPicture(), r.translated(0, t->canvas.shownDy()));
        };
    }
    std::unique_ptr<DealtTable> t;
    QImage screen;
};

// range(0): cards in the flying block; a 13-card run is laid into the
// first row for it.
void BM_FlightStep(benchmark::State& state) {
    FlightBench b(state);
    const vantrel::PileRef pile{vantrel::PileGroup::Tableau, 0};
    std::string& row = b.t->game.piles.pile(pile);
    const int cards = static_cast<int>(state.range(0));
    row.clear();
    for (int k = 0; k < 13; ++k) vantrel::appendCard(b.t->game.piles, b.t->game.cards, pile.group, 0, 13 - k, '1');
    b.t->drawing.drag().buildDragPicture(pile, 13 - cards);
    int x = 600;
    b.t->drawing.drag().moveDragPicture(x, 300, false, false);
    for (auto _ : state) {
        x = x == 600 ? 648 : 600;  // a step of a 500-pixel flight
        b.t->drawing.drag().moveDragPicture(x, 300, false, false);
        b.t->canvas.flush();
    }
}
BENCHMARK(BM_FlightStep)->Arg(1)->Arg(13)->ArgName("cards")->Unit(benchmark::kMicrosecond);

void BM_WholeFlight500(benchmark::State& state) {
    FlightBench b(state);
    b.t->game.state.write(vantrel::field::Speed_Move_Card, 0);
    for (auto _ : state)
        b.t->drawing.flights().flyCard(7, QPoint(600, 300), {.prepare = true, .shadow = true, .stamp = true},
                                       QPoint(1100, 300));
}
BENCHMARK(BM_WholeFlight500)->Unit(benchmark::kMicrosecond);

}  // namespace
