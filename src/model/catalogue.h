#pragma once
// The games on offer: GAMES.DAT as read and the game list built from it.
// Kept beside the table state, never inside it, so that a copy of the table
// does not copy the whole file.
#include <vector>

#include "model/games_file.h"

namespace vantrel {

struct Catalogue {
    GamesFile gamesFile;
    std::vector<GameListEntry> gameList;
};

}  // namespace vantrel
