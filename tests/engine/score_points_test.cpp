// Standard scoring: the start charge, credits and the score after a move.
#include <gtest/gtest.h>

#include <memory>

#include "engine/score.h"
#include "model/cards.h"
#include "model/game.h"

namespace vantrel {
namespace {

struct RecordingBoard : ScoreBoard {
    void showScore(std::string_view t) override { scores.emplace_back(t); }
    void showTime(std::string_view t) override { times.emplace_back(t); }
    std::vector<std::string> scores, times;
};

std::unique_ptr<Game> scoredGame(int deckSize, int foundations, int family = 0) {
    auto g = std::make_unique<Game>();
    g->state.write(field::Scoring_System, StandardScoring);
    g->state.write(field::Score, "0");
    g->params.set(265, deckSize);
    g->params.set(261, foundations);
    g->params.set(35, family);
    return g;
}

std::string cards(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += cardCode(i);
    return s;
}

TEST(Score, RecomputeCountsFoundationsInUseSecondWasteAndCredit) {
    struct Case {
        int deck, foundations, credit, secondWaste;
        std::vector<int> onFoundations;
        int expected;
    };
    const Case cases[] = {
        {52, 4, 0, 0, {3}, -37},
        {104, 8, 0, 0, {}, -104},
        {52, 4, 2, 1, {1, 0, 2}, -52 + 10 + 5 + 15},
        {52, 2, 0, 0, {1, 1, 5}, -42},  // the third foundation is not in use
    };
    for (const Case& c : cases) {
        auto g = scoredGame(c.deck, c.foundations);
        g->params.set(33, c.credit);
        g->piles.stock[SecondWasteEntry] = cards(c.secondWaste);
        for (size_t j = 0; j < c.onFoundations.size(); ++j) g->piles.foundations[j] = cards(c.onFoundations[j]);
        RecordingBoard board;
        RecomputeScore(*g, &board);
        EXPECT_EQ(currentScore(*g), c.expected);
        EXPECT_EQ(board.scores, std::vector<std::string>{std::to_string(c.expected)});
    }
}

TEST(Score, AddScoreChargesTheDeckThenCreditsFivePerCard) {
    auto g = scoredGame(52, 4);
    RecordingBoard board;
    AddScore(*g, 0, true, &board);
    AddScore(*g, 3, false, &board);
    EXPECT_EQ(board.scores, (std::vector<std::string>{"-52", "-37"}));
    EXPECT_EQ(g->state.read(field::Score), "-37");
}

TEST(Score, FamilyNineAndOtherScoringSystemsKeepTheScore) {
    auto family9 = scoredGame(52, 4, NoScoreFamily);
    auto otherSystem = scoredGame(52, 4);
    otherSystem->state.write(field::Scoring_System, "02");
    for (Game* g : {family9.get(), otherSystem.get()}) {
        g->piles.foundations[0] = cards(5);
        RecordingBoard board;
        AddScore(*g, 0, true, &board);
        AddScore(*g, 2, false, &board);
        RecomputeScore(*g, &board);
        EXPECT_EQ(g->state.read(field::Score), "0");
        EXPECT_TRUE(board.scores.empty());
    }
}

}  // namespace
}  // namespace vantrel
