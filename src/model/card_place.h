#pragma once
// Where on the table a card lies: the one card search of the program.
#include <optional>
#include <string_view>

#include "model/piles.h"

namespace vantrel {

class GameParams;

struct CardPlace {
    PileRef pile;
    int index;  // position from the bottom of the pile
};

// Position of a card in one pile text, from the bottom; -1 when absent.
int indexInPile(std::string_view pile, int card);

// The pile and position of a card. Piles are searched in this order and the
// first that holds the card wins: the waste, the tableau rows in use, the
// foundations 1-16, the stock, the second waste, the reserves 1-8. The
// order matters where one card is listed twice: in pair games the
// selection (the first foundation's text) repeats cards of the table, and
// the table's own place comes first for rows and the waste. `skip` leaves
// one pile out of the search (the selection, when the picture of a
// selected card is looked for). None for a card that lies on no pile and
// for numbers that are no card code (0, negative, above 999).
std::optional<CardPlace> findCard(const Piles& piles, const GameParams& params, int card,
                                  std::optional<PileRef> skip = std::nullopt);

// How many cards leave with the card at `place`: it and every card above
// it, except in a reserve whose every card is available, where each card
// leaves alone.
int movingBlockSize(const Piles& piles, const GameParams& params, const CardPlace& place);

// The kind code of a pile (KindStock ... KindReserve).
PileKind kindOf(PileRef pile);

}  // namespace vantrel
