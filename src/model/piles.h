#pragma once
// The four pile groups of the table. A pile is the text of its card codes,
// bottom card first, so piles are cut and joined as plain text.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/cards.h"

namespace vantrel {

class CardTable;
class GameParams;

enum class PileGroup { Stock = 0, Foundation = 1, Tableau = 2, Reserve = 3 };

inline constexpr int StockPiles = 3;
inline constexpr int FoundationPiles = 16;
inline constexpr int TableauPiles = 26;
inline constexpr int ReservePiles = 8;

// Entries of the stock group.
inline constexpr int StockEntry = 0;        // "Mazzo"
inline constexpr int WasteEntry = 1;        // "Mazzo_Vis"
inline constexpr int SecondWasteEntry = 2;  // "Mazzo_Waste"

// Where a card was found.
enum PileKind : int {
    KindNowhere = -1,
    KindStock = 1,
    KindWaste = 2,
    KindSecondWaste = 3,
    KindTableau = 4,
    KindFoundation = 5,
    KindReserve = 6,
};

struct PileRef {
    PileGroup group;
    int entry;  // 0-based
    bool operator==(const PileRef&) const = default;
};

inline int groupSize(PileGroup g) {
    switch (g) {
        case PileGroup::Stock: return StockPiles;
        case PileGroup::Foundation: return FoundationPiles;
        case PileGroup::Tableau: return TableauPiles;
        case PileGroup::Reserve: return ReservePiles;
    }
    return 0;
}

// "Dest3" -> (Foundation, 2); "Mazzo_Vis" -> (Stock, 1). The number is read
// from characters 5-6 of a foundation or tableau name, 7-8 of a reserve name.
std::optional<PileRef> parsePileName(std::string_view name);
std::string pileName(PileRef ref);

// Pile text helpers.
inline int cardCount(std::string_view pile) { return static_cast<int>(pile.size() / 3); }
int topCard(std::string_view pile);             // -1 when the pile holds no card
// Index from the bottom; -1 outside.
inline int cardAt(std::string_view pile, int index) {
    if (index < 0 || index >= cardCount(pile)) return -1;
    return codeValue(pile.substr(static_cast<size_t>(index) * 3, 3));
}
int bottomCard(std::string_view pile);          // -1 when empty

class Piles {
public:
    std::string& pile(PileGroup g, int entry);  // throws std::out_of_range outside the group
    const std::string& pile(PileGroup g, int entry) const;
    std::string& pile(PileRef r) { return pile(r.group, r.entry); }
    const std::string& pile(PileRef r) const { return pile(r.group, r.entry); }
    static bool valid(PileGroup g, int entry) { return entry >= 0 && entry < groupSize(g); }
    void clearAll();

    std::array<std::string, StockPiles> stock;
    std::array<std::string, FoundationPiles> foundations;
    std::array<std::string, TableauPiles> tableau;
    std::array<std::string, ReservePiles> reserves;
};

// Appends a card; a face digit ('0' or '1') is recorded in the card table
// unless the card is a gap.
void appendCard(Piles& piles, CardTable& cards, PileGroup g, int entry, int card,
                std::optional<char> face = std::nullopt);

// Face digit modes: n >= 1 the last n cards; -1 alternate starting up;
// -2 alternate starting down; -3 bottom up, the rest down; others nothing.
void setFaceDigits(CardTable& cards, std::string_view pile, int mode, char digit);

// Find modes: 0 report, 1 remove, 2 leave a gap, 3 remove and also remove a
// gap just below the removed card.
bool findCardInPile(std::string& pile, int card, int mode);

// Finds the card as findCard (card_place.h) does and applies the find mode
// to the pile that holds it; the pile's kind code, KindNowhere when none.
int locateCard(Piles& piles, const GameParams& params, int card, int mode);

// Index of the first gap (0) in a deck list, from `start` forward or down
// to 0, else from the beginning; -1 when there is none.
int firstFreeSlot(const std::vector<int>& list, int start, bool forward);

}  // namespace vantrel
