#include "shell/window_hosts.h"

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
#include "shell/main_window.h"
#include "shell/prompts.h"
#include "shell/qt_text.h"
#include "shell/table_area.h"
#include "view/table_view.h"

namespace vantrel {

void WindowHosts::infoBox(std::string_view text) { w_.prompts().info(text); }
void WindowHosts::errorBox(std::string_view text) { w_.prompts().error(text); }

void WindowHosts::prepareWindow() {
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    w_.game().inProgress = false;
    w_.game().won = false;
    w_.setFirstActivationPending(true);
    w_.commands().hideUnofferedCommands();
}
void WindowHosts::applyToolbarLarge(bool large) { w_.setToolbarLarge(large); }
void WindowHosts::applyToolbarFlat(bool flat) { w_.setToolbarFlat(flat); }
bool WindowHosts::lowColourDisplay() const { return w_.lowColourDisplay(); }
AdviceDialog& WindowHosts::adviceDialog() { return w_.adviceDialog(); }
void WindowHosts::applyShowTime(bool show) { ShowTime(w_.game().state, *this, show, false); }
void WindowHosts::applyShowScore(bool show) { ShowScore(w_.game().state, *this, show, false); }
void WindowHosts::setAutoplay(bool on) { w_.setAutoplay(on); }
void WindowHosts::showStatusBar(bool show) { w_.showStatusBar(show); }
bool WindowHosts::requireFile(const std::string& path) { return RequireFile(path, w_.fatal()); }
void WindowHosts::loadCardPictures() { w_.view().loadImagesLater(); }

int WindowHosts::screenWidth() const {
    const QScreen* screen = w_.screen();
    return screen ? screen->geometry().width() : 1024;
}
void WindowHosts::enableCustomize(bool enabled) { w_.commands().enableCustomize(enabled); }
void WindowHosts::reloadCardImages() { loadCardPictures(); }
void WindowHosts::enableAutoplay(bool enabled) { w_.enableAutoplay(enabled); }
void WindowHosts::computeLayout() { w_.computeLayout(); }
void WindowHosts::repaint() { w_.table().repaint(); }

void WindowHosts::showScore(std::string_view text) { w_.panels().lblScore->setText(toQt(text)); }
void WindowHosts::showTime(std::string_view text) { w_.panels().lblTempo->setText(toQt(text)); }

void WindowHosts::setBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
void WindowHosts::refreshCaption() { w_.refreshCaption(); }
void WindowHosts::prepareBackground() {}
void WindowHosts::drawTable(bool animated) { w_.showDealtTable(animated); }
bool WindowHosts::autoplayOn() const { return w_.autoplayOn(); }

void WindowHosts::busyWait(int milliseconds) {
    // The monotonic clock; short sleeps keep the 1 and 2 ms waits of the
    // animations near their length without spinning a core.
    QElapsedTimer t;
    t.start();
    const qint64 end = qint64(milliseconds) * 1000000;
    for (qint64 left = end - t.nsecsElapsed(); left > 0; left = end - t.nsecsElapsed())
        QThread::usleep(static_cast<unsigned long>(std::min<qint64>(left / 1000, 1000)));
}

bool WindowHosts::autoplayPass() { return w_.play().AutoplayPass(); }
void WindowHosts::refresh() { w_.table().repaint(); }
void WindowHosts::enableGameCommands() {
    for (QAction* a : {w_.commands().mnuPause, w_.commands().mnuQuitGame}) a->setEnabled(true);
}

TopBarMetrics WindowHosts::topBarMetrics() const { return w_.panels().metrics(w_.table().width()); }
void WindowHosts::applyTopBar(const TopBarPlacement& placement) { w_.panels().apply(placement); }
void WindowHosts::enableShowTimeCommand(bool enabled) { w_.commands().pmShowTime->setEnabled(enabled); }
void WindowHosts::enableShowScoreCommand(bool enabled) { w_.commands().pmShowScore->setEnabled(enabled); }
void WindowHosts::writePreference(std::string_view key, std::string_view value) {
    w_.prefs().putString(pref::Preference, key, value);
}

}  // namespace vantrel
