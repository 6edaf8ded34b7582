#pragma once
// Where on the table a card lies, without changing anything.
#include <optional>

#include "model/piles.h"

namespace vantrel {

struct CardPlace {
    PileRef pile;
    int index;  // position from the bottom of the pile
};

// The pile and position of a card (1..104); none for a card that lies on no
// pile and for numbers that are no card code (0, negative, above 999).
std::optional<CardPlace> findCard(const Piles& piles, int card);

}  // namespace vantrel
