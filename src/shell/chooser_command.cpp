// File > Open a game: the game chooser on the main window, the chosen game
// started through SelectGame, and the commands tied to a game switched on
// and off with it.
#include <QApplication>

#include "dialogs/dialog_kit.h"
#include "engine/start_game.h"
#include "engine/table_play.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "model/load_game.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/prompts.h"
#include "shell/table_area.h"
#include "shell/table_host.h"
#include "shell/window_chooser.h"
#include "view/table_view.h"

namespace vantrel {

StateRecord& WindowChooser::state() { return w_.game().state; }
IniStore& WindowChooser::prefs() { return w_.prefs(); }
DrawingHost& WindowChooser::pictures() { return *w_.tableHost_; }
const std::vector<GameListEntry>& WindowChooser::gameList() { return w_.catalogue().gameList; }
bool WindowChooser::lowColourDisplay() const { return w_.lowColourDisplay(); }
void WindowChooser::infoBox(std::string_view text) { w_.prompts().info(text); }
void WindowChooser::repaintWindow() { w_.table().repaint(); }
bool WindowChooser::startGame(int number, const std::string& name, const std::string& player) {
    loadFailed_ = false;
    w_.SelectGame(number, name, player);
    return !loadFailed_;  // a refused abandon of the game in progress closes the chooser all the same
}
void WindowChooser::showRules(int game) { w_.commands().showRules(game); }
void WindowChooser::showHelp(int context) { w_.showHelpContext(context); }
void WindowChooser::enableGameCommands(bool enabled) { w_.EnableGameCommands(enabled); }

void WindowChooser::setBusyCursor(bool busy) { w_.setBusyCursor(busy); }

bool WindowChooser::confirmAbandonGame() { return w_.play().ConfirmAbandonGame(); }
void WindowChooser::endGame() { w_.play().EndGame(); }
void WindowChooser::refreshCaption() { w_.refreshCaption(); }
bool WindowChooser::gameCommandsEnabled() const { return w_.commands().mnuNew->isEnabled(); }
bool WindowChooser::loadGame() {
    loadFailed_ = !LoadGame(w_.game(), w_.catalogue(), w_);
    return !loadFailed_;
}
void WindowChooser::newDeal() { w_.startNewDeal(); }

void MainWindow::prepareGameChooser() {
    if (!chooser_) {
        const dialogs::Hourglass busy;
        if (!chooserHost_) chooserHost_ = std::make_unique<WindowChooser>(*this);
        chooser_ = std::make_unique<GameChooser>(*chooserHost_, this);
    }
    chooser_->prepare();
}

void MainWindow::openGameChooser() {
    prepareGameChooser();
    chooser_->run();
}

bool MainWindow::SelectGame(int number, const std::string& name, const std::string& player) {
    if (!chooserHost_) chooserHost_ = std::make_unique<WindowChooser>(*this);
    return vantrel::SelectGame(s_.game, s_.prefs, *chooserHost_, number, name, player);
}

void MainWindow::EnableGameCommands(bool enabled) { commands_->EnableGameCommands(enabled); }

}  // namespace vantrel
