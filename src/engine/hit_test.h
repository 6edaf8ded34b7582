#pragma once
// Which pile and card lie under a window point, and where a pile's cards
// lie on the table.
#include <optional>

#include "engine/pointer_feedback.h"
#include "model/piles.h"

namespace vantrel {

struct Game;

struct Hit {
    std::optional<PileRef> pile;  // none: no pile under the point
    int card = 0;                 // 0 when the pile is empty
    int index = -1;               // the card's place from the bottom of its pile
    BlockRect rect;               // the card's rectangle (the pile's when empty)
};

CardFanContext fanContext(const Game& game, const TableGeometry& geometry);

// The rectangle of card `index` of a pile; index = card count gives the
// place of the next card laid on it.
BlockRect cardRect(const Game& game, const TableGeometry& geometry, PileRef pile, int index);
BlockRect nextCardRect(const Game& game, const TableGeometry& geometry, PileRef pile);

// The stock group first, then the rows in use (last to first in fan mode
// 4), the foundations, and the reserves in use; the first hit wins. Piles
// the game does not place are never hit; gaps are no cards.
Hit hitTest(const Game& game, const TableGeometry& geometry, int x, int y);

bool contains(const BlockRect& r, int x, int y);

// True when every card of the pile lies in one column that neither x
// crosses (the fan spreads downwards only, or not at all).
bool besideColumn(const Game& game, const TableGeometry& geometry, PileRef pile, int left, int right);

}  // namespace vantrel
