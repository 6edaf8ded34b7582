#pragma once
// What the search remembers of a table: a 64-bit key of everything the
// rules read during play, and a score that orders the children.
#include <cstdint>

namespace vantrel {
struct Game;
class GameParams;
}

namespace solitaire_solve {

// Which piles of a group are interchangeable: the same rules for every
// pile in use and nothing that reads one of them by its place. Tables that
// differ only by the order of such piles are one table to the search, and
// of several empty ones only the first is tried as a target.
struct Symmetry {
    bool rows = false;
    bool reserves = false;
};
Symmetry symmetry(const vantrel::GameParams& params);

// Equal tables give equal keys, as do tables equal but for the order of
// interchangeable piles. The piles, every card's face, the foundation
// base ranks the first cards set, the first-move counter, the stock pass
// while passes are limited, the click count where ranks are called by it,
// and the score in the game that is won by points.
uint64_t tableKey(const vantrel::Game& game);

// Higher is closer to a win: cards on foundations, cards turned up, empty
// rows and cells.
int tableScore(const vantrel::Game& game);

}  // namespace solitaire_solve
