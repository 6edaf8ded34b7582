#include "deal_printer.h"

#include <algorithm>
#include <string>

#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace solitaire_deal {

using namespace vantrel;

namespace {
void addGroup(std::vector<PileRef>& refs, PileGroup g, int used) {
    for (int e = 0; e < std::clamp(used, 0, groupSize(g)); ++e) refs.push_back({g, e});
}

// Stock group, then the foundations, rows and reserves the game uses.
std::vector<PileRef> pilesInUse(const Game& game, bool withStockGroup) {
    std::vector<PileRef> refs;
    if (withStockGroup) addGroup(refs, PileGroup::Stock, StockPiles);
    addGroup(refs, PileGroup::Foundation, game.params[param::Foundations]);
    addGroup(refs, PileGroup::Tableau, game.params[param::TableauRows]);
    addGroup(refs, PileGroup::Reserve, game.params[param::Reserves]);
    return refs;
}

std::string faces(const Game& game, const std::string& pile) {
    std::string out;
    for (int i = 0; i < cardCount(pile); ++i) {
        const int card = cardAt(pile, i);
        out += card == 0 ? 'x' : game.cards.faceDigit(card);
    }
    return out;
}
}  // namespace

void printPiles(std::ostream& out, const Game& game) {
    for (const PileRef& ref : pilesInUse(game, true)) {
        const std::string& pile = game.piles.pile(ref);
        out << pileName(ref) << ' ' << (pile.empty() ? "-" : pile) << ' ' << (pile.empty() ? "-" : faces(game, pile))
            << '\n';
    }
}

void printTable(std::ostream& out, const Game& game, const std::vector<int>& deck) {
    out << "deck ";
    for (int card : deck) out << cardCode(card);
    out << '\n';
    printPiles(out, game);
    out << "base";
    for (int j = 0; j < param::FoundationBase.count; ++j) out << ' ' << game.params[param::FoundationBase.at(j)];
    out << '\n' << "score " << game.state.read(field::Score) << '\n';
}

void printRules(std::ostream& out, Game& game, Messages* messages) {
    const MoveRules rules(game, messages);
    const std::vector<PileRef> targets = pilesInUse(game, false);
    for (const PileRef& from : pilesInUse(game, true)) {
        const int card = topCard(game.piles.pile(from));
        if (card <= 0) continue;
        for (const PileRef& to : targets) {
            game.play.sourceMarker = 0;  // a single card, not a run from a row
            const std::string name = pileName(to);
            out << "rule " << cardCode(card) << ' ' << name << ' ' << (rules.canGoToPile(card, name) ? 1 : 0) << '\n';
        }
    }
}

}  // namespace solitaire_deal
