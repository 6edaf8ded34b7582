// The rule check's entry, the generic rule that most codes share, and the
// rule for an empty pile.
#include "engine/move_rules_context.h"
#include "model/cards.h"

namespace vantrel {

bool MoveRules::ruleCheck(const RuleArgs& a) const {
    if (a.target == a.moving) return false;
    if (a.moving < 1 || a.moving > CardTable::Cards) return false;  // not a card
    const rules::RuleContext c(*this, game_, a);
    if (auto coded = rules::codedRule(c)) return *coded;
    return rules::genericRule(c);
}

namespace rules {

std::optional<bool> codedRule(const RuleContext& c) {
    const int r = c.a.rule;
    if (r >= 4 && r <= 35) return commonCodes(c);
    if (r >= 36 && r <= 56) return familyCodes(c);
    return std::nullopt;
}

namespace {
bool suitFilter(const RuleContext& c) {
    switch (c.a.rule) {
        case 0:
        case 11: return c.sameSuit();
        case 1: return c.sameColour();
        case 3:
        case 27: return c.alternateColours();
        case 6: return false;
        default: return true;
    }
}

bool upTest(const RuleContext& c, bool& decided) {
    const int rT = c.rT, rM = c.rM;
    if (c.a.foundation) {
        // King to Ace, unless the foundation started on an Ace.
        if (rT == King) {
            decided = true;
            return rM == Ace && c.a.emptyCode != 1;
        }
    } else {
        // A card of the reference rank ends a run unless the row wraps.
        if (rT == c.a.referenceRank && !c.a.wrap) {
            decided = true;
            return false;
        }
        if (rT == King && rM == Ace) return true;
    }
    return rM == rT + 1;
}

bool downTest(const RuleContext& c) {
    const int rT = c.rT, rM = c.rM, o = c.a.referenceRank;
    if (c.a.foundation) {
        if (rT != Ace) return rT == rM + 1;
        return rM == King && c.a.emptyCode != King;
    }
    const bool endsRun = rT == o || (rT == Ace && (o == 81 || o == 82 || o == 83));
    if (endsRun && !c.a.wrap) return false;
    if (rT == Ace) return rM == King;
    return rT == rM + 1;
}
}  // namespace

bool genericRule(const RuleContext& c) {
    if (c.targetEmpty()) return emptyPileRule(c);
    if (!suitFilter(c)) return false;
    const int d = c.a.direction;
    if (d == 1 || d == 2) {
        bool decided = false;
        const bool up = upTest(c, decided);
        if (up || decided || d == 1) return up;
    }
    if (d == 0 || d == 2) return downTest(c);
    return false;
}

bool emptyPileRule(const RuleContext& c) {
    const int b = c.a.emptyCode;
    switch (b) {
        case 81:
        case 84:
        case 85: return c.rules.balanceRule(b, c.a.moving);
        case 82:
        case 83: return false;
        // The deal-time sweep moves the card alone, whatever lies above it.
        case 86: return !c.a.fromPlay || c.rules.blockSize(c.a.moving) == 1;
        case 87: return !c.inRow() && !c.inFoundation() && !c.inReserve();
        case 92:
            for (int j = 0; j < FoundationPiles; ++j) {
                const int bottom = bottomCard(c.game.piles.foundations[static_cast<size_t>(j)]);
                if (bottom >= 0 && rankOf(bottom) != c.rM) return false;
            }
            return true;
        case -1: return true;
        default: return c.a.referenceRank == -1 || c.rM == b;
    }
}

}  // namespace rules
}  // namespace vantrel
