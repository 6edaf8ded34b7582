#include "engine/score.h"

#include <algorithm>
#include <string>

#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
// Standard scoring is the only system; any other value keeps no score.
bool keepsScore(const Game& game) {
    return game.params[param::Family] != NoScoreFamily && game.state.read(field::Scoring_System) == StandardScoring;
}

void store(Game& game, long long value, ScoreBoard* board) {
    const std::string text = std::to_string(value);
    game.state.write(field::Score, text);
    if (board) board->showScore(text);
}
}  // namespace

int currentScore(const Game& game) { return static_cast<int>(game.state.readInt(field::Score, 0)); }

void AddScore(Game& game, int count, bool reset, ScoreBoard* board) {
    if (!keepsScore(game)) return;
    const long long value = reset ? -static_cast<long long>(game.params[param::DeckSize])
                                  : currentScore(game) + static_cast<long long>(PointsPerCard) * count;
    store(game, value, board);
}

void RecomputeScore(Game& game, ScoreBoard* board) {
    if (!keepsScore(game)) return;
    long long value = -static_cast<long long>(game.params[param::DeckSize]) + PointsPerCard * game.params[param::FoundationCredit] +
                      PointsPerCard * cardCount(game.piles.stock[SecondWasteEntry]);
    const int foundations = param::foundationsInUse(game.params);
    for (int j = 0; j < foundations; ++j)
        value += PointsPerCard * cardCount(game.piles.foundations[static_cast<size_t>(j)]);
    store(game, value, board);
}

}  // namespace vantrel
