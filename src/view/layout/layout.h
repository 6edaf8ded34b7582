#pragma once
// Turns the placement codes of a game and the size of the drawing area into
// the screen position of every pile, plus the room the tableau has to fan.
#include <array>

#include "model/pile_positions.h"
#include "view/layout/layout_inputs.h"

namespace vantrel {

// Stock-group positions kept for redrawing the stock edges.
struct StockCopy {
    int x = 0;
    int y = 0;     // minus the scroll position
    int rawY = 0;
};

struct LayoutResult {
    int fanRoomV = 0;  // vertical room of a tableau fan
    int fanRoomH = 0;  // horizontal room of a tableau fan
    std::array<StockCopy, StockPiles> stockCopies{};
    int passes = 0;    // 2 when the reserves pushed the tableau aside
};

// Writes the positions of every group the inputs place. Piles of groups whose
// arrangement is not known keep what they had (normally the unplaced marks).
// Ends with the scroll offset of `positions` set to the scroll position.
LayoutResult Layout(const LayoutInputs& in, PilePositions& positions);

}  // namespace vantrel
