#pragma once
// Shared by the deal tests: a game set up by parameters alone, and views of
// where the cards ended up.
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/score.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/messages.h"

namespace vantrel::test {

struct RecordingMessages : Messages {
    void infoBox(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

inline std::unique_ptr<Game> makeGame(std::initializer_list<std::pair<int, int>> params,
                                      const std::string& number = "0000000000000") {
    auto game = std::make_unique<Game>();
    game->state.write(field::Scoring_System, StandardScoring);
    game->state.write(field::Score, "0");
    game->state.write(field::Deal_Number, number);
    for (const auto& [n, v] : params) game->params.set(n, v);
    game->params.saveCopy();
    return game;
}

inline void setRange(Game& game, int first, int count, int value) {
    for (int i = 0; i < count; ++i) game.params.set(first + i, value);
}

// Foundations 1..n built up by suit from the Ace, 13 cards each.
inline void suitFoundations(Game& game, int n) {
    game.params.set(261, n);
    game.params.set(25, 13);
    setRange(game, 36, n, 1);
    setRange(game, 52, n, 1);
    setRange(game, 68, n, 0);
}

inline std::string codes(std::initializer_list<int> cards) {
    std::string s;
    for (int c : cards) s += cardCode(c);
    return s;
}

// How often each card lies on the table.
inline std::map<int, int> tableCounts(const Game& game) {
    std::map<int, int> counts;
    auto add = [&](const std::string& pile) {
        for (int i = 0; i < cardCount(pile); ++i) ++counts[cardAt(pile, i)];
    };
    for (const auto& p : game.piles.stock) add(p);
    for (const auto& p : game.piles.foundations) add(p);
    for (const auto& p : game.piles.tableau) add(p);
    for (const auto& p : game.piles.reserves) add(p);
    return counts;
}

inline bool everyCardOnce(const Game& game, int deckSize) {
    const auto counts = tableCounts(game);
    if (counts.size() != static_cast<size_t>(deckSize)) return false;
    for (int c = 1; c <= deckSize; ++c)
        if (!counts.count(c) || counts.at(c) != 1) return false;
    return true;
}

inline std::string faces(const Game& game, const std::string& pile) {
    std::string out;
    for (int i = 0; i < cardCount(pile); ++i) out += game.cards.faceDigit(cardAt(pile, i));
    return out;
}

}  // namespace vantrel::test
