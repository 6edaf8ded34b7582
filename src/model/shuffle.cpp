#include "model/shuffle.h"

#include <array>
#include <string>

#include "model/game_number.h"
#include "model/messages.h"
#include "model/piles.h"

namespace vantrel {

namespace {
// Suits (1 hearts .. 4 spades) of the eight copies of a rank, by row 0-12.
constexpr std::array<std::array<int, 8>, 13> SuitOrder{{
    {4, 2, 3, 1, 4, 2, 1, 3},
    {1, 3, 2, 4, 4, 3, 2, 1},
    {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2},
    {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4},
    {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3},
    {3, 1, 4, 2, 1, 2, 4, 3},
    {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
}};

// Slot steps of the eight copies, by one digit of the game number.
constexpr std::array<std::array<int, 8>, 10> Steps{{
    {25, 18, 13, 22, 21, 20, 15, 15},
    {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20},
    {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16},
    {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
}};

constexpr int Ranks = 13;

int copiesFor(int deckSize) {
    if (deckSize >= 1 && deckSize <= 52) return 4;
    if (deckSize == 104) return 8;
    return 0;
}

// The nine digits that pick step z's suit row (digits 1-based in d[1..13]).
long long suitDigits(const std::array<int, 14>& d, int z) {
    long long s = 0;
    if (z <= 10) {
        for (int i = 1; i <= GameNumberDigits; ++i)
            if (i < z || i > z + 3) s = s * 10 + d[static_cast<size_t>(i)];
    } else {
        for (int i = z - 8; i <= z; ++i) s = s * 10 + d[static_cast<size_t>(i)];
    }
    return s;
}

int advance(int pointer) { return pointer == GameNumberDigits ? 1 : pointer + 1; }
}  // namespace

std::optional<std::vector<int>> Shuffle(std::string_view gameNumber, int deckSize, Messages* messages) {
    const std::optional<std::string> g = normalizeGameNumber(gameNumber);
    if (!g) {
        if (messages) messages->infoBox("'" + std::string(gameNumber) + "' is not a valid integer value");
        return std::nullopt;
    }
    const int n = deckSize;
    std::vector<int> deck(static_cast<size_t>(n > 0 ? n : 0), 0);
    const int copies = copiesFor(n);
    if (copies == 0) {
        if (messages) messages->infoBox(DeckSizeError);
        return deck;
    }

    std::array<int, 14> d{};
    for (int i = 1; i <= GameNumberDigits; ++i) d[static_cast<size_t>(i)] = (*g)[static_cast<size_t>(i - 1)] - '0';
    auto digit = [&](int i) { return d[static_cast<size_t>(i)]; };

    std::array<int, Ranks> pool{};
    for (int r = 0; r < Ranks; ++r) pool[static_cast<size_t>(r)] = r + 1;
    int poolSize = Ranks;

    int w = digit(2) * 100 + digit(6) * 10 + digit(12);
    int a = 1, b = 7, c = 13;
    for (int z = 1; z <= GameNumberDigits; ++z) {
        const int t = digit(z);
        const bool zero = t == 0;
        const auto& suits = SuitOrder[static_cast<size_t>(suitDigits(d, z) % Ranks)];

        int k = (digit(a) * 100 + digit(b) * 10 + digit(c)) % Ranks;
        if (k > poolSize - 1) k = zero ? poolSize - 1 : 0;
        const int rank = pool[static_cast<size_t>(k)];
        for (int i = k; i + 1 < poolSize; ++i) pool[static_cast<size_t>(i)] = pool[static_cast<size_t>(i + 1)];
        --poolSize;

        a = advance(a);
        b = advance(b);
        c = advance(c);
        w -= t;

        const auto& steps = Steps[static_cast<size_t>(t)];
        for (int i = 0; i < copies; ++i) {
            w += steps[static_cast<size_t>(i)];
            if (w >= n)
                w %= n;
            else if (w < 0)
                w = 0;
            const int card = (suits[static_cast<size_t>(i)] - 1) * Ranks + rank + (i >= 4 ? 52 : 0);
            if (deck[static_cast<size_t>(w)] == 0) {
                deck[static_cast<size_t>(w)] = card;
            } else {
                // Searching forward after a zero digit, backward otherwise.
                w = firstFreeSlot(deck, w, zero);
                if (w != -1) deck[static_cast<size_t>(w)] = card;
            }
        }
    }
    return deck;
}

}  // namespace vantrel
