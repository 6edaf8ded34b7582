// The main window's part of the program start: creation, placement, the
// first activation, the layout and the redraw of the table.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "dialogs/game_chooser.h"
#include "engine/start_game.h"
#include "engine/table_play.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "model/load_game.h"
#include "shell/core/high_scores.h"
#include "shell/core/path_helper.h"
#include "shell/core/preference_loader.h"
#include "shell/core/window_placement.h"
#include "shell/file_services.h"
#include "shell/main_window.h"
#include "shell/core/program_folders.h"
#include "shell/resource_library.h"
#include "shell/table_area.h"
#include "shell/table_host.h"
#include "shell/window_memory_warm_up.h"
#include "view/layout/layout_driver.h"
#include "view/table_view.h"

namespace vantrel {

bool MainWindow::createWindow() {
    const std::string library = programPath(s_.game.state, ResourceLibraryFile);
    if (!s_.library.loaded() && !s_.library.load(library)) {
        s_.fatal.fatal("Vantrel", ResourceLibrary::loadFailureText(library));
        return false;
    }
    panels_->lblTempo->setText(QString::fromStdString(GameClock::zeroTime()));
    if (!LoadPreferences(s_.game, s_.catalogue, s_.prefs, *this)) return false;
    // Panels shown while the preferences loaded resized the table before
    // the background settings were read.
    view_->backgroundChanged();
    timer1_.start();
    // Decoded on a second core while the window shows, for the chooser that
    // its first activation opens.
    if (firstActivationPending_ && !chooser_)
        tableHost_->prefetch().start(GameChooser::firstShowingPictures(
            s_.catalogue.gameList, static_cast<int>(s_.game.state.readInt(field::Game, -1)),
            programPath(s_.game.state, "GAMES.DAT")));
    return true;
}

void MainWindow::showPlaced() {
    const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
    const QSize screenSize = s ? s->geometry().size() : QSize(1024, 768);
    WindowPlacement p = ReadPlacement(s_.prefs, screenSize.width(), screenSize.height());
    std::vector<ScreenArea> screens;
    for (const QScreen* each : QGuiApplication::screens()) {
        const QRect r = each->availableGeometry();
        screens.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    p = PlacementOnScreens(p, screens, screenSize.width(), screenSize.height());
    move(p.left, p.top);
    resize(std::max(p.width, 200), std::max(p.height, 150));
    // Its memory asked of the server before the map: once mapped, the server
    // is busy with the window and every answer waits.
    create();
    if (!memoryWarmUp_) memoryWarmUp_ = std::make_unique<WindowMemoryWarmUp>(*this);
    // The toolbar pictures and the table picture are made once the map is
    // asked for, still before the first paint: the map waits for nothing
    // the server does not need.
    mapping_ = true;
    if (p.maximized)
        showMaximized();
    else
        show();
    mapping_ = false;
    panels_->loadPictures();
    resizeHandling();
    // Without a window manager nothing would activate the window, and the
    // first activation starts the game.
    raise();
    activateWindow();
    // The chooser the first activation opens, its native window included,
    // is made while the server maps the window, so that it shows as soon as
    // the activation comes. Made after the raise: without a window manager
    // the window made or raised last lies above.
    if (!firstActivationPending_) return;
    prepareGameChooser();
    tableHost_->prefetch().drop();
    if (!chooserMemoryWarmUp_) chooserMemoryWarmUp_ = std::make_unique<WindowMemoryWarmUp>(*chooser_);
}

void MainWindow::firstActivation() {
    if (!firstActivationPending_) return;  // asked for again before it ran
    firstActivationPending_ = false;
    refreshCaption();
    // What is pending reaches the window before the chooser opens. After
    // the first paint that is nothing, and repainting it all would wait on
    // the display server only to put the same pixels there again.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    ConvertHighScores(userFolder(s_.game.state), s_.prefs, *this);
    openGameChooser();  // the first game starts from there
}

void MainWindow::startNewDeal() {
    view_->newDeal(random_);
    play_->reset();
    StartGame(s_.game, s_.catalogue, *this, clock_, random_);
}

void MainWindow::computeLayout() {
    WindowMetrics m;
    m.windowWidth = table_->width();
    m.scrollBarWidth = scrBarMain_->isVisible() ? scrBarMain_->width() : 0;
    m.winH = frameGeometry().height();
    m.clientHeight = table_->height();
    const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
    m.screenW = s ? s->geometry().width() : 1024;
    m.screenH = s ? s->geometry().height() : 768;
    m.scrollPosition = scrBarMain_->isVisible() ? scrBarMain_->value() : 0;
    for (auto [bar, panel] : {std::pair{&m.largeToolbar, panels_->pnlTB}, std::pair{&m.smallToolbar, panels_->pnlTB1}}) {
        bar->visible = !panel->isHidden();
        bar->top = panel->y();
        bar->height = panel->height();
    }
    view_->setLayout(LayoutDriver(s_.game, m));
}

void MainWindow::redrawTable(bool dealAnimation) {
    view_->redraw(dealAnimation);
    table_->update();
    updateScrollBar();
}

void MainWindow::showDealtTable(bool dealAnimation) {
    view_->redraw(dealAnimation);
    // The pause before the first autoplay blocks the event loop: the dealt
    // table must be on the window before it starts.
    table_->repaint();
    updateScrollBar();
}

}  // namespace vantrel
