#pragma once
// The main window as the game chooser and the game selection see it.
#include "dialogs/game_chooser.h"
#include "shell/core/select_game.h"

namespace vantrel {

class MainWindow;

class WindowChooser : public ChooserHost, public SelectGameHost {
public:
    explicit WindowChooser(MainWindow& w) : w_(w) {}

    // ChooserHost
    StateRecord& state() override;
    IniStore& prefs() override;
    DrawingHost& pictures() override;
    const std::vector<GameListEntry>& gameList() override;
    bool lowColourDisplay() const override;
    void infoBox(std::string_view text) override;
    void repaintWindow() override;
    bool startGame(int number, const std::string& name, const std::string& player) override;
    void showRules(int game) override;
    void showHelp(int context) override;
    void enableGameCommands(bool enabled) override;

    // SelectGameHost
    void setBusyCursor(bool busy) override;
    bool confirmAbandonGame() override;
    void endGame() override;
    void refreshCaption() override;
    bool gameCommandsEnabled() const override;
    bool loadGame() override;
    void newDeal() override;

private:
    MainWindow& w_;
    bool loadFailed_ = false;
};

}  // namespace vantrel
