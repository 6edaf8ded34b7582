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
    bool foundations = false;
    // The same card of two decks keyed alike: the rules read a card's rank,
    // suit and face, never its deck. Only where every card lies once on
    // the table, and no pair selection repeats cards.
    bool decks = false;
    // Foundations that give no card back and never read the suit of the
    // card they build on: their top cards keyed by rank. From the dealt
    // table.
    bool suitlessFoundations = false;
};
Symmetry symmetry(const vantrel::GameParams& params);
// The same, with `decks` read from the dealt table.
Symmetry symmetry(const vantrel::Game& game);

// Equal tables give equal keys, as do tables equal but for the order of
// interchangeable piles. The piles, every card's face, the foundation
// base ranks the first cards set, the first-move counter, the stock pass
// while passes are limited, the click count where ranks are called by it,
// and the score in the game that is won by points.
uint64_t tableKey(const vantrel::Game& game);
// The same with the game's symmetry already known (the search's case).
uint64_t tableKey(const vantrel::Game& game, Symmetry symmetry);

// What a move gained, counted on the table: cards home or discarded, cards still face
// down and the cards on them, cards of a row lying above a lower rank (which goes home first
// where foundations build up), empty rows and cells.
struct Progress {
    int home = 0;
    int hidden = 0;
    int buried = 0;
    int covering = 0;  // face-up cards lying on a row's face-down ones (not in the score)
    int emptyRows = 0;
    int emptyCells = 0;
    bool dealsOntoRows = false;  // the stock deals onto the rows
    // Higher is closer to a win.
    // While cards lie face down, turning them leads; the order of the
    // cards showing counts once all are up, or from the start where every
    // deal from the stock buries the cards showing further.
    int score() const {
        return 16 * home - 5 * hidden - (hidden && !dealsOntoRows ? 0 : 2 * buried) + 6 * emptyRows + 3 * emptyCells;
    }
};
Progress progress(const vantrel::Game& game);

// The order a node's children are tried in, lowest first: moves that send
// cards home, then moves that turn a card or empty a row, then the rest;
// the closer to a win first within each.
struct MoveRank {
    int tier;
    int score;
    bool operator<(const MoveRank& o) const { return tier != o.tier ? tier < o.tier : score > o.score; }
};
MoveRank moveRank(const Progress& before, const Progress& after);

}  // namespace solitaire_solve
