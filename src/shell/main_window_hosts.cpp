// The main window as the core sees it: what the preference loader, game
// loading and starting, and the top bar ask of it.
#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <algorithm>

#include "engine/game_clock.h"
#include "engine/table_play.h"
#include "model/game.h"
#include "shell/core/ini_store.h"
#include "shell/commands.h"
#include "shell/core/preference_keys.h"
#include "shell/file_services.h"
#include "shell/prompts.h"
#include "shell/qt_text.h"
#include "shell/table_area.h"
#include "view/table_view.h"

namespace vantrel {

void MainWindow::infoBox(std::string_view text) { s_.prompts.info(text); }
void MainWindow::errorBox(std::string_view text) { s_.prompts.error(text); }

void MainWindow::prepareWindow() {
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    s_.game.inProgress = false;
    s_.game.won = false;
    firstActivationPending_ = true;
    commands_->hideUnofferedCommands();
}
void MainWindow::applyShowTime(bool show) { ShowTime(s_.game.state, *this, show, false); }
void MainWindow::applyShowScore(bool show) { ShowScore(s_.game.state, *this, show, false); }
bool MainWindow::requireFile(const std::string& path) { return RequireFile(path, s_.fatal); }
void MainWindow::loadCardPictures() { view_->loadImagesLater(); }

int MainWindow::screenWidth() const {
    const QScreen* shownOn = screen();
    return shownOn ? shownOn->geometry().width() : 1024;
}
void MainWindow::enableCustomize(bool enabled) { commands_->enableCustomize(enabled); }
void MainWindow::reloadCardImages() { loadCardPictures(); }
void MainWindow::repaintTable() { table_->repaint(); }

void MainWindow::showScore(std::string_view text) { panels_->lblScore->setText(toQt(text)); }
void MainWindow::showTime(std::string_view text) { panels_->lblTempo->setText(toQt(text)); }

void MainWindow::setBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
void MainWindow::prepareBackground() {}
void MainWindow::drawTable(bool animated) { showDealtTable(animated); }

void MainWindow::busyWait(int milliseconds) {
    // The monotonic clock; short sleeps keep the 1 and 2 ms waits of the
    // animations near their length without spinning a core.
    QElapsedTimer t;
    t.start();
    const qint64 end = qint64(milliseconds) * 1000000;
    for (qint64 left = end - t.nsecsElapsed(); left > 0; left = end - t.nsecsElapsed())
        QThread::usleep(static_cast<unsigned long>(std::min<qint64>(left / 1000, 1000)));
}

bool MainWindow::autoplayPass() { return play_->AutoplayPass(); }
void MainWindow::refresh() { table_->repaint(); }
void MainWindow::enableGameCommands() {
    for (QAction* a : {commands_->mnuPause, commands_->mnuQuitGame}) a->setEnabled(true);
}

TopBarMetrics MainWindow::topBarMetrics() const { return panels_->metrics(table_->width()); }
void MainWindow::applyTopBar(const TopBarPlacement& placement) { panels_->apply(placement); }
void MainWindow::enableShowTimeCommand(bool enabled) { commands_->pmShowTime->setEnabled(enabled); }
void MainWindow::enableShowScoreCommand(bool enabled) { commands_->pmShowScore->setEnabled(enabled); }
void MainWindow::writePreference(std::string_view key, std::string_view value) {
    s_.prefs.putString(pref::Preference, key, value);
}

}  // namespace vantrel
