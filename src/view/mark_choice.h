#pragma once
// Which empty-pile mark a pile shows, by its kind and the game's rules.
#include <string>

namespace vantrel {

class GameParams;

// Kinds of the empty-pile marks.
namespace markKind {
inline constexpr int Stock = 1, Waste = 2, Foundation = 3, None = 4, Reserve = 5, Tableau = 6, SecondWaste = 7;
}

struct MarkFacts {
    const GameParams& params;
    int redealsDone = 0;     // passes through the stock so far
    bool stockEmpty = true;
    int wasteCards = 0;
};

// Mark number (1..22) for the pile of `kind` with index `pileIndex` (from
// 0), or 0 when nothing is drawn.
int emptyPileMark(int kind, int pileIndex, const MarkFacts& facts);

// The mark of a base rank code (1 Ace ... 13 King, and the codes 81, 84,
// 85); 0 when the code has none.
int baseRankMark(int code);

}  // namespace vantrel
