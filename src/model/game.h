#pragma once
// Everything the program keeps for the table in one object: the program
// creates one, tests create as many as they like.
#include <string>
#include <vector>

#include "model/card_table.h"
#include "model/game_params.h"
#include "model/games_file.h"
#include "model/pile_positions.h"
#include "model/play_state.h"
#include "model/piles.h"
#include "model/state_record.h"

namespace vantrel {

// Reduced card set notice: 2 right after start-up, 0 after the player picks
// a game, 1 after a reduction or the notice.
inline constexpr int NoticeAfterStartup = 2;
inline constexpr int NoticePending = 0;
inline constexpr int NoticeDone = 1;

struct Game {
    StateRecord state;
    GameParams params;
    CardTable cards;
    Piles piles;
    PilePositions positions;
    GamesFile gamesFile;
    std::vector<GameListEntry> gameList;
    PlayState play;

    bool inProgress = false;  // a game is being played
    bool won = false;
    int noticeState = NoticeAfterStartup;
    bool noticeShown = false;  // the reduced-set notice was shown in this run

    int gameNumber() const { return static_cast<int>(state.readInt(field::Game, -1)); }

    // Empties every pile when `full`; in every case no game is in progress.
    void clearTable(bool full);
};

}  // namespace vantrel
