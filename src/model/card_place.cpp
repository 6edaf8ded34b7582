#include "model/card_place.h"

#include <cstring>

#include "model/param_ids.h"

namespace vantrel {

namespace {
bool codeOf(int card, char* code) {
    if (card < 1 || card > 999) return false;
    code[0] = static_cast<char>('0' + card / 100);
    code[1] = static_cast<char>('0' + card / 10 % 10);
    code[2] = static_cast<char>('0' + card % 10);
    return true;
}

int indexIn(std::string_view pile, const char* code) {
    for (size_t i = 0; i + 3 <= pile.size(); i += 3)
        if (std::memcmp(pile.data() + i, code, 3) == 0) return static_cast<int>(i / 3);
    return -1;
}
}  // namespace

int indexInPile(std::string_view pile, int card) {
    char code[3];
    return codeOf(card, code) ? indexIn(pile, code) : -1;
}

std::optional<CardPlace> findCard(const Piles& piles, const GameParams& params, int card,
                                  std::optional<PileRef> skip) {
    char code[3];
    if (!codeOf(card, code)) return std::nullopt;
    std::optional<CardPlace> found;
    const auto in = [&](PileGroup g, int entry) {
        const PileRef ref{g, entry};
        if (found || ref == skip) return;
        const int at = indexIn(piles.pile(ref), code);
        if (at >= 0) found = CardPlace{ref, at};
    };
    in(PileGroup::Stock, WasteEntry);
    for (int k = 0; k < param::rowsInUse(params); ++k) in(PileGroup::Tableau, k);
    for (int j = 0; j < FoundationPiles; ++j) in(PileGroup::Foundation, j);
    in(PileGroup::Stock, StockEntry);
    in(PileGroup::Stock, SecondWasteEntry);
    for (int n = 0; n < ReservePiles; ++n) in(PileGroup::Reserve, n);
    return found;
}

PileKind kindOf(PileRef pile) {
    switch (pile.group) {
        case PileGroup::Stock:
            return pile.entry == StockEntry ? KindStock : pile.entry == WasteEntry ? KindWaste : KindSecondWaste;
        case PileGroup::Foundation: return KindFoundation;
        case PileGroup::Tableau: return KindTableau;
        case PileGroup::Reserve: return KindReserve;
    }
    return KindNowhere;
}

int movingBlockSize(const Piles& piles, const GameParams& params, const CardPlace& place) {
    if (place.pile.group == PileGroup::Reserve && params[param::ReservePickup] == param::AnyReserveCard) return 1;
    return cardCount(piles.pile(place.pile)) - place.index;
}

}  // namespace vantrel
