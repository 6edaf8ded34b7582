#pragma once
// Where the cards of the winning animation fall and when it pauses: kind 1
// scatters them at random, kind 2 sweeps rows of cards from left to right.
// The window draws them and waits, handling input, so a click can end it.
#include <vector>

namespace vantrel {

class RandomSource;

struct WinningRequest {
    int kind = 1;          // 1 or 2
    char cardSize = 'B';   // B, M or L: how many cards and how long the pauses
    int cardW = 71;
    int cardH = 96;
    int windowW = 0;
    int windowH = 0;
    int tableTop = 5;      // bottom edge of the visible toolbar, else 5
};

struct WinningCard {
    int x = 0;
    int y = 0;
    int face = 1;       // 1..51: any card but the King of spades
    int waitAfter = 0;  // milliseconds to wait after drawing it
    bool operator==(const WinningCard&) const = default;
};

inline constexpr int WinningRowWait = 700;  // before each new row of kind 2
inline constexpr int WinningRowStep = 35;

std::vector<WinningCard> planWinningAnimation(const WinningRequest& request, RandomSource& random);

}  // namespace vantrel
