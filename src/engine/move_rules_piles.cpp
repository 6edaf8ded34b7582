// The checks for each kind of pile, built on the rule check.
#include <algorithm>

#include "engine/move_rules.h"
#include "model/card_place.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
const std::string& foundation(const Game& g, int j) { return g.piles.foundations[static_cast<size_t>(j)]; }
const std::string& row(const Game& g, int k) { return g.piles.tableau[static_cast<size_t>(k)]; }
// Top card of a pile, -1 when it is empty or no such pile exists.
int topOf(const Game& g, PileGroup group, int entry) {
    return Piles::valid(group, entry) ? topCard(g.piles.pile(group, entry)) : -1;
}
}  // namespace

RuleArgs MoveRules::foundationArgs(int card, int j) const {
    const GameParams& p = game_.params;
    return RuleArgs{.target = topOf(game_, PileGroup::Foundation, j),
                    .moving = card,
                    .emptyCode = p[param::FoundationBase.at(j)],
                    .fromPlay = true,
                    .pileIndex = j,
                    .wrap = true,
                    .foundation = true,
                    .rule = p[param::FoundationRule.at(j)],
                    .direction = p[param::FoundationDirection.at(j)],
                    .referenceRank = p[param::FoundationBase.at(j)]};
}

// The deal's sweep reads the wrap flag of the row with the same index.
RuleArgs MoveRules::foundationSweepArgs(int card, int j) const {
    const GameParams& p = game_.params;
    return RuleArgs{.target = topOf(game_, PileGroup::Foundation, j),
                    .moving = card,
                    .emptyCode = p[param::FoundationBase.at(j)],
                    .fromPlay = false,
                    .pileIndex = j,
                    .wrap = p[param::TableauWrap.at(j)] > 0,
                    .foundation = true,
                    .rule = p[param::FoundationRule.at(j)],
                    .direction = p[param::FoundationDirection.at(j)],
                    .referenceRank = p[param::FoundationBase.at(0)]};
}

RuleArgs MoveRules::tableauArgs(int card, int k) const {
    const GameParams& p = game_.params;
    return RuleArgs{.target = topOf(game_, PileGroup::Tableau, k),
                    .moving = card,
                    .emptyCode = p[param::TableauBase.at(k)],
                    .fromPlay = true,
                    .pileIndex = k,
                    .wrap = p[param::TableauWrap.at(k)] > 0,
                    .foundation = false,
                    .rule = p[param::TableauRule.at(k)],
                    .direction = p[param::TableauDirection.at(k)],
                    .referenceRank = p[param::FoundationBase.at(0)]};
}

RuleArgs MoveRules::runPairArgs(int lower, int upper, int k) const {
    const GameParams& p = game_.params;
    return RuleArgs{.target = lower,
                    .moving = upper,
                    .emptyCode = p[param::TableauBase.at(k)],
                    .fromPlay = false,
                    .pileIndex = k,
                    .wrap = p[param::TableauWrap.at(k)] > 0,
                    .foundation = false,
                    .rule = p[param::RunCheckMode] == 10 ? 0 : p[param::TableauRule.at(k)],
                    .direction = p[param::TableauDirection.at(k)],
                    .referenceRank = p[param::FoundationBase.at(0)]};
}

bool MoveRules::foundationRules(const RuleArgs& a, bool singleCard) const {
    if (!singleCard) return false;
    const int j = a.pileIndex;
    const int held = cardCount(foundation(game_, j));
    const int rank = rankOf(a.moving);
    switch (a.rule) {
        case 10: return rank == Queen && held == 0;
        case 22: {
            if (rank == Ace) return true;
            const int rows = param::rowsInUse(game_.params);
            for (int k = 0; k < rows; ++k) {
                const int top = topCard(row(game_, k));
                if (top > 0 && suitOf(top) == suitOf(a.moving) && (rankOf(top) == Ace || rankOf(top) > rank))
                    return true;
            }
            return false;
        }
        case 20: return held < 52 && ruleCheck(a);
        case 29: return ruleCheck(a);
        default: return held < game_.params[param::FoundationCapacity] && ruleCheck(a);
    }
}

bool MoveRules::foundationCheck(int card, int j) const {
    if (!Piles::valid(PileGroup::Foundation, j)) return false;
    return foundationRules(foundationArgs(card, j), blockSize(card) == 1);
}

// The sweep moves one card out of wherever it lies, covered or not.
bool MoveRules::foundationSweepCheck(int card, int j) const {
    if (!Piles::valid(PileGroup::Foundation, j)) return false;
    return foundationRules(foundationSweepArgs(card, j), true);
}

bool MoveRules::tableauCheck(int card, int k) const {
    if (!Piles::valid(PileGroup::Tableau, k)) return false;
    const std::string& target = row(game_, k);
    const int top = topCard(target);
    if (top > 0 && game_.cards.faceDigit(top) == '0') return false;
    const RuleArgs a = tableauArgs(card, k);
    if (!ruleCheck(a)) return false;
    const int block = blockSize(card);
    if (a.rule == 34 && top >= 0 && block != 1) return false;
    if (game_.params[param::RunSizeMode] == -5 && block > 1 && target.empty() && !runSizeCheck(card, true)) return false;
    // A run is never dropped back onto the row it came from. The marker is
    // a card, not a row: a row that has lost that top card takes cards again.
    return top <= 0 || top != game_.play.sourceMarker;
}

bool MoveRules::reserveCheck(int card, int n) const {
    if (!Piles::valid(PileGroup::Reserve, n - 1)) return false;
    const bool single = blockSize(card) == 1;
    const int firstHeld = cardCount(game_.piles.reserves[0]);
    switch (game_.params[param::ReserveType.number(n)]) {
        case 4: return false;
        case 8: return single && rankOf(card) == King && firstHeld < 3;
        case 13: return single && firstHeld < 5;
        case 9: return single && game_.piles.reserves[static_cast<size_t>(n - 1)].empty() && isFaceCard(card);
        default: return single && game_.piles.reserves[static_cast<size_t>(n - 1)].empty();
    }
}

bool MoveRules::canGoToPile(int card, std::string_view pileName) const {
    const auto ref = parsePileName(pileName);
    return ref && canGoToPile(card, *ref);
}

bool MoveRules::canGoToPile(int card, PileRef ref) const {
    switch (ref.group) {
        case PileGroup::Foundation: return foundationCheck(card, ref.entry);
        case PileGroup::Tableau: return tableauCheck(card, ref.entry);
        case PileGroup::Reserve: return reserveCheck(card, ref.entry + 1);
        case PileGroup::Stock: return false;
    }
    return false;
}

// A caller asks about one card against pile after pile, and one check asks
// where it lies more than once, so the last place found is kept. Only the
// pair selection (the first foundation's text) lists a card twice: a kept
// place the search reaches before it (the waste, a row in use) is still the
// answer while the card lies there; a later one only while the selection
// does not hold the card too.
bool MoveRules::stillFirstAt(int card, const CardPlace& place) const {
    if (cardAt(game_.piles.pile(place.pile), place.index) != card) return false;
    switch (place.pile.group) {
        case PileGroup::Tableau: return place.pile.entry < param::rowsInUse(game_.params);
        case PileGroup::Stock:
            if (place.pile.entry == WasteEntry) return true;
            break;
        case PileGroup::Foundation:
            if (place.pile.entry == 0) return false;
            break;
        case PileGroup::Reserve: break;
    }
    return indexInPile(game_.piles.foundations[0], card) < 0;
}

std::optional<CardPlace> MoveRules::placeOf(int card) const {
    if (card > 0 && card == lastCard_ && stillFirstAt(card, lastPlace_)) return lastPlace_;
    const auto place = findCard(game_.piles, game_.params, card);
    if (place) {
        lastCard_ = card;
        lastPlace_ = *place;
    }
    return place;
}

int MoveRules::cardLocation(int card) const {
    const auto place = placeOf(card);
    if (!place) return LocationNowhere;
    const int e = place->pile.entry;
    switch (place->pile.group) {
        case PileGroup::Stock:
            return e == StockEntry ? LocationStock : e == WasteEntry ? LocationWaste : LocationNowhere;
        case PileGroup::Foundation: return foundationLocation(e);
        case PileGroup::Tableau: return rowLocation(e);
        case PileGroup::Reserve: return reserveLocation(e + 1);
    }
    return LocationNowhere;
}

int MoveRules::blockSize(int card) const {
    const auto place = placeOf(card);
    return place ? movingBlockSize(game_.piles, game_.params, *place) : 1;
}

int MoveRules::stockClickCounter() const { return game_.play.stockClicks; }

int MoveRules::calledRank() const {
    const int r = ((stockClickCounter() % 13) + 13) % 13;
    return r == 0 ? King : r;
}

}  // namespace vantrel
