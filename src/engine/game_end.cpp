// The end of a game and the question before abandoning one.
#include "engine/score.h"
#include "engine/sounds.h"
#include "engine/table_play.h"
#include "model/game.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
constexpr int PointsToWinFamily9 = 100;
}

void TablePlay::EndGame() {
    if (!game_.inProgress) return;
    host_.setBusyCursor(true);
    pointer_.hidePilesSizePanel();
    // Family 9 keeps no standard score: its own score decides.
    if (param(param::Family) == NoScoreFamily) game_.won = currentScore(game_) >= PointsToWinFamily9;
    const bool won = game_.won;
    host_.gameEnded(won);
    host_.stopClock();
    host_.enableGameCommands(false);
    drag_.dragged = 0;
    drag_.moved = false;
    game_.inProgress = false;
    game_.won = false;
    stopRequest_ = true;
    if (won) {
        host_.setBusyCursor(false);
        host_.waitProcessingInput(WinningPauseMs);
        if (sounds_) sounds_->play(sound::GameWon);
        host_.winningAnimation();
    }
    host_.setBusyCursor(false);
    if (host_.closeRequested()) {
        host_.closeWindow();
        return;
    }
    // A game started while the animation ran keeps its table.
    if (won && !game_.inProgress) {
        host_.redrawTable();
        host_.openGameChooser();
    }
}

bool TablePlay::ConfirmAbandonGame(std::optional<std::string_view> text) {
    if (host_.winningAnimationRunning()) return false;
    if (game_.state.read(field::ConfirmQuitGame) == "N") return true;
    bool go = true;
    if (game_.inProgress && !game_.won) go = host_.confirm(text.value_or(QuitThisGame));
    host_.redrawTable();
    return go;
}

}  // namespace vantrel
