#pragma once
// Counters of the game in progress that the rules, the deal and the moves
// share.
namespace vantrel {

struct PlayState {
    int moveCounter = 0;           // moves made, counted up to 2
    int stockPass = 1;             // current pass through the stock
    int stockClicks = 0;           // cards turned from the stock (family 28 calls ranks by it)
    bool stockEmptyMarker = false; // the empty-stock marker is showing
    int sourceMarker = 0;          // top card of the run being moved, 0 none
};

}  // namespace vantrel
