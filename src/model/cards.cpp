#include "model/cards.h"

namespace vantrel {

int suitOf(int card) {
    if (card > 104) return -1;
    if (card > 52) card -= 52;
    if (card <= 13) return SuitHearts;
    if (card <= 26) return SuitDiamonds;
    if (card <= 39) return SuitClubs;
    return SuitSpades;
}

int rankOf(int card) {
    if (card > 104) return -1;
    if (card > 52) card -= 52;
    if (card <= 13) return card;
    if (card <= 26) return card - 13;
    if (card <= 39) return card - 26;
    return card - 39;
}

bool isRed(int card) { return (card >= 1 && card <= 26) || (card >= 53 && card <= 78); }

bool isFaceCard(int card) {
    if (card < 1 || card > 104) return false;
    const int r = rankOf(card);
    return r >= Jack && r <= King;
}

int nextRank(int rank) { return rank == King ? Ace : rank + 1; }
int previousRank(int rank) { return rank == Ace ? King : rank - 1; }

std::string cardCode(int card) {
    const int v = card < 0 ? 0 : card % 1000;
    return {static_cast<char>('0' + v / 100), static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}

}  // namespace vantrel
