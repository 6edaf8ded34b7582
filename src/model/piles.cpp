#include "model/piles.h"

#include <algorithm>
#include <stdexcept>

#include "model/card_place.h"
#include "model/card_table.h"
#include "model/cards.h"
#include "model/game_params.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
int numberAt(std::string_view name, size_t from) {
    if (name.size() <= from) return -1;
    std::string_view digits = name.substr(from, 2);
    int v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}
}  // namespace

std::optional<PileRef> parsePileName(std::string_view name) {
    if (name == "Mazzo") return PileRef{PileGroup::Stock, StockEntry};
    if (name == "Mazzo_Vis") return PileRef{PileGroup::Stock, WasteEntry};
    if (name == "Mazzo_Waste") return PileRef{PileGroup::Stock, SecondWasteEntry};
    PileGroup g;
    int n = -1;
    if (name.starts_with("Dest")) {
        g = PileGroup::Foundation;
        n = numberAt(name, 4);
    } else if (name.starts_with("Fila")) {
        g = PileGroup::Tableau;
        n = numberAt(name, 4);
    } else if (name.starts_with("Appogg")) {
        g = PileGroup::Reserve;
        n = numberAt(name, 6);
    } else {
        return std::nullopt;
    }
    if (n < 1 || n > groupSize(g)) return std::nullopt;
    return PileRef{g, n - 1};
}

std::string pileName(PileRef ref) {
    static const char* const stockNames[] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
    const std::string n = std::to_string(ref.entry + 1);
    switch (ref.group) {
        case PileGroup::Stock: return ref.entry >= 0 && ref.entry < 3 ? stockNames[ref.entry] : "";
        case PileGroup::Foundation: return "Dest" + n;
        case PileGroup::Tableau: return "Fila" + n;
        case PileGroup::Reserve: return "Appogg" + n;
    }
    return {};
}

int topCard(std::string_view pile) { return cardAt(pile, cardCount(pile) - 1); }
int bottomCard(std::string_view pile) { return cardAt(pile, 0); }

std::string& Piles::pile(PileGroup g, int entry) {
    return const_cast<std::string&>(static_cast<const Piles*>(this)->pile(g, entry));
}

const std::string& Piles::pile(PileGroup g, int entry) const {
    if (!valid(g, entry)) throw std::out_of_range("pile entry out of range");
    const auto e = static_cast<size_t>(entry);
    switch (g) {
        case PileGroup::Stock: return stock[e];
        case PileGroup::Foundation: return foundations[e];
        case PileGroup::Tableau: return tableau[e];
        case PileGroup::Reserve: return reserves[e];
    }
    throw std::out_of_range("pile group");
}

void Piles::clearAll() {
    for (auto& p : stock) p.clear();
    for (auto& p : foundations) p.clear();
    for (auto& p : tableau) p.clear();
    for (auto& p : reserves) p.clear();
}

void appendCard(Piles& piles, CardTable& cards, PileGroup g, int entry, int card, std::optional<char> face) {
    piles.pile(g, entry) += cardCode(card);
    if (face && card != 0) cards.setFace(card, *face);
}

void setFaceDigits(CardTable& cards, std::string_view pile, int mode, char digit) {
    const int n = cardCount(pile);
    if (mode >= 1) {
        for (int i = n > mode ? n - mode : 0; i < n; ++i) cards.setFace(cardAt(pile, i), digit);
    } else if (mode == -1 || mode == -2) {
        const char first = mode == -1 ? '1' : '0';
        const char second = mode == -1 ? '0' : '1';
        for (int i = 0; i < n; ++i) cards.setFace(cardAt(pile, i), i % 2 == 0 ? first : second);
    } else if (mode == -3) {
        for (int i = 0; i < n; ++i) cards.setFace(cardAt(pile, i), i == 0 ? '1' : '0');
    }
}

bool findCardInPile(std::string& pile, int card, int mode) {
    const std::string code = cardCode(card);
    size_t at = std::string::npos;
    for (size_t i = 0; i + 3 <= pile.size(); i += 3) {
        if (pile.compare(i, 3, code) == 0) {
            at = i;
            break;
        }
    }
    if (at == std::string::npos) return false;
    switch (mode) {
        case 1: pile.erase(at, 3); break;
        case 2: pile.replace(at, 3, GapCode); break;
        case 3: {
            pile.erase(at, 3);
            const size_t below = at >= 3 ? at - 3 : 0;
            if (below + 3 <= pile.size() && pile.compare(below, 3, GapCode) == 0) pile.erase(below, 3);
            break;
        }
        default: break;
    }
    return true;
}

int locateCard(Piles& piles, const GameParams& params, int card, int mode) {
    const auto at = findCard(piles, params, card);
    if (!at) return KindNowhere;
    findCardInPile(piles.pile(at->pile), card, mode);
    return kindOf(at->pile);
}

int firstFreeSlot(const std::vector<int>& list, int start, bool forward) {
    const int n = static_cast<int>(list.size());
    if (forward) {
        for (int i = std::max(start, 0); i < n; ++i)
            if (list[static_cast<size_t>(i)] == 0) return i;
    } else {
        for (int i = std::min(start, n - 1); i >= 0; --i)
            if (list[static_cast<size_t>(i)] == 0) return i;
    }
    for (int i = 0; i < n; ++i)
        if (list[static_cast<size_t>(i)] == 0) return i;
    return -1;
}

}  // namespace vantrel
