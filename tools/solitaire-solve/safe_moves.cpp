#include "safe_moves.h"

#include <algorithm>

#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace solitaire_solve {

using namespace vantrel;

namespace {
constexpr int CalledRankCycle = 26;  // clicks that call every rank twice over
}

bool homeIsSafe(const GameParams& p) {
    if (p[param::PairSum] != 0) return false;
    for (int j = 0; j < param::foundationsInUse(p); ++j)
        if (p[param::FoundationBase.at(j)] != Ace || p[param::FoundationDirection.at(j)] != 1 ||
            p[param::FoundationRule.at(j)] != 0 || p[param::FoundationStart.at(j)] != 0)
            return false;
    for (int k = 0; k < param::rowsInUse(p); ++k)
        if (p[param::TableauDirection.at(k)] != 0 || p[param::TableauWrap.at(k)] != 0 ||
            p[param::TableauRule.at(k)] < 0 || p[param::TableauRule.at(k)] > 3)
            return false;
    for (int n = 0; n < param::reservesInUse(p); ++n)
        if (p[param::ReserveType.at(n)] != 0) return false;
    return true;
}

bool safeHome(const Game& before, const Game& after) {
    if (before.piles.stock != after.piles.stock) return false;
    const int inUse = param::foundationsInUse(after.params);
    int least = CardTable::Cards;
    for (int j = 0; j < inUse; ++j) least = std::min(least, cardCount(after.piles.foundations[j]));
    bool grew = false;
    for (int j = 0; j < inUse; ++j) {
        const int was = cardCount(before.piles.foundations[j]), now = cardCount(after.piles.foundations[j]);
        if (now < was || now > std::max(was, least + 1)) return false;
        grew = grew || now > was;
    }
    return grew;
}

bool stockOnly(const Game& before, const Game& after) {
    return before.piles.stock != after.piles.stock && before.piles.tableau == after.piles.tableau &&
           before.piles.foundations == after.piles.foundations && before.piles.reserves == after.piles.reserves;
}

int stockRunCap(const Game& root) {
    int cards = 0;
    for (const std::string& s : root.piles.stock) cards += cardCount(s);
    return std::max(cards + 1, CalledRankCycle);
}

}  // namespace solitaire_solve
