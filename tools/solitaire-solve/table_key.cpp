#include "table_key.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace solitaire_solve {

using namespace vantrel;

namespace {

constexpr int NoScoreFamily = 9;
constexpr int CalledRankCycle = 26;  // ranks are called by clicks modulo 13, reserves taken by twos

struct Hasher {
    uint64_t h = 0x9E3779B97F4A7C15ull;
    void add(uint64_t v) {
        h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        h *= 0xFF51AFD7ED558CCDull;
    }
    void add(std::string_view s) {
        add(s.size());
        size_t i = 0;
        for (; i + 8 <= s.size(); i += 8) {
            uint64_t w;
            std::memcpy(&w, s.data() + i, 8);
            add(w);
        }
        uint64_t w = 0;
        for (int b = 0; i < s.size(); ++i, ++b) w |= uint64_t(uint8_t(s[i])) << (8 * b);
        add(w);
    }
};

constexpr int FannedDown = 1;

bool same(const GameParams& p, param::Range range, int inUse) {
    for (int i = 1; i < inUse; ++i)
        if (p[range.at(i)] != p[range.at(0)]) return false;
    return true;
}

bool none(const GameParams& p, param::Range range, int inUse) {
    for (int i = 0; i < std::min(inUse, range.count); ++i)
        if (p[range.at(i)] != 0) return false;
    return true;
}

// A pile as its cards' ranks, suits and faces: the two decks' copies of a
// card alike. Codes outside the two decks are kept as they are.
void addMerged(Hasher& k, const std::string& pile, const CardTable& cards) {
    constexpr int Deck = 52;
    k.add(pile.size());
    uint64_t w = 0;
    int used = 0;
    for (int i = 0; i < cardCount(pile); ++i) {
        const int card = cardAt(pile, i);
        const uint64_t v = card >= 1 && card <= 2 * Deck ? uint64_t((card - 1) % Deck + 1) | (cards.faceUp(card) ? 1u << 10 : 0)
                                                         : uint64_t(card & 0x3FF) | 1u << 11;
        w |= v << (16 * used);
        if (++used == 4) {
            k.add(w);
            w = 0;
            used = 0;
        }
    }
    k.add(w);
}

struct PileKeys {
    const CardTable* merged = nullptr;  // set: piles keyed by addMerged
    void add(Hasher& k, const std::string& pile) const {
        if (merged) addMerged(k, pile, *merged);
        else k.add(pile);
    }
};

// The piles that hold cards, each with its place; when the piles are
// interchangeable, the sorted keys of each instead, so that their order
// does not count. Most piles of a table are empty and cost nothing.
template <size_t N>
void addGroup(Hasher& k, const std::array<std::string, N>& piles, bool sorted, const PileKeys& as) {
    if (!sorted) {
        for (size_t i = 0; i < N; ++i)
            if (!piles[i].empty()) {
                k.add(uint64_t(i));
                as.add(k, piles[i]);
            }
        k.add(uint64_t(N));
        return;
    }
    std::array<uint64_t, N> keys;
    size_t used = 0;
    for (const std::string& s : piles)
        if (!s.empty()) {
            Hasher one;
            as.add(one, s);
            keys[used++] = one.h;
        }
    std::sort(keys.begin(), keys.begin() + used);
    for (size_t i = 0; i < used; ++i) k.add(keys[i]);
    k.add(uint64_t(used));
}

// A pile that gives no card back: the rules read only its top card, its
// size and its base card's rank (its suit only where rows are based on the
// suits the foundations were started with), so tables that reached it in
// another order are one.
void addHeap(Hasher& k, const std::string& pile, bool baseSuit, bool merged, bool topSuit = true) {
    k.add(uint64_t(cardCount(pile)));
    if (pile.empty()) return;
    const auto same = [&](int card) { return merged && card > 52 && card <= 104 ? card - 52 : card; };
    const int base = bottomCard(pile), top = topCard(pile);
    k.add(uint64_t(topSuit ? same(top) : rankOf(top)) << 16 | uint64_t(baseSuit ? same(base) : rankOf(base)));
}

bool rowsReadBaseSuits(const GameParams& params) {
    for (int k = 0; k < param::rowsInUse(params); ++k) {
        const int base = params[param::TableauBase.at(k)];
        if (base == 81 || base == 84 || base == 85) return true;
    }
    return false;
}

// The foundations, each whole or as a heap, in their order or sorted.
void addFoundations(Hasher& k, const Piles& p, bool heaps, bool sorted, bool baseSuit, bool topSuit, const PileKeys& as) {
    std::array<uint64_t, FoundationPiles> keys;
    for (size_t j = 0; j < keys.size(); ++j) {
        Hasher one;
        if (heaps) addHeap(one, p.foundations[j], baseSuit, as.merged, topSuit);
        else as.add(one, p.foundations[j]);
        keys[j] = one.h;
    }
    if (sorted) std::sort(keys.begin(), keys.end());
    for (const uint64_t key : keys) k.add(key);
}

// Parameters four to a word.
void addParams(Hasher& k, const GameParams& params, param::Range range) {
    for (int i = 0; i < range.count; i += 4) {
        uint64_t w = 0;
        for (int b = 0; b < 4 && i + b < range.count; ++b) w |= uint64_t(uint16_t(params[range.at(i + b)])) << (16 * b);
        k.add(w);
    }
}

// True when no foundation's rule check reads the suit of the card it
// builds on: asked of the check itself, every top card against every
// moving card of the deck.
bool foundationsIgnoreSuits(const Game& game) {
    if (param::foundationsInUse(game.params) < 1) return false;
    Game copy = game;
    const MoveRules rules(copy);
    constexpr int Ranks = 13, Suits = 4;
    for (int j = 0; j < param::foundationsInUse(game.params); ++j)
        for (int m = 1; m <= Suits * Ranks; ++m) {
            RuleArgs a = rules.foundationArgs(m, j);
            for (int r = 1; r <= Ranks; ++r) {
                a.target = r;
                const bool first = rules.ruleCheck(a);
                for (int suit = 1; suit < Suits; ++suit) {
                    a.target = suit * Ranks + r;
                    if (rules.ruleCheck(a) != first) return false;
                }
            }
        }
    return true;
}

}  // namespace

Symmetry symmetry(const GameParams& p) {
    Symmetry s;
    if (p[param::PairSum] != 0) return s;
    const int rows = param::rowsInUse(p), reserves = param::reservesInUse(p);
    // A stock click that deals a card to each pile gives each its own card,
    // so the piles it deals to are told apart by their places.
    const bool reserveDeals = !none(p, param::ReserveMode, reserves + 1);
    s.rows = p[param::TableauDisplay] == FannedDown && same(p, param::TableauBase, rows) &&
             same(p, param::TableauDirection, rows) && same(p, param::TableauRule, rows) &&
             same(p, param::TableauWrap, rows) && none(p, param::TableauAddFlag, rows) && !reserveDeals;
    // An autofill from the reserve reads the first one.
    s.reserves = p[param::TableauAutofill] != 1 && same(p, param::ReserveType, reserves) && !reserveDeals;
    // Foundations of one rule are told apart by their cards alone, unless
    // the deal fills the first one.
    const int foundations = param::foundationsInUse(p);
    s.foundations = same(p, param::FoundationBase, foundations) && same(p, param::FoundationDirection, foundations) &&
                    same(p, param::FoundationRule, foundations) && same(p, param::FoundationStart, foundations) &&
                    p[param::FirstFoundationSetsBase] == 0 && p[param::DealToFirstFoundation] == 0;
    return s;
}

Symmetry symmetry(const Game& game) {
    Symmetry s = symmetry(game.params);
    if (game.params[param::PairSum] != 0) return s;
    std::array<bool, 1000> seen{};
    int cards = 0;
    bool once = true;
    const auto scan = [&](const std::string& pile) {
        for (int i = 0; i < cardCount(pile); ++i) {
            const int card = cardAt(pile, i);
            if (card <= 0) continue;
            ++cards;
            once = once && !seen[size_t(card)];
            seen[size_t(card)] = true;
        }
    };
    for (const auto& pile : game.piles.stock) scan(pile);
    for (const auto& pile : game.piles.foundations) scan(pile);
    for (const auto& pile : game.piles.tableau) scan(pile);
    for (const auto& pile : game.piles.reserves) scan(pile);
    s.decks = once && cards > 52;
    s.suitlessFoundations = foundationsIgnoreSuits(game);
    return s;
}

uint64_t tableKey(const Game& game) { return tableKey(game, symmetry(game)); }

uint64_t tableKey(const Game& game, Symmetry sym) {
    Hasher k;
    const Piles& p = game.piles;
    const GameParams& params = game.params;
    const PileKeys as{sym.decks ? &game.cards : nullptr};
    as.add(k, p.stock[StockEntry]);
    as.add(k, p.stock[WasteEntry]);
    // Nothing is picked up from the discard pile.
    addHeap(k, p.stock[SecondWasteEntry], true, sym.decks);
    addFoundations(k, p, params[param::FoundationPickup] == 0 && params[param::PairSum] == 0, sym.foundations,
                   rowsReadBaseSuits(params), !sym.suitlessFoundations, as);
    addGroup(k, p.tableau, sym.rows, as);
    addGroup(k, p.reserves, sym.reserves, as);
    // Merged piles carry their cards' faces.
    if (!sym.decks) k.add(game.cards.faceDigits());
    addParams(k, params, param::FoundationBase);
    addParams(k, params, param::TableauBase);
    k.add(uint64_t(game.play.moveCounter));
    const int passes = params[param::StockPasses];
    if (passes != -1) k.add(uint64_t(std::min(game.play.stockPass, passes + 1)));
    k.add(uint64_t(game.play.stockClicks % CalledRankCycle));
    if (param::family(params) == NoScoreFamily) k.add(game.state.read(field::Score));
    return k.h;
}

Progress progress(const Game& game) {
    const GameParams& params = game.params;
    Progress p;
    for (int j = 0; j < param::foundationsInUse(params); ++j) p.home += cardCount(game.piles.foundations[j]);
    p.home += cardCount(game.piles.stock[SecondWasteEntry]);  // discards leave play as cards home do
    for (int k = 0; k < param::rowsInUse(params); ++k) {
        const std::string& row = game.piles.tableau[k];
        if (row.empty()) ++p.emptyRows;
        int lowest = King + 1;
        int lastDown = -1;
        for (int i = 0; i < cardCount(row); ++i) {
            const int card = cardAt(row, i);
            if (card <= 0) continue;
            const int rank = rankOf(card);
            if (!game.cards.faceUp(card)) {
                ++p.hidden;
                lastDown = i;
            } else if (rank > lowest) ++p.buried;
            lowest = std::min(lowest, rank);
        }
        if (lastDown >= 0) p.covering += cardCount(row) - 1 - lastDown;
    }
    for (int n = 0; n < param::reservesInUse(params); ++n)
        if (game.piles.reserves[n].empty()) ++p.emptyCells;
    p.dealsOntoRows = !none(params, param::TableauAddFlag, param::rowsInUse(params));
    return p;
}

MoveRank moveRank(const Progress& before, const Progress& after) {
    const int tier = after.home > before.home                                               ? 0
                     : after.hidden < before.hidden || after.emptyRows > before.emptyRows ? 1
                                                                                          : 2;
    return {tier, after.score()};
}

}  // namespace solitaire_solve
