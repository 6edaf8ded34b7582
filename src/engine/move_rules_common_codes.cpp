// Rule codes 4 to 35: restrictions that many games share.
#include "engine/move_rules_context.h"
#include "model/cards.h"

namespace vantrel::rules {

namespace {
bool isBalanceCode(int b) { return b == 81 || b == 84 || b == 85; }

// Code 29: up from Ace to King, a second King, then down to the Ace.
bool upThenDown(const RuleContext& c) {
    if (c.targetEmpty()) {
        if (isBalanceCode(c.a.emptyCode)) return c.rules.balanceRule(c.a.emptyCode, c.a.moving);
        return emptyPileRule(c);
    }
    if (!c.sameSuit()) return false;
    const int held = c.foundationCount(c.a.pileIndex);
    if (held <= 12) return c.rM == c.rT + 1;
    if (held == 13) return c.rM == King;
    return c.rT == c.rM + 1;
}

// Code 30: the row's first two cards fix whether it builds up or down.
bool continueRow(const RuleContext& c) {
    const int rT = c.rT, rM = c.rM;
    if ((rT == King && rM == Ace) || (rT == Ace && rM == King)) return false;
    if (c.targetEmpty() || !c.sameSuit()) return false;
    const int k = c.a.pileIndex;
    const int held = c.rowCount(k);
    if (held < 2) return rM == rT + 1 || rT == rM + 1;
    const std::string& row = c.game.piles.tableau[static_cast<size_t>(k)];
    const bool buildsDown = rankOf(topCard(row)) < rankOf(cardAt(row, held - 2));
    return buildsDown ? rT == rM + 1 : rM == rT + 1;
}
}  // namespace

std::optional<bool> commonCodes(const RuleContext& c) {
    const RuleArgs& a = c.a;
    const int rT = c.rT, rM = c.rM;
    switch (a.rule) {
        case 4:
        case 5: return false;
        case 7:
            if (!a.fromPlay) return std::nullopt;
            return c.targetEmpty() && c.stockCount() == 0;
        case 11:
            if (rM == Queen && (rT == King || rT == Jack)) return false;
            return std::nullopt;  // the generic rule's filter asks for the same suit
        case 12: return true;
        case 14:
        case 15:
        case 16: {
            const int step = a.rule - 12;
            return rM == rT + step || rM == (rT + step) % 13;
        }
        case 17: return !c.inRow();
        case 18: return !c.inRow() || c.rowCount(a.pileIndex) == 0;
        case 19: return !c.inRow() && !c.inReserve();
        case 20: return rM == rT + 1 || (c.targetEmpty() && rM == Ace) || (rT == King && rM == Ace);
        case 21:
            if (!c.targetEmpty() && c.sameSuit()) return false;
            return std::nullopt;
        case 23: return c.wasteCount() == 0 && !c.targetEmpty() && c.sameSuit() && rM == rT + 1;
        case 24:
            if ((rT == King && rM == Queen) || (rT == Queen && rM == King)) return false;
            if (!c.sameSuit()) return false;
            return std::nullopt;
        case 25:
            if (c.targetEmpty()) return true;
            return c.sameSuit() && (a.direction == 1 ? rM == rT + 2 : rM == rT - 2);
        case 26:
            return !c.targetEmpty() && c.rowCount(a.pileIndex) <= 2 && (rM == rT + 1 || rT == rM + 1);
        case 27:
            if (c.inFoundation() || c.inReserve()) return false;
            return std::nullopt;  // the generic rule's filter asks for alternate colours
        case 28:
            if (c.targetEmpty()) return true;
            if (!c.sameSuit()) return false;
            if (rT == Ace) return rM == 2;
            if (rT == King) return rM == Queen;
            return rM == rT + 1 || rM == rT - 1;
        case 29: return upThenDown(c);
        case 30: return continueRow(c);
        case 31: return rT != Ace && c.sameSuit() && rT == rM + 1;
        case 32: return rT != King && c.sameSuit() && rM == rT + 1;
        case 33: return !c.inRow() && c.rowCount(a.pileIndex) <= 1;
        case 34:
            if (c.targetEmpty()) return emptyPileRule(c);
            return c.alternateColours() && rT == rM + 1;
        case 35:
            if (c.targetEmpty()) return emptyPileRule(c);
            return rM == rT + 1 || rM == rT - 1 || (rT == King && rM == Ace) || (rT == Ace && rM == King);
        default: return std::nullopt;  // 6, 8, 9, 10, 13, 22
    }
}

}  // namespace vantrel::rules
