#pragma once
// Card numbers 1-104: deck * 52 + suit * 13 + rank; suits hearts, diamonds,
// clubs, spades; 0 is no card. Codes are three-digit texts, "000" a gap.
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr int SuitHearts = 0, SuitDiamonds = 1, SuitClubs = 2, SuitSpades = 3;
inline constexpr int Ace = 1, Jack = 11, Queen = 12, King = 13;
inline constexpr std::string_view GapCode = "000";

int suitOf(int card);  // -1 above 104; 0 and below count as hearts
int rankOf(int card);  // -1 above 104
bool isRed(int card);
bool isFaceCard(int card);
int nextRank(int rank);      // King wraps to Ace
int previousRank(int rank);  // Ace wraps to King

std::string cardCode(int card);          // 7 -> "007"
// "007" -> 7; -1 when not three digits. Inline: every pile read goes through it.
inline int codeValue(std::string_view code) {
    if (code.size() != 3) return -1;
    int v = 0;
    for (char c : code) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace vantrel
