#include "shell/window_play.h"

#include <QAction>
#include <QApplication>
#include <QFrame>

#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/prompts.h"
#include "shell/table_area.h"
#include "shell/table_host.h"
#include "shell/winning_animation.h"
#include "model/game.h"

namespace vantrel {

WindowPointer::WindowPointer(MainWindow& window, TableFeedback& feedback)
    : TablePointer(window.game(), window.view(), feedback, window.tableHost()), w_(window) {}

void WindowPointer::beep() { QApplication::beep(); }

void WindowPointer::setCursor(PointerCursor cursor) {
    if (cursor == PointerCursor::Drag)
        w_.table().setCursor(Qt::ClosedHandCursor);
    else
        w_.table().unsetCursor();
}

void WindowPointer::hidePilesSizePanel() {
    if (w_.panels().pnlPilesSize->isVisible()) w_.panels().pnlPilesSize->hide();
}

void WindowPointer::refreshTime() { w_.clock().tick(w_); }

void WindowGameEnd::setBusyCursor(bool busy) { w_.setBusyCursor(busy); }
void WindowGameEnd::stopClock() { w_.clock().stop(); }

void WindowGameEnd::enableGameCommands(bool enabled) {
    for (QAction* a : {w_.commands().mnuPause, w_.commands().mnuQuitGame}) a->setEnabled(enabled);
}

void WindowGameEnd::waitProcessingInput(int milliseconds) { WaitHandlingInput(milliseconds); }

void WindowGameEnd::winningAnimation() { w_.winningAnimation().run(static_cast<int>(w_.random().uniform(1, 2))); }

bool WindowGameEnd::closeRequested() const { return w_.closeRequestedDuringAnimation(); }
void WindowGameEnd::closeWindow() { w_.close(); }
void WindowGameEnd::redrawTable() { w_.redrawTable(); }
void WindowGameEnd::openGameChooser() { w_.openGameChooser(); }
bool WindowGameEnd::winningAnimationRunning() const { return w_.winningAnimationRunning(); }
bool WindowGameEnd::confirm(std::string_view text) { return w_.prompts().confirm(text); }

}  // namespace vantrel
