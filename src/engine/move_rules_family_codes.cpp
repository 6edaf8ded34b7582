// Rule codes 36 to 56: the building rules of particular game families.
#include "engine/move_rules_context.h"
#include "model/cards.h"
#include "model/param_ids.h"

namespace vantrel::rules {

namespace {
// Codes 38 and 48: an empty pile takes only `key`; a row holding just that
// rank takes any card but `key` (38 also refuses Queens there). Only while
// the waste is empty. Unlike most codes these see an empty pile in the
// deal-time sweep (rank 0) as occupied.
bool keyRankRow(const RuleContext& c, int key) {
    if (c.wasteCount() != 0) return false;
    if (c.rT < 0) return c.rM == key;
    if (c.rowCount(c.a.pileIndex) == 1 && c.rT == key)
        return key == King ? c.rM != Queen && c.rM != King : c.rM != key;
    return false;
}

// Codes 41, 46-52: the first card of an empty foundation has its base rank.
bool startsAtBase(const RuleContext& c) { return c.rM == c.baseRank(); }

// Code 41: a suit may start only one foundation of its half of the table.
bool suitFreeInHalf(const RuleContext& c) {
    const int first = c.a.pileIndex <= 3 ? 0 : 4;
    const int suit = suitOf(c.a.moving);
    for (int j = first; j < first + 4; ++j) {
        const int top = c.foundationTop(j);
        if (top > 0 && suitOf(top) == suit) return false;
    }
    return true;
}

// Codes 49-52: the tableau row paired with this foundation must hold a card
// (and, for 51 and 52, a bottom card of the moving card's suit).
bool pairedRowAllows(const RuleContext& c, int k, bool suitToo) {
    if (c.rowCount(k) == 0) return false;
    return !suitToo || suitOf(c.rowBottom(k)) == suitOf(c.a.moving);
}

// Codes 54, 55: an empty row takes the rank of its base code, or anything.
bool baseCodeAllows(const RuleContext& c) {
    const int base = c.param(param::TableauBase.at(c.a.pileIndex));
    return base == -1 || c.rM == base;
}
}  // namespace

std::optional<bool> familyCodes(const RuleContext& c) {
    const RuleArgs& a = c.a;
    const int rT = c.rT, rM = c.rM, j = a.pileIndex;
    switch (a.rule) {
        case 36:
            if (c.targetEmpty()) return rM == a.referenceRank && (j == 0 || c.foundationCount(j - 1) > 0);
            return rT == rM + 1 || (rM == King && rT == Ace);
        case 37:
            if (c.targetEmpty()) return emptyPileRule(c);
            return rM == (2 * rT) % 13 || (rM == King && c.foundationCount(0) >= 48);
        case 38: return keyRankRow(c, King);
        case 39:
        case 44:
            if (rT < 0) return rM == Ace;
            return rM == rT + 1 && rM != King && (a.rule == 44 || rM != Queen);
        case 40:
            if (c.stockCount() + c.wasteCount() == 1) return true;
            return rM == c.rules.calledRank();
        case 41:
            if (c.targetEmpty()) return startsAtBase(c) && suitFreeInHalf(c);
            return c.sameSuit() && (rM == rT + 2 || rM == (rT + 2) % 13);
        case 42:
            if (!c.sameSuit() || rM != rT + 1) return false;
            if (rM != King) return true;
            return c.foundationInUse(j + 6) && rankOf(c.foundationTop(j + 6)) == King;
        case 43: return c.sameSuit() && rM == rT + 2;
        case 45:
            if (c.wasteCount() != 0) return false;
            if (rT < 0) return rM == King;
            if (rM == King) return false;
            return c.rowCount(j) == 1 || rT == rM + 1;
        case 46:
        case 49:
        case 51:
            if (!c.targetEmpty()) return rM == rT + 1 && rM != Queen && rM != King;
            if (!startsAtBase(c)) return false;
            return a.rule == 46 || pairedRowAllows(c, j, a.rule == 51);
        case 47:
        case 50:
        case 52:
            if (!c.targetEmpty()) return rM != Queen && (rT == rM + 1 || (rT == Ace && rM == King));
            if (!startsAtBase(c)) return false;
            // The paired row lies eight places back; without it the condition lapses.
            return a.rule == 47 || !c.rowInUse(j - 8) || pairedRowAllows(c, j - 8, a.rule == 52);
        case 48: return keyRankRow(c, Queen);
        case 53:
            if (j > 0 && c.foundationCount(j - 1) != 13) return false;
            if (c.targetEmpty()) return startsAtBase(c);
            return rM == rT + 1 || (rM == Ace && rT == King);
        case 54:
            if (c.location() <= reserveLocation(1) && c.location() >= reserveLocation(7)) return false;
            if (c.targetEmpty()) return baseCodeAllows(c);
            return rT == rM + 1 || (c.param(param::TableauWrap.at(j)) == 1 && rM == King && rT == Ace);
        case 55: {
            const int waste = c.wasteCount();
            if (waste >= 2) return false;
            if (waste == 1 && a.moving != topCard(c.game.piles.stock[WasteEntry])) return false;
            if (c.targetEmpty()) return baseCodeAllows(c);
            return rM == rT + 1 && c.sameColour();
        }
        case 56: return !c.targetEmpty() && rM == rT;
        default: return std::nullopt;
    }
}

}  // namespace vantrel::rules
