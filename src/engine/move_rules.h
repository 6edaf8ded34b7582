#pragma once
// Whether a card (or the bottom card of a run) may go onto a pile. Reads the
// piles, the card table and the parameters; changes nothing except the
// remembered source marker of a run-size check.
#include <optional>
#include <string_view>

#include "model/card_place.h"
#include "model/piles.h"

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

// Card location codes: where the moving card lies, as several rules ask.
inline constexpr int LocationStock = -99;
inline constexpr int LocationWaste = -98;
inline constexpr int LocationNowhere = 0;
inline int foundationLocation(int j) { return -(j + 1); }  // j 0-based
inline int rowLocation(int k) { return k + 1; }            // k 0-based
inline int reserveLocation(int n) { return -(n + 20); }    // n 1-based

class MoveRules {
public:
    // `messages` receives "Error suit - 1"; may be null.
    MoveRules(Game& game, Messages* messages = nullptr) : game_(game), messages_(messages) {}

    bool ruleCheck(const RuleArgs& a) const;

    // The argument filling of each caller of the rule check.
    RuleArgs foundationArgs(int card, int j) const;       // drop on foundation j
    RuleArgs foundationSweepArgs(int card, int j) const;  // deal-time sweep to foundation j
    RuleArgs tableauArgs(int card, int k) const;          // drop on row k
    RuleArgs runPairArgs(int lower, int upper, int k) const;  // pair inside a run of row k

    // Foundation j (0-based) in play, and during the deal-time sweep.
    bool foundationCheck(int card, int j) const;
    bool foundationSweepCheck(int card, int j) const;
    bool tableauCheck(int card, int k) const;  // row k, 0-based
    bool reserveCheck(int card, int n) const;  // reserve n, 1-based

    // Dispatch by pile name: DestN, FilaN, AppoggN; anything else is refused.
    bool canGoToPile(int card, std::string_view pileName) const;
    bool canGoToPile(int card, PileRef pile) const;  // the same, without the name

    // Run-size limit for a run whose bottom card is `card`; remembers the
    // source row marker in the play state.
    bool runSizeCheck(int card, bool toEmpty) const;
    // The run from `card` up in row k (0-based) is a proper sequence.
    bool runCheck(int card, int k) const;
    bool balanceRule(int code, int card) const;

    // Location code of a card (see the Location constants above).
    int cardLocation(int card) const;
    // Cards that move with `card`: it and every card above it in its pile;
    // 1 for a card that lies on no pile.
    int blockSize(int card) const;
    // The stock-click counter: cards turned from the stock so far.
    int stockClickCounter() const;
    // The rank rule 40 calls next: Ace after the first card turned, then
    // up to King, and round again.
    int calledRank() const;

private:
    // Steps of the foundation check shared by play and the deal-time sweep.
    bool foundationRules(const RuleArgs& a, bool singleCard) const;
    // Where the card lies: findCard's answer, from the last place found
    // while that still gives the same answer.
    std::optional<CardPlace> placeOf(int card) const;
    bool stillFirstAt(int card, const CardPlace& place) const;

    Game& game_;
    Messages* messages_;
    mutable int lastCard_ = 0;
    mutable CardPlace lastPlace_{};
};

}  // namespace vantrel
