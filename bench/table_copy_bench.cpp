// The cost a search pays per position: copying the table state of a dealt
// game, and copying it then making one move on the copy with nothing drawn.
// The games come from the built GAMES.DAT.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/deal.h"
#include "engine/move_execution.h"
#include "engine/silent_feedback.h"
#include "model/game.h"
#include "model/games_file.h"
#include "model/piles.h"

namespace {

using namespace vantrel;

// Game `number` dealt with a fixed game number; the program stops when the
// file or the game is missing, since every figure would be meaningless.
Game dealt(int number) {
    static const GamesFile file = [] {
        GamesFile f;
        std::string error;
        if (!f.load(VANTREL_GAMES_DAT, error)) {
            fprintf(stderr, "%s\n", error.c_str());
            std::exit(1);
        }
        return f;
    }();
    Game game;
    std::string error;
    game.state.write(field::Game, number);
    game.state.write(field::Deal_Number, "0000000424242");
    game.state.write(field::Score, "0");
    if (!file.LoadGameParameters(number, game.params, error) || !Dealer(game, nullptr, nullptr).deal()) {
        fprintf(stderr, "game %d cannot be dealt: %s\n", number, error.c_str());
        std::exit(1);
    }
    return game;
}

void BM_CopyTable(benchmark::State& state) {
    const Game game = dealt(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Game copy = game;
        benchmark::DoNotOptimize(copy);
    }
}

// The move: the top card of the first row onto the second, as a search
// would try it (the executor does not ask the rules).
void BM_CopyAndMove(benchmark::State& state) {
    const Game game = dealt(static_cast<int>(state.range(0)));
    const int card = topCard(game.piles.tableau[0]);
    SilentFeedback silent;
    for (auto _ : state) {
        Game copy = game;
        MoveExecutor executor(copy, silent);
        benchmark::DoNotOptimize(executor.Execute(card, Action{ActionKind::Fila, 2}));
    }
}

// FreeCell, Klondike, Spider.
BENCHMARK(BM_CopyTable)->Arg(1)->Arg(2)->Arg(3);
BENCHMARK(BM_CopyAndMove)->Arg(1)->Arg(2)->Arg(3);

}  // namespace
