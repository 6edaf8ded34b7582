#pragma once
// A hand-built table for the move rule tests.
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/move_rules.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/messages.h"

namespace vantrel::test {

// Cards of the first deck by suit and rank; Second() gives the second deck's twin.
constexpr int H(int rank) { return rank; }
constexpr int D(int rank) { return 13 + rank; }
constexpr int C(int rank) { return 26 + rank; }
constexpr int S(int rank) { return 39 + rank; }
constexpr int Second(int card) { return card + 52; }

inline std::string pileText(std::initializer_list<int> cards) {
    std::string text;
    for (int c : cards) text += cardCode(c);
    return text;
}

struct RecordingMessages : Messages {
    void infoBox(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

// A game with every pile group in use and nothing dealt.
struct Table {
    Table() {
        game.params.set(261, 16);
        game.params.set(262, 8);
        game.params.set(263, 4);
    }
    void row(int k, std::initializer_list<int> cards) { game.piles.tableau[static_cast<size_t>(k)] = pileText(cards); }
    void foundation(int j, std::initializer_list<int> cards) {
        game.piles.foundations[static_cast<size_t>(j)] = pileText(cards);
    }
    void reserve(int n, std::initializer_list<int> cards) {
        game.piles.reserves[static_cast<size_t>(n - 1)] = pileText(cards);
    }
    void stock(std::initializer_list<int> cards) { game.piles.stock[StockEntry] = pileText(cards); }
    void waste(std::initializer_list<int> cards) { game.piles.stock[WasteEntry] = pileText(cards); }
    void param(int n, int value) { game.params.set(n, value); }

    Game game;
    RecordingMessages messages;
    MoveRules rules{game, &messages};
};

}  // namespace vantrel::test
