#pragma once
// The solver's moves are pointer events: a click, or a press, a move that
// lays the block on the target's next-card place, and a release. Applied
// through the same play entry points as the window, so a line found here
// replays unchanged through the script driver.
#include <cstdint>
#include <ostream>
#include <vector>

#include "engine/pointer_feedback.h"
#include "table_key.h"

namespace vantrel {
struct Game;
class TablePlay;
}  // namespace vantrel

namespace solitaire_solve {

struct PointerAction {
    enum Kind : uint8_t { Click, Drag };
    Kind kind = Click;
    int16_t x = 0, y = 0;      // the press
    int16_t toX = 0, toY = 0;  // Drag: the move and the release
    bool home = false;         // a drag onto a foundation
};

// The actions worth trying on `game`: stock clicks, clicks that turn or
// select cards, and drags of every card the pick-up rules may lift onto
// every pile *can go to pile* accepts. `game` is only read, though the
// rule check may note a run's source marker in it. `symmetry`: the
// game's, as symmetry() gives it.
void candidateActions(vantrel::Game& game, const vantrel::TableGeometry& geometry, Symmetry symmetry,
                      std::vector<PointerAction>& out);

void apply(vantrel::TablePlay& play, const PointerAction& action);

// The action as lines of a --play script.
void writeScript(std::ostream& out, const PointerAction& action);

}  // namespace solitaire_solve
