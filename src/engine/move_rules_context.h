#pragma once
// What every rule code looks at while one rule check runs: the call's
// arguments, the two ranks and read-only views of the table.
#include <optional>

#include "engine/move_rules.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel::rules {

class RuleContext {
public:
    RuleContext(const MoveRules& rules, const Game& game, const RuleArgs& a);

    const MoveRules& rules;
    const Game& game;
    const RuleArgs& a;
    int rT;  // rank of the target's top card; -1 in play, 0 in the sweep when missing
    int rM;  // rank of the moving card

    // No card to build on.
    bool targetEmpty() const { return rT < 1; }
    bool sameSuit() const;
    bool sameColour() const;
    bool alternateColours() const { return !sameColour(); }

    int param(int n) const { return game.params[n]; }
    int baseRank() const { return param(param::FoundationBase.at(a.pileIndex)); }
    int rowCount(int k) const;         // 0 outside 0..25
    int foundationCount(int j) const;  // 0 outside 0..15
    int rowBottom(int k) const;        // -1 when empty or outside
    int foundationTop(int j) const;    // -1 when empty or outside
    bool rowInUse(int k) const { return k >= 0 && k < param(param::TableauRows) && k < TableauPiles; }
    bool foundationInUse(int j) const { return j >= 0 && j < param(param::Foundations) && j < FoundationPiles; }
    int stockCount() const;
    int wasteCount() const;
    int location() const;  // of the moving card, looked up once
    bool inRow() const { return location() > 0; }
    bool inReserve() const { return location() <= reserveLocation(1) && location() >= reserveLocation(8); }
    bool inFoundation() const { return location() <= foundationLocation(0) && location() >= foundationLocation(15); }

private:
    mutable std::optional<int> location_;
};

// The rule a code gives, or nothing when the generic rule decides.
std::optional<bool> codedRule(const RuleContext& c);
std::optional<bool> commonCodes(const RuleContext& c);  // 4..35
std::optional<bool> familyCodes(const RuleContext& c);  // 36..56

bool genericRule(const RuleContext& c);
bool emptyPileRule(const RuleContext& c);

}  // namespace vantrel::rules
