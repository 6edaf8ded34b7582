#include "model/card_place.h"

#include <cstring>

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

template <size_t N>
std::optional<CardPlace> findIn(const std::array<std::string, N>& group, PileGroup g, const char* code) {
    for (size_t e = 0; e < N; ++e) {
        const int at = indexIn(group[e], code);
        if (at >= 0) return CardPlace{PileRef{g, static_cast<int>(e)}, at};
    }
    return std::nullopt;
}
}  // namespace

int indexInPile(std::string_view pile, int card) {
    char code[3];
    return codeOf(card, code) ? indexIn(pile, code) : -1;
}

std::optional<CardPlace> findCard(const Piles& piles, int card) {
    char code[3];
    if (!codeOf(card, code)) return std::nullopt;
    if (auto p = findIn(piles.stock, PileGroup::Stock, code)) return p;
    if (auto p = findIn(piles.foundations, PileGroup::Foundation, code)) return p;
    if (auto p = findIn(piles.tableau, PileGroup::Tableau, code)) return p;
    return findIn(piles.reserves, PileGroup::Reserve, code);
}

}  // namespace vantrel
