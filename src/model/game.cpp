#include "model/game.h"

namespace vantrel {

void Game::clearTable(bool full) {
    if (full) piles.clearAll();
    inProgress = false;
}

}  // namespace vantrel
