#include "engine/move_rules_context.h"

#include "model/cards.h"

namespace vantrel::rules {

namespace {
int rankOfTarget(const RuleArgs& a) {
    if (a.target < 0) return a.fromPlay ? -1 : 0;
    return rankOf(a.target);
}
}  // namespace

RuleContext::RuleContext(const MoveRules& r, const Game& g, const RuleArgs& args)
    : rules(r), game(g), a(args), rT(rankOfTarget(args)), rM(rankOf(args.moving)) {}

// A missing top card (-1 in play, 0 in the sweep) counts as a heart.
bool RuleContext::sameSuit() const { return suitOf(a.target) == suitOf(a.moving); }

bool RuleContext::sameColour() const { return isRed(a.target) == isRed(a.moving); }

int RuleContext::rowCount(int k) const {
    return Piles::valid(PileGroup::Tableau, k) ? cardCount(game.piles.tableau[static_cast<size_t>(k)]) : 0;
}

int RuleContext::foundationCount(int j) const {
    return Piles::valid(PileGroup::Foundation, j) ? cardCount(game.piles.foundations[static_cast<size_t>(j)]) : 0;
}

int RuleContext::rowBottom(int k) const {
    return Piles::valid(PileGroup::Tableau, k) ? bottomCard(game.piles.tableau[static_cast<size_t>(k)]) : -1;
}

int RuleContext::foundationTop(int j) const {
    return Piles::valid(PileGroup::Foundation, j) ? topCard(game.piles.foundations[static_cast<size_t>(j)]) : -1;
}

int RuleContext::stockCount() const { return cardCount(game.piles.stock[StockEntry]); }
int RuleContext::wasteCount() const { return cardCount(game.piles.stock[WasteEntry]); }

int RuleContext::location() const {
    if (!location_) location_ = rules.cardLocation(a.moving);
    return *location_;
}

}  // namespace vantrel::rules
