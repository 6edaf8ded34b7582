#include "engine/hit_test.h"

#include <algorithm>

#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {

int inUse(const Game& game, PileGroup g) {
    const int n = g == PileGroup::Foundation ? FoundationPiles
                  : g == PileGroup::Tableau  ? game.params[param::TableauRows]
                  : g == PileGroup::Reserve  ? game.params[param::Reserves]
                                             : StockPiles;
    return std::clamp(n, 0, groupSize(g));
}

BlockRect unite(const BlockRect& a, const BlockRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// A fanned pile: the topmost real card under the point. `inBounds` tells
// whether the point lies within the pile's whole rectangle. One walk up
// the fan: a hit test runs for every press and every candidate move.
Hit fannedHit(const Game& game, const TableGeometry& g, PileRef ref, int x, int y, bool& inBounds) {
    const std::string& text = game.piles.pile(ref);
    const int cards = cardCount(text);
    FanWalk walk(fanContext(game, g), ref);
    // A point beside a pile laid in one column misses all of it: most rows
    // of a table are passed over without a walk.
    const CardPoint first = walk.point();
    if (walk.oneColumn() && (x < first.x || x > first.x + g.cardW)) {
        inBounds = false;
        return {};
    }
    // Down one column every card lies at or below the one before (the
    // steps are never negative): past the point's height no card covers
    // it, and the pile's rectangle reaches below it.
    const bool column = walk.oneColumn();
    BlockRect bounds;
    Hit hit;
    for (int e = 0; e == 0 || e < cards; ++e, walk.step()) {
        const CardPoint p = walk.point();
        if (column && p.y > y) {
            inBounds = y >= first.y;
            return hit;
        }
        const BlockRect r{p.x, p.y, p.x + g.cardW, p.y + g.cardH};
        bounds = e == 0 ? r : unite(bounds, r);
        const int card = cardAt(text, e);
        if (card > 0 && contains(r, x, y)) hit = Hit{ref, card, e, r};
    }
    inBounds = contains(bounds, x, y);
    return hit;
}

// A pile that shows only its top card.
Hit topHit(const Game& game, const TableGeometry& g, PileRef ref) {
    const std::string& text = game.piles.pile(ref);
    const int cards = cardCount(text);
    const int top = std::max(0, topCard(text));
    return Hit{ref, top, top > 0 ? cards - 1 : -1, cardRect(game, g, ref, std::max(0, cards - 1))};
}

}  // namespace

bool contains(const BlockRect& r, int x, int y) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; }

bool besideColumn(const Game& game, const TableGeometry& g, PileRef pile, int left, int right) {
    const FanWalk walk(fanContext(game, g), pile);
    if (!walk.oneColumn()) return false;
    const int x = walk.point().x;
    const auto across = [&](int v) { return v >= x && v <= x + g.cardW; };
    return !across(left) && !across(right);
}

CardFanContext fanContext(const Game& game, const TableGeometry& g) {
    return CardFanContext{game.piles, game.cards, game.positions, game.params, g.steps, g.cardW, g.untidy};
}

BlockRect cardRect(const Game& game, const TableGeometry& g, PileRef pile, int index) {
    const int cards = cardCount(game.piles.pile(pile));
    const CardPoint p = cardPoint(fanContext(game, g), pile, cards - index, true);
    return {p.x, p.y, p.x + g.cardW, p.y + g.cardH};
}

BlockRect nextCardRect(const Game& game, const TableGeometry& g, PileRef pile) {
    return cardRect(game, g, pile, cardCount(game.piles.pile(pile)));
}

Hit hitTest(const Game& game, const TableGeometry& g, int x, int y) {
    const auto placed = [&](PileRef r) { return game.positions.placed(r.group, r.entry); };
    for (int e = 0; e < StockPiles; ++e) {
        const PileRef ref{PileGroup::Stock, e};
        if (!placed(ref)) continue;
        const BlockRect r = cardRect(game, g, ref, 0);
        if (contains(r, x, y)) return topHit(game, g, ref);
    }
    const int rows = inUse(game, PileGroup::Tableau);
    const bool fromLast = game.params[param::TableauDisplay] == fan::SideBySide;
    for (int i = 0; i < rows; ++i) {
        const PileRef ref{PileGroup::Tableau, fromLast ? rows - 1 - i : i};
        if (!placed(ref)) continue;
        bool inBounds = false;
        const Hit hit = fannedHit(game, g, ref, x, y, inBounds);
        if (hit.pile) return hit;
        // Only side-by-side rows may lie over each other's empty room.
        if (inBounds && !fromLast) break;
    }
    for (int j = 0; j < FoundationPiles; ++j) {
        const PileRef ref{PileGroup::Foundation, j};
        if (!placed(ref)) continue;
        bool inBounds = false;
        fannedHit(game, g, ref, x, y, inBounds);
        if (inBounds) return topHit(game, g, ref);
    }
    for (int n = 0; n < inUse(game, PileGroup::Reserve); ++n) {
        const PileRef ref{PileGroup::Reserve, n};
        if (!placed(ref)) continue;
        bool inBounds = false;
        Hit hit = fannedHit(game, g, ref, x, y, inBounds);
        if (hit.pile) return hit;
        if (inBounds) return Hit{ref, 0, -1, cardRect(game, g, ref, 0)};
    }
    return {};
}

}  // namespace vantrel
