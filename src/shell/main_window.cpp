#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "dialogs/customize_dialog.h"
#include "engine/move_execution.h"
#include "engine/sounds.h"
#include "engine/table_play.h"
#include "model/game.h"
#include "shell/advice_dialog.h"
#include "shell/commands.h"
#include "shell/core/ini_store.h"
#include "shell/core/preference_keys.h"
#include "shell/core/texts.h"
#include "shell/core/window_placement.h"
#include "shell/prompts.h"
#include "shell/qt_text.h"
#include "shell/resource_library.h"
#include "shell/table_area.h"
#include "shell/table_host.h"
#include "shell/window_chooser.h"
#include "shell/window_memory_warm_up.h"
#include "shell/window_play.h"
#include "shell/winning_animation.h"
#include "view/table_feedback.h"
#include "view/table_view.h"

namespace vantrel {

MainWindow::MainWindow(ShellServices services, QWidget* parent)
    : QMainWindow(parent), s_(services), table_(new TableArea(this)), panels_(std::make_unique<TopPanels>(table_)),
      scrBarMain_(new QScrollBar(Qt::Vertical, table_)), advice_(std::make_unique<QtAdviceDialog>(this)),
      commands_(new Commands(*this, *menuBar())),
      mnuAutoPlay_(commands_->mnuAutoPlay) {
    setObjectName("frmMain");
    setWindowTitle(toQt(ProgramTitle));
    setCentralWidget(table_);
    tableHost_ = std::make_unique<TableHost>(*this, *this, [this](int v) { scrBarMain_->setValue(v); });
    view_ = std::make_unique<TableView>(s_.game, *tableHost_);
    view_->canvas().windowChanged = [this](const QRect& r) { table_->update(r); };
    view_->canvas().paintNow = [this](const QRect& r) { table_->repaint(r); };
    winning_ = std::make_unique<WinningAnimation>(*this, random_);
    table_->setCanvas(&view_->canvas());
    feedback_ = std::make_unique<TableFeedback>(s_.game, *view_, *tableHost_);
    pointer_ = std::make_unique<WindowPointer>(*this, *feedback_);
    gameEnd_ = std::make_unique<WindowGameEnd>(*this);
    makePlay();
    setUpScrollBar();
    timer1_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, [this] { clock_.tick(*this); });
}

MainWindow::~MainWindow() = default;

void MainWindow::setSoundDevice(SoundDevice& device) {
    sounds_ = std::make_unique<Sounds>(s_.game.state, device);
    tableHost_->setSounds(sounds_.get());
    makePlay();
}

void MainWindow::makePlay() {
    table_->setPlay(nullptr);
    play_.reset();
    executor_ = std::make_unique<MoveExecutor>(s_.game, *feedback_, sounds_.get(), this);
    play_ = std::make_unique<TablePlay>(s_.game, *executor_, *pointer_, *gameEnd_, feedback_.get(), sounds_.get(),
                                        [this] { return autoplayOn(); });
    table_->setPlay(play_.get());
}

bool MainWindow::lowColourDisplay() const {
    const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
    return s && s->depth() <= 8;
}

void MainWindow::refreshCaption() {
    const QString caption = toQt(WindowCaption(s_.game.state));
    if (windowTitle() != caption) setWindowTitle(caption);
}

void MainWindow::layoutTopBar() { LayoutTopBar(s_.game.state, *this); }

void MainWindow::applyToolbarLarge(bool large) { commands_->setToolbarLarge(large, false); }
void MainWindow::applyToolbarFlat(bool flat) { commands_->setToolbarFlat(flat, false); }

void MainWindow::setAutoplay(bool on) { mnuAutoPlay_->setChecked(on); }
bool MainWindow::autoplayOn() const { return mnuAutoPlay_->isChecked() && mnuAutoPlay_->isEnabled(); }
void MainWindow::enableAutoplay(bool enabled) { commands_->enableAutoplay(enabled); }

void MainWindow::showStatusBar(bool show) {
    panels_->pnlStatusBar->setVisible(show);
    panels_->placeStatusBar(table_->width(), table_->height());
}

bool MainWindow::event(QEvent* e) {
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate) {
        // Not from inside the activation: the chooser's modal loop would run
        // while the toolkit still walks the windows it notifies, and a window
        // closed meanwhile (the splash) would be used after it is gone.
        if (firstActivationPending_)
            QMetaObject::invokeMethod(this, &MainWindow::firstActivation, Qt::QueuedConnection);
        everyActivation();
    }
    return handled;
}

void MainWindow::everyActivation() {
    const StateRecord& st = s_.game.state;
    if (lowColourDisplay() && st.flag(field::Fade_Background) &&
        (st.flag(field::Background_def) || st.readInt(field::Background_bmp) == 0)) {
        view_->backgroundChanged();
        resizeHandling();
    }
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    resizeHandling();
}

void MainWindow::resizeHandling() {
    if (closed_) return;  // detached on closing
    if (mapping_) return;  // showPlaced runs it once the window is mapped
    panels_->applyButtonGeometry();
    layoutTopBar();
    QSize tableSize = view_->canvas().table.size();
    int fullHeight = view_->canvas().fullHeight();
    if (scrBarMain_->isHidden()) {
        // The table picture stands for the screen + 30 each way, but without
        // the scroll bar only the window's part can be seen: that part is
        // kept, and the picture grows when the scroll bar shows.
        const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
        fullHeight = s ? s->geometry().height() + 30 : 1054;
        tableSize = table_->size();
    }
    view_->resize(table_->size(), tableSize, fullHeight);
    if (firstActivationPending_) redrawTable();
    panels_->placeStatusBar(table_->width(), table_->height());
    if (scrBarMain_->isVisible()) placeScrollBar();
    if (!firstActivationPending_) {
        computeLayout();
        redrawTable();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    if (panels_->pnlPilesSize->isVisible()) panels_->pnlPilesSize->hide();
    QMainWindow::keyPressEvent(e);
}

void MainWindow::winningAnimationEnded() {
    winningAnimation_ = false;
    if (!closeRequested_) return;
    closeWithoutQuestion_ = true;
    close();
}

void MainWindow::savePlacement() {
    WindowPlacement p;
    p.maximized = isMaximized();
    p.left = pos().x();
    p.top = pos().y();
    p.width = width();
    p.height = height();
    SavePlacement(s_.prefs, p);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (closed_) {
        e->accept();
        return;
    }
    const bool ask = ConfirmQuitWanted(s_.prefs);
    savePlacement();
    if (winningAnimation_) {
        winningAnimation_ = false;  // the animation stops at its next step
        closeRequested_ = true;
        e->ignore();
        return;
    }
    // A quit signal that came while the question was open answers it.
    if (ask && !closeWithoutQuestion_ && !s_.prompts.confirm("Exit " + std::string(ProgramTitle) + "?") &&
        !closeWithoutQuestion_) {
        closeRequested_ = false;
        e->ignore();
        return;
    }
    if (!closed_) closing();
    e->accept();
}

void MainWindow::closeWithoutQuestion() {
    closeWithoutQuestion_ = true;
    // Dialogs in front (the exit question among them) give way first.
    for (int i = 0; i < 8 && QApplication::activeModalWidget(); ++i) QApplication::activeModalWidget()->close();
    QTimer::singleShot(0, this, [this] {
        if (!closed_) close();
    });
}

void MainWindow::closing() {
    closed_ = true;
    timer1_.stop();
    clock_.stop();  // the game in progress just ends
    s_.game.inProgress = false;
    hide();
    s_.prefs.putString(pref::Preference, pref::AutoPlay, mnuAutoPlay_->isChecked() ? "Y" : "N");
    s_.library.release();
}

}  // namespace vantrel
