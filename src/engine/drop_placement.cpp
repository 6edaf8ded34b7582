#include "engine/drop_placement.h"

#include <algorithm>
#include <cstdint>

#include "engine/hit_test.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {

constexpr int SampleStep = 50;  // heights tried down a tall block
constexpr size_t MostCandidates = 4;

bool inside(const BlockRect& c, int x, int y) { return contains(c, x, y); }
bool acrossX(const BlockRect& c, int x) { return x >= c.left && x <= c.right; }

// A sampled height of the block that lies within the card's extent.
bool sampledHeightInside(const BlockRect& b, const BlockRect& c) {
    for (int y = b.top; y <= b.bottom; y += SampleStep)
        if (y >= c.top && y <= c.bottom) return true;
    return false;
}

}  // namespace

PileRef targetPile(const DropTarget& t) {
    switch (t.kind) {
        case KindWaste: return {PileGroup::Stock, WasteEntry};
        case KindTableau: return {PileGroup::Tableau, t.index};
        case KindFoundation: return {PileGroup::Foundation, t.index};
        default: return {PileGroup::Reserve, t.index};
    }
}

bool overlapTest(const BlockRect& b, const BlockRect& c) {
    if (inside(c, b.left, b.top) || inside(c, b.right, b.bottom) || inside(c, b.right, b.top) ||
        inside(c, b.left, b.bottom))
        return true;
    if (!acrossX(c, b.left) && !acrossX(c, b.right)) return false;
    return sampledHeightInside(b, c);
}

int overlapArea(const BlockRect& b, const BlockRect& c) {
    if (inside(c, b.left, b.top)) return (c.right - b.left) * (c.bottom - b.top);
    if (inside(c, b.right, b.bottom)) return (b.right - c.left) * (b.bottom - c.top);
    if (inside(c, b.right, b.top)) return (c.bottom - b.top) * (b.right - c.left);
    if (inside(c, b.left, b.bottom)) return (c.right - b.left) * (b.bottom - c.top);
    if (!acrossX(c, b.left) && !acrossX(c, b.right)) return 0;
    if (!sampledHeightInside(b, c)) return 0;
    return acrossX(c, b.left) ? (c.right - b.left) * (b.bottom - b.top) : (b.right - c.left) * (b.bottom - b.top);
}

int64_t candidateKey(int area, const DropTarget& t) {
    return int64_t(std::clamp(area, 0, 999999)) * 1'000'000 + std::clamp(t.kind, 0, 999) * 1000 +
           std::clamp(t.index, 0, 999);
}

std::vector<DropTarget> dropCandidates(const Game& game, const TableGeometry& g, const BlockRect& block) {
    std::vector<std::pair<int64_t, DropTarget>> keyed;
    const auto consider = [&](const DropTarget& t) {
        const PileRef ref = targetPile(t);
        if (!game.positions.placed(ref.group, ref.entry)) return;
        // No overlap without an edge of the block across the card: a pile
        // laid in one column is passed over without a walk up its fan.
        if (besideColumn(game, g, ref, block.left, block.right)) return;
        const BlockRect card = nextCardRect(game, g, ref);
        if (overlapTest(block, card)) keyed.emplace_back(candidateKey(overlapArea(block, card), t), t);
    };
    const auto count = [&](int n, int max) { return std::clamp(game.params[n], 0, max); };
    for (int j = 0; j < count(261, FoundationPiles); ++j) consider({KindFoundation, j});
    if (game.params[param::TableauDisplay] != 8)
        for (int k = 0; k < count(262, TableauPiles); ++k) consider({KindTableau, k});
    for (int n = 0; n < count(263, ReservePiles); ++n) consider({KindReserve, n});
    if (game.params[param::WasteNoDrop] != 4) consider({KindWaste, 0});
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<DropTarget> best;
    for (size_t i = 0; i < keyed.size() && i < MostCandidates; ++i) best.push_back(keyed[i].second);
    return best;
}

bool wasteTakes(const Game& game, int card) {
    if (game.params[param::WasteDrop] != 2) return false;
    const int top = topCard(game.piles.stock[WasteEntry]);
    if (top <= 0 || suitOf(top) != suitOf(card)) return false;
    const int rank = rankOf(card);
    return rankOf(top) == nextRank(rank) || rankOf(top) == previousRank(rank);
}

}  // namespace vantrel
