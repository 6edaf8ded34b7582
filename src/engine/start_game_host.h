#pragma once
// What starting a game needs from the main window.
#include "engine/score.h"
#include "model/load_game.h"
#include "model/messages.h"

namespace vantrel {

class StartGameHost : public GameLoadHost, public ScoreBoard, public Messages {
public:
    void infoBox(std::string_view text) override = 0;  // one box for loading and dealing

    virtual void setBusyCursor(bool busy) = 0;  // hourglass while dealing
    virtual void refreshCaption() = 0;          // shows the new `Deal_Number`
    virtual void prepareBackground() = 0;       // the table picture's background
    // Draws the new table: with `animated` the dealing animation straight to
    // the window with input held back, otherwise through the table picture.
    virtual void drawTable(bool animated) = 0;
    // `mnuAutoPlay` carries its check mark and is enabled.
    virtual bool autoplayOn() const = 0;
    virtual void busyWait(int milliseconds) = 0;  // no input is handled meanwhile
    virtual bool autoplayPass() = 0;              // true when a card moved
    virtual void refresh() = 0;
    virtual void enableGameCommands() = 0;  // `mnuPause`, `mnuQuitGame`
};

}  // namespace vantrel
