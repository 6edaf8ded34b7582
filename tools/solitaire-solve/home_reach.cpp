#include "home_reach.h"

#include <algorithm>

#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace solitaire_solve {

using namespace vantrel;

namespace {

// A discard allowed while a higher card of its suit shows on another row.
constexpr int DiscardBelowShowing = 22;
constexpr int Codes = 105;

bool takenHome(Game& game, const MoveRules& rules, int card) {
    for (int j = 0; j < param::foundationsInUse(game.params); ++j) {
        game.play.sourceMarker = 0;
        if (rules.canGoToPile(card, PileRef{PileGroup::Foundation, j})) return true;
    }
    return false;
}

// The card the move sent home: the top of the foundation that grew.
int sentHome(const Game& before, const Game& after) {
    for (int j = 0; j < param::foundationsInUse(after.params); ++j)
        if (cardCount(after.piles.foundations[j]) > cardCount(before.piles.foundations[j]))
            return topCard(after.piles.foundations[j]);
    return -1;
}

}  // namespace

int homeable(Game& game) {
    // The check may note a run's source marker; the table keeps its own.
    const int marker = game.play.sourceMarker;
    const MoveRules rules(game);
    int n = 0;
    const auto count = [&](const std::string& pile) {
        const int card = topCard(pile);
        if (card > 0 && game.cards.faceUp(card) && takenHome(game, rules, card)) ++n;
    };
    for (int k = 0; k < param::rowsInUse(game.params); ++k) count(game.piles.tableau[k]);
    for (int r = 0; r < param::reservesInUse(game.params); ++r) count(game.piles.reserves[r]);
    count(game.piles.stock[WasteEntry]);
    game.play.sourceMarker = marker;
    return n;
}

int homesLost(int homeableBefore, Game& after) { return std::max(0, homeableBefore - 1 - homeable(after)); }

EagerHome::EagerHome(const Game& root) : alone_(Codes, false) {
    for (int j = 0; j < param::foundationsInUse(root.params); ++j)
        applies_ = applies_ || root.params[param::FoundationRule.at(j)] == DiscardBelowShowing;
    if (!applies_ || param::rowsInUse(root.params) < 1) {
        applies_ = false;
        return;
    }
    // Each card face up and alone in the first row, the foundations as dealt
    // (a card already home stays unmarked).
    Game probe = root;
    for (auto& pile : probe.piles.tableau) pile.clear();
    for (auto& pile : probe.piles.reserves) pile.clear();
    for (auto& pile : probe.piles.stock) pile.clear();
    const MoveRules rules(probe);
    for (int card = 1; card < Codes; ++card) {
        probe.piles.tableau[0].clear();
        appendCard(probe.piles, probe.cards, PileGroup::Tableau, 0, card, '1');
        alone_[size_t(card)] = takenHome(probe, rules, card);
    }
}

bool EagerHome::eager(const Game& before, int homeableBefore, Game& after) const {
    const int card = sentHome(before, after);
    return card > 0 && card < Codes && !alone_[size_t(card)] && homesLost(homeableBefore, after) == 0;
}

}  // namespace solitaire_solve
