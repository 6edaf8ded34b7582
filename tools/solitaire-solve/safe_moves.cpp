#include "safe_moves.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"
#include "table_key.h"
#include "waste_order.h"

namespace solitaire_solve {

using namespace vantrel;

namespace {

constexpr int CalledRankCycle = 26;  // clicks that call every rank twice over
constexpr int TwoDecks = 104;
constexpr int GivesOnly = 4;  // reserve type: never refilled

// Every foundation holds an Ace or takes only one, and its rule check
// takes a card exactly one rank above the top, of its suit or of any suit
// alike: each foundation then holds one card of each rank, so with every
// foundation at a rank or above all lower ranks are home, and the cards of
// the next rank are as many as the foundations waiting for them.
bool buildsUpFromAces(const Game& game) {
    const GameParams& p = game.params;
    Game copy = game;
    const MoveRules rules(copy);
    constexpr int Ranks = 13, Cards = 52;
    for (int j = 0; j < param::foundationsInUse(p); ++j) {
        const std::string& pile = game.piles.foundations[j];
        if (cardCount(pile) > 1 || p[param::FoundationBase.at(j)] != Ace || (!pile.empty() && rankOf(topCard(pile)) != Ace))
            return false;
        RuleArgs a = rules.foundationArgs(Ranks + 2, j);
        a.target = Ace;
        const bool anySuit = rules.ruleCheck(a);  // a Two of another suit on an Ace
        for (int m = 1; m <= Cards; ++m) {
            a = rules.foundationArgs(m, j);
            for (int t = 1; t <= Cards; ++t) {
                a.target = t;
                const bool wanted = rankOf(m) == rankOf(t) + 1 && (anySuit || suitOf(m) == suitOf(t));
                if (rules.ruleCheck(a) != wanted) return false;
            }
        }
    }
    return true;
}

// The dealt table with every pile emptied: probes put cards on it by hand
// and ask the rule check about them.
Game emptiedTable(const Game& root) {
    Game probe = root;
    const auto clear = [](auto& group) {
        for (auto& pile : group) pile.clear();
    };
    clear(probe.piles.stock);
    clear(probe.piles.foundations);
    clear(probe.piles.tableau);
    clear(probe.piles.reserves);
    return probe;
}

}  // namespace

bool homeIsSafe(const Game& game) {
    const GameParams& p = game.params;
    if (p[param::PairSum] != 0 || p[param::FirstFoundationSetsBase] != 0 || !buildsUpFromAces(game)) return false;
    for (int k = 0; k < param::rowsInUse(p); ++k)
        if (p[param::TableauDirection.at(k)] != 0 || p[param::TableauWrap.at(k)] != 0 ||
            p[param::TableauRule.at(k)] < 0 || p[param::TableauRule.at(k)] > 3)
            return false;
    // Cells of one card each, or reserves that only give cards.
    for (int n = 0; n < param::reservesInUse(p); ++n)
        if (p[param::ReserveType.at(n)] != 0 && p[param::ReserveType.at(n)] != GivesOnly) return false;
    return true;
}

bool safeHome(const Game& before, const Game& after) {
    // A waste that is never turned back loses nothing by giving its top:
    // the card below only comes within reach sooner.
    const bool onePass = after.params[param::StockPasses] == 1;
    for (int s = 0; s < int(after.piles.stock.size()); ++s)
        if (before.piles.stock[s] != after.piles.stock[s] && !(onePass && s == WasteEntry)) return false;
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

bool wasteHomeIsSafe(const GameParams& p) { return rowsAreWastePiles(p) && p[param::FoundationPickup] == 0; }

bool onlyCardTaken(Game& before, const Game& after) {
    const int inUse = param::foundationsInUse(after.params);
    int grew = -1;
    for (int j = 0; j < inUse && grew < 0; ++j)
        if (cardCount(after.piles.foundations[j]) > cardCount(before.piles.foundations[j])) grew = j;
    if (grew < 0) return false;
    const int card = topCard(after.piles.foundations[grew]);
    std::bitset<TwoDecks + 1> home;
    for (int j = 0; j < inUse; ++j) {
        const std::string& pile = after.piles.foundations[j];
        for (int i = 0; i < cardCount(pile); ++i) {
            const int c = cardAt(pile, i);
            if (c > 0 && c <= TwoDecks) home.set(size_t(c));
        }
    }
    const int deck = after.params[param::DeckSize] > 52 ? TwoDecks : 52;
    const MoveRules rules(before);
    // The cards not yet home foundation j would take, by its rule check.
    const auto takes = [&](int j) {
        std::bitset<TwoDecks + 1> set;
        RuleArgs a = rules.foundationArgs(card, j);
        for (int other = 1; other <= deck; ++other) {
            if (home[size_t(other)] && other != card) continue;
            a.moving = other;
            if (rules.ruleCheck(a)) set.set(size_t(other));
        }
        return set;
    };
    auto wanted = takes(grew);
    wanted.reset(size_t(card));
    if (wanted.none()) return true;
    // Another foundation that takes the same cards keeps a place alike for
    // the other one.
    wanted.set(size_t(card));
    const int held = cardCount(before.piles.foundations[grew]);
    for (int j = 0; j < inUse; ++j)
        if (j != grew && cardCount(before.piles.foundations[j]) == held && takes(j) == wanted) return true;
    return false;
}

bool chainFoundations(const Game& root) {
    const GameParams& p = root.params;
    const int inUse = param::foundationsInUse(p), capacity = p[param::FoundationCapacity];
    if (inUse < 2 || capacity < 2 || p[param::PairSum] != 0 || p[param::FoundationPickup] != 0 ||
        p[param::FirstFoundationSetsBase] != 0 || param::rowsInUse(p) != 0 || param::reservesInUse(p) != 0)
        return false;
    Game probe = emptiedTable(root);
    const MoveRules rules(probe);
    constexpr int Ranks = 13, Suits = 4;
    const int codes = p[param::DeckSize] > 52 ? TwoDecks : 52;
    // The ranks foundation j takes as the probe stands, a bit each; -1 when
    // the moving card's suit or deck counts.
    const auto ranksTaken = [&](int j) {
        int ranks = 0, refused = 0;
        for (int m = 1; m <= codes; ++m) (rules.foundationCheck(m, j) ? ranks : refused) |= 1 << rankOf(m);
        return ranks & refused ? -1 : ranks;
    };
    const auto fill = [&](int j, int count, int top) {
        probe.piles.foundations[j].clear();
        for (int i = 0; i < count; ++i) appendCard(probe.piles, probe.cards, PileGroup::Foundation, j, top, '1');
    };
    std::array<int, Ranks + 1> next{};  // the rank each top rank takes, alike for every foundation
    for (int j = 0; j < inUse; ++j) {
        const int base = p[param::FoundationBase.at(j)];
        if (base < Ace || base > King) return false;
        // Empty, with the others empty or holding a card each.
        for (const bool others : {false, true}) {
            for (int o = 0; o < inUse; ++o) fill(o, others && o != j ? 1 : 0, p[param::FoundationBase.at(o)]);
            const int ranks = ranksTaken(j);
            if (ranks < 0 || (ranks & ~(1 << base)) != 0) return false;
        }
        for (int top = 1; top <= Suits * Ranks; ++top)
            for (const int count : {1, capacity - 1, capacity}) {
                fill(j, count, top);
                const int ranks = ranksTaken(j);
                if (count == capacity) {
                    if (ranks != 0) return false;
                    continue;
                }
                if (ranks <= 0 || (ranks & (ranks - 1)) != 0) return false;
                int& wanted = next[size_t(rankOf(top))];
                if (wanted == 0) wanted = ranks;
                if (wanted != ranks) return false;
            }
        fill(j, 0, 0);
    }
    return true;
}

bool fullerChainTaken(Game& before, const Game& after) {
    const int inUse = param::foundationsInUse(after.params);
    for (int j = 0; j < inUse; ++j) {
        const int held = cardCount(before.piles.foundations[j]);
        if (cardCount(after.piles.foundations[j]) <= held) continue;
        const int card = topCard(after.piles.foundations[j]);
        const MoveRules rules(before);
        for (int o = 0; o < inUse; ++o)
            if (cardCount(before.piles.foundations[o]) < held && rules.foundationCheck(card, o)) return true;
        return false;
    }
    return false;
}

bool runsMixSuits(const Game& root) {
    const GameParams& p = root.params;
    if (param::rowsInUse(p) < 1 || p[param::PairSum] != 0) return false;
    Game probe = emptiedTable(root);
    const MoveRules rules(probe);
    constexpr int Ranks = 13, Suits = 4, Upper = 9;
    std::string& row = probe.piles.tableau[0];
    for (int suit = 0; suit < Suits; ++suit) {
        const int lower = suit * Ranks + Upper - 1;
        row.clear();
        appendCard(probe.piles, probe.cards, PileGroup::Tableau, 0, Upper, '1');
        if (!rules.ruleCheck(rules.tableauArgs(lower, 0))) return false;
        appendCard(probe.piles, probe.cards, PileGroup::Tableau, 0, lower, '1');
        if (!rules.runCheck(Upper, 0) || !rules.runSizeCheck(Upper, false)) return false;
    }
    return !symmetry(root).suitlessFoundations;
}

bool mixedRunMoved(const Game& before, const Game& after) {
    for (int k = 0; k < param::rowsInUse(after.params); ++k) {
        const std::string& row = after.piles.tableau[k];
        const int n = cardCount(row), gained = n - cardCount(before.piles.tableau[k]);
        if (gained < 2) continue;
        for (int i = n - gained + 1; i < n; ++i)
            if (suitOf(cardAt(row, i)) != suitOf(cardAt(row, n - gained))) return true;
        return false;
    }
    return false;
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
