#pragma once
// The table state of one game: the piles, the card table, the play state,
// the game's parameters and the state record. A plain value: the program
// holds one beside its Catalogue, a search copies it per position.
#include "model/card_table.h"
#include "model/game_params.h"
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
