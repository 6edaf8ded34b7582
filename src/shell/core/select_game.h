#pragma once
// Starting the game the player chose: the game and the player may change,
// the game in progress is given up only with the player's consent, the
// definition is loaded only for another game, and a new deal follows.
#include <string>
#include <string_view>

namespace vantrel {

struct Game;
class IniStore;

// What choosing a game needs from the main window.
class SelectGameHost {
public:
    virtual ~SelectGameHost() = default;
    virtual void setBusyCursor(bool busy) = 0;
    // The question before the game in progress is given up; true to go on.
    virtual bool confirmAbandonGame() = 0;
    virtual void endGame() = 0;
    virtual void refreshCaption() = 0;
    // The New command's enabled state stands for all game commands.
    virtual bool gameCommandsEnabled() const = 0;
    virtual void enableGameCommands(bool enabled) = 0;
    virtual bool loadGame() = 0;  // the game named by `Game`
    virtual void newDeal() = 0;   // with a new random game number
};

// True when the game was started. An empty `player` keeps the current
// player: the chooser has no list of players to pick from.
bool SelectGame(Game& game, IniStore& prefs, SelectGameHost& host, int number, std::string_view name,
                std::string_view player);

}  // namespace vantrel
