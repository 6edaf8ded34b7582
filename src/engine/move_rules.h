#pragma once
// Whether a card (or the bottom card of a run) may go onto a pile. Reads the
// piles, the card table and the parameters; changes nothing except the
// remembered source marker of a run-size check.
#include <string_view>

namespace vantrel {

struct Game;
class Messages;

struct RuleArgs {
    int target = -1;        // top card of the target pile, -1 when it is empty
    int moving = 0;         // moving card
    int emptyCode = 0;      // empty-pile code B
    bool fromPlay = true;   // false during the deal-time sweep
    int pileIndex = 0;      // foundation j or row k
    bool wrap = false;
    bool foundation = false;
    int rule = 0;           // rule code R
    int direction = 0;      // D
    int referenceRank = 0;  // O
};

class MoveRules {
public:
    // `messages` receives "Error suit - 1"; may be null.
    MoveRules(Game& game, Messages* messages = nullptr) : game_(game), messages_(messages) {}

    bool ruleCheck(const RuleArgs& a) const;

    // Foundation j (0-based) in play, and during the deal-time sweep.
    bool foundationCheck(int card, int j) const;
    bool foundationSweepCheck(int card, int j) const;
    bool tableauCheck(int card, int k) const;  // row k, 0-based
    bool reserveCheck(int card, int n) const;  // reserve n, 1-based

    // Dispatch by pile name: DestN, FilaN, AppoggN; anything else is refused.
    bool canGoToPile(int card, std::string_view pileName) const;

    // Run-size limit for a run whose bottom card is `card`; remembers the
    // source row marker in the play state.
    bool runSizeCheck(int card, bool toEmpty) const;
    // The run from `card` up in row k (0-based) is a proper sequence.
    bool runCheck(int card, int k) const;
    bool balanceRule(int code, int card) const;

private:
    Game& game_;
    Messages* messages_;
};

}  // namespace vantrel
