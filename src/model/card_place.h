#pragma once
// Where on the table a card lies, without changing anything.
#include <optional>
#include <string_view>

#include "model/piles.h"

namespace vantrel {

struct CardPlace {
    PileRef pile;
    int index;  // position from the bottom of the pile
};

// Position of a card in one pile text, from the bottom; -1 when absent.
int indexInPile(std::string_view pile, int card);

// The pile and position of a card (1..104); none for a card that lies on no
// pile and for numbers that are no card code (0, negative, above 999).
std::optional<CardPlace> findCard(const Piles& piles, int card);

}  // namespace vantrel
