#include "waste_order.h"

#include <algorithm>

#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace solitaire_solve {

using namespace vantrel;

namespace {
constexpr int NotFromRows = 17, NotFromRowsOrReserves = 19;
constexpr int Deck = 52, Ranks = 13;
constexpr size_t CacheCap = 1 << 14;
}  // namespace

bool rowsAreWastePiles(const GameParams& p) {
    const int rows = param::rowsInUse(p);
    if (rows < 1 || param::foundationsInUse(p) < 1 || p[param::PairSum] != 0) return false;
    for (int k = 0; k < rows; ++k) {
        const int rule = p[param::TableauRule.at(k)];
        if (rule != NotFromRows && rule != NotFromRowsOrReserves) return false;
    }
    return true;
}

WasteOrder::WasteOrder(const GameParams& p) : applies_(rowsAreWastePiles(p)) {}

// For each card, the fewest cards of its own suit a foundation takes, by
// its rule check, before it takes that card: a chain of one suit keeps
// to a suit or colour rule and costs nothing where suits do not matter.
const WasteOrder::Wanted& WasteOrder::wanted(Game& game) {
    const int foundations = param::foundationsInUse(game.params);
    uint64_t key = 0;
    for (int j = 0; j < foundations; ++j) {
        const std::string& pile = game.piles.foundations[j];
        key = key * 131 + uint64_t(std::max(0, topCard(pile)));
        key = key * 31 + uint64_t(cardCount(pile));
    }
    const auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;
    if (cache_.size() >= CacheCap) cache_.clear();
    Wanted w;
    w.fill(Never);
    const MoveRules rules(game);
    const int capacity = game.params[param::FoundationCapacity];
    for (int j = 0; j < foundations; ++j) {
        const int held = cardCount(game.piles.foundations[j]);
        for (int suit = 0; suit < 4; ++suit) {
            RuleArgs a = rules.foundationArgs(0, j);
            for (int step = 1; held + step <= std::min(capacity, Ranks); ++step) {
                int next = 0;
                for (int r = 1; r <= Ranks && !next; ++r) {
                    a.moving = suit * Ranks + r;
                    if (rules.ruleCheck(a)) next = a.moving;
                }
                if (!next) break;
                w[size_t(next)] = uint8_t(std::min<int>(w[size_t(next)], step));
                a.target = next;
            }
        }
    }
    return cache_.emplace(key, w).first->second;
}

int WasteOrder::blocking(Game& game) {
    const Wanted& w = wanted(game);
    int n = 0;
    for (int k = 0; k < param::rowsInUse(game.params); ++k) {
        const std::string& row = game.piles.tableau[k];
        int soonest = Never + 1;
        for (int i = 0; i < cardCount(row); ++i) {
            const int card = cardAt(row, i);
            if (card <= 0) continue;
            const int code = card > Deck ? (card - 1) % Deck + 1 : card;
            const int when = code <= Deck ? w[size_t(code)] : Never;
            if (when > soonest) ++n;
            soonest = std::min(soonest, when);
        }
    }
    return n;
}

}  // namespace solitaire_solve
