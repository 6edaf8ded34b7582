#pragma once
// Where each card of a pile lies: the fan steps by card size and the walk
// over a pile's cards that pointer play, drawing and animations share.
#include <string_view>

#include "model/piles.h"
#include "view/layout/untidy_piles.h"

namespace vantrel {

class CardTable;
class GameParams;
class PilePositions;
class StateRecord;

struct FanSteps {
    int downFaceUp = 0;    // mode 1
    int downFaceDown = 0;
    int sideFaceUp = 0;    // mode 2
    int sideFaceDown = 0;
    int tightSide = 0;     // mode 6
    int tightDown = 3;     // mode 5
    int sideGap = 6;       // mode 4, between cards laid side by side
};

// The steps for card size "B", "M" or "L" (others count as "B") and the
// fan modes of the tableau (parameter 3) and reserves (parameter 5). The
// tight sideways step changes only for a mode-6 tableau; otherwise it keeps
// the value in `previous`.
FanSteps fanSteps(char cardSize, int tableauMode, int reserveMode, const FanSteps& previous = {});

// Pile modes that spread cards.
namespace fan {
inline constexpr int Down = 1, Right = 2, Squared = 3, SideBySide = 4, TightDown = 5, TightRight = 6,
                     OneStepDown = 7;
}

struct CardFanContext {
    const Piles& piles;
    const CardTable& cards;
    const PilePositions& positions;
    const GameParams& params;
    FanSteps steps;
    int cardW = 71;
    const JitterTables* untidy = nullptr;  // set when untidy piles are on
};

// Untidy piles are on unless `Piles_TT` is "N".
bool untidyPilesOn(const StateRecord& state);

struct CardPoint {
    int x = 0;
    int y = 0;
};

// The walk up a pile's fan, one card at a time: where card index() lies,
// and past the last card where the next one laid on the pile goes. A hit
// test or a drawing that visits every card walks once instead of asking
// cardPoint for each.
class FanWalk {
public:
    FanWalk(const CardFanContext& ctx, PileRef pile);
    CardPoint point() const;
    int index() const { return k_; }
    bool fans() const { return pile_ != nullptr; }  // false for the stock group
    // Every card of the walk lies at the first one's x (no sideways fan, no untidy shift).
    bool oneColumn() const { return !fansRight_ && !untidy_; }
    void step();  // to the card above
    // n cards up at once: the same place as n steps, reached without a
    // branch per card where the fan's step is one size for every card.
    void stepBy(int n);

private:
    CardFanContext ctx_;
    PileRef ref_;
    const std::string* pile_ = nullptr;  // null: the pile does not fan
    int mode_ = 0;
    bool fansDown_ = false, fansRight_ = false, untidy_ = false;
    CardPoint p_;
    int k_ = 0;
};

// With `include` clear: the place of the topmost card when the top
// `leftOut` cards are left out. With it set: where the card above those
// counted lies, so card e of a pile is at leftOut = cards - e.
CardPoint cardPoint(const CardFanContext& ctx, PileRef pile, int leftOut, bool include);
int CardX(const CardFanContext& ctx, PileRef pile, int leftOut, bool include);
int CardY(const CardFanContext& ctx, PileRef pile, int leftOut, bool include);

}  // namespace vantrel
