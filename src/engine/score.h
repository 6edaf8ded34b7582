#pragma once
// Standard scoring: a game starts at minus the deck size and earns 5 points
// for every card on a foundation (and on the second waste). Family 9 keeps
// no score.
#include <string_view>

namespace vantrel {

struct Game;

// Where the score and the playing time are shown (the two toolbar panels).
class ScoreBoard {
public:
    virtual ~ScoreBoard() = default;
    virtual void showScore(std::string_view text) = 0;
    virtual void showTime(std::string_view text) = 0;
};

inline constexpr int PointsPerCard = 5;
inline constexpr int NoScoreFamily = 9;
inline constexpr std::string_view StandardScoring = "01";  // `Scoring_System`

// With `reset` the start-of-game charge (minus the deck size); otherwise a
// credit of `count` cards placed on foundations. `board` may be null.
void AddScore(Game& game, int count, bool reset, ScoreBoard* board);

// The score from the table as it lies, after a move.
void RecomputeScore(Game& game, ScoreBoard* board);

// Score value of the state record (0 when it holds no number).
int currentScore(const Game& game);

}  // namespace vantrel
