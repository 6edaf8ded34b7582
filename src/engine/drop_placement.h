#pragma once
// Which piles a dropped block lies over, and in which order they are
// offered it: by the area the block covers of each pile's next card place.
#include <cstdint>
#include <vector>

#include "engine/pointer_feedback.h"
#include "model/piles.h"

namespace vantrel {

struct Game;

// A pile as a drop target: kind 2 waste, 4 tableau row, 5 foundation,
// 6 reserve, with its 0-based index.
struct DropTarget {
    int kind = KindNowhere;
    int index = 0;
    bool operator==(const DropTarget&) const = default;
};

PileRef targetPile(const DropTarget& t);

// A corner of the block inside the card, or, for a block taller than the
// card, one of its left or right edges crossing it at a height sampled
// every 50 pixels from the top.
bool overlapTest(const BlockRect& block, const BlockRect& card);
int overlapArea(const BlockRect& block, const BlockRect& card);

// Area (up to 999999), then kind, then index (each up to 999) in one
// number: larger areas first, then higher kinds, then higher indexes.
int64_t candidateKey(int area, const DropTarget& target);

// The piles the block overlaps, best first, at most four: foundations,
// rows (unless the rows take no dropped cards), reserves and the waste
// (unless it is never a target); piles off the table are skipped.
std::vector<DropTarget> dropCandidates(const Game& game, const TableGeometry& geometry, const BlockRect& block);

// Cards may be dropped on the waste only onto a card of their suit one
// rank away (Ace and King are neighbours).
bool wasteTakes(const Game& game, int card);

}  // namespace vantrel
