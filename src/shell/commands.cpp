#include "shell/commands.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QToolButton>

#include "engine/sounds.h"
#include "engine/table_play.h"
#include "engine/top_bar.h"
#include "model/game.h"
#include "shell/about_box.h"
#include "shell/core/ini_store.h"
#include "shell/core/path_helper.h"
#include "shell/core/preference_keys.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/prompts.h"

namespace vantrel {

namespace {

// Games numbered from here on have no rules topic.
constexpr int FirstGameWithoutRules = 8000;

}  // namespace

Commands::Commands(MainWindow& window, QMenuBar& menuBar)
    : QObject(&window), w_(window), help_(std::make_unique<HelpViewer>(window)) {
    buildMenus(menuBar);
    buildPopups();
    connectToolbars();
    pmShowTime->setEnabled(false);
    pmShowScore->setEnabled(false);
}

Commands::~Commands() = default;

void Commands::connectToolbars() {
    const std::pair<ToolButton, QAction*> commands[] = {{ToolButton::New, mnuNew},
                                                        {ToolButton::Open, mnuOpen},
                                                        {ToolButton::AutoPlay, mnuAutoPlay},
                                                        {ToolButton::Rules, mnuRules},
                                                        {ToolButton::Exit, mnuEsci}};
    for (auto [button, action] : commands)
        for (QToolButton* b : w_.panels().both(button))
            connect(b, &QToolButton::clicked, this, [this, action = action] {
                w_.repaint();
                action->trigger();
            });
    // The autoplay buttons follow the switch however it changed.
    connect(mnuAutoPlay, &QAction::toggled, this, &Commands::showAutoplaySwitch);
    connect(mnuAutoPlay, &QAction::changed, this, &Commands::showAutoplaySwitch);

    connect(mnuNew, &QAction::triggered, this, &Commands::mnuNewClick);
    connect(mnuOpen, &QAction::triggered, this, &Commands::mnuOpenClick);
    connect(mnuEsci, &QAction::triggered, this, &Commands::mnuEsciClick);
    connect(mnuAutoPlay, &QAction::triggered, this, &Commands::mnuAutoPlayClick);
    connect(mnuCustomize, &QAction::triggered, this, &Commands::mnuCustomizeClick);
    connect(mnuRules, &QAction::triggered, this, &Commands::mnuRulesClick);
    connect(mnuContents, &QAction::triggered, this, &Commands::mnuContentsClick);
    connect(mnuAbout, &QAction::triggered, this, &Commands::mnuAboutClick);

    connect(pmLargeIcons, &QAction::triggered, this, [this] { setToolbarLarge(true, true); });
    connect(pmSmallIcons, &QAction::triggered, this, [this] { setToolbarLarge(false, true); });
    connect(pmFlat, &QAction::triggered, this, [this] { setToolbarFlat(true, true); });
    connect(pmNoFlat, &QAction::triggered, this, [this] { setToolbarFlat(false, true); });
    StateRecord& st = w_.game().state;
    connect(pmShowTime, &QAction::triggered, this, [this, &st] { ShowTime(st, w_, true, true); });
    connect(pmShowScore, &QAction::triggered, this, [this, &st] { ShowScore(st, w_, true, true); });
    connect(pmHideTime, &QAction::triggered, this, [this, &st] { ShowTime(st, w_, false, true); });
    connect(pmHideScore, &QAction::triggered, this, [this, &st] { ShowScore(st, w_, false, true); });
}

void Commands::EnableGameCommands(bool enabled) {
    TopPanels& p = w_.panels();
    for (ToolButton b : {ToolButton::New, ToolButton::AutoPlay, ToolButton::Rules, ToolButton::Restart,
                         ToolButton::Save, ToolButton::Undo, ToolButton::Redo})
        for (QToolButton* button : p.both(b)) button->setEnabled(enabled);
    p.smallBar.setAutoplayEnabled(enabled);
    for (QAction* a : {mnuNew, mnuAutoPlay, mnuRules, mnuRestart, mnuSelectNumber, mnuQuitGame, mnuSave, mnuUndo,
                       mnuRedo, mnuPause, mnuDemo, mnuCustomizeRules})
        a->setEnabled(enabled);
}

void Commands::enableAutoplay(bool enabled) {
    mnuAutoPlay->setEnabled(enabled);
    w_.panels().largeBar.button(ToolButton::AutoPlay)->setEnabled(enabled);
    w_.panels().smallBar.setAutoplayEnabled(enabled);
}

void Commands::enableCustomize(bool enabled) { mnuCustomize->setEnabled(enabled); }

void Commands::showAutoplaySwitch() {
    for (QToolButton* b : w_.panels().both(ToolButton::AutoPlay)) b->setChecked(mnuAutoPlay->isChecked());
}

void Commands::setToolbarLarge(bool large, bool save) {
    w_.panels().setLarge(large);
    (large ? pmLargeIcons : pmSmallIcons)->setChecked(true);
    w_.layoutTopBar();
    w_.repaint();
    w_.resizeHandling();
    if (save) w_.prefs().putString(pref::Preference, "ToolBar_Large", large ? "Y" : "N");
}

void Commands::setToolbarFlat(bool flat, bool save) {
    TopPanels& p = w_.panels();
    p.setFlat(flat);
    (flat ? pmFlat : pmNoFlat)->setChecked(true);
    p.showHints(w_.game().state.flag(field::Show_ToolTips));
    w_.layoutTopBar();
    if (save) w_.prefs().putString(pref::Preference, "ToolBar_Flat", flat ? "Y" : "N");
}

void Commands::mnuNewClick() {
    TablePlay& play = w_.play();
    if (!play.ConfirmAbandonGame()) return;
    play.EndGame();
    if (Sounds* s = w_.sounds()) s->play(sound::NewGame);
    w_.startNewDeal();
}

void Commands::mnuOpenClick() { w_.openGameChooser(); }

void Commands::mnuEsciClick() { w_.close(); }

void Commands::mnuAutoPlayClick() {
    if (mnuAutoPlay->isChecked()) {
        w_.play().AutoplaySequence();
        w_.updateScrollBar();
    }
}

void Commands::mnuCustomizeClick() { w_.mnuCustomizeClick(); }

void Commands::mnuRulesClick() { showRules(w_.game().gameNumber()); }

void Commands::showRules(int gameNumber) {
    if (gameNumber < 0 || gameNumber >= FirstGameWithoutRules) return;
    help_->showTopic(HelpWindowName::Rules, RulesContext + gameNumber);
}

void Commands::mnuContentsClick() { help_->showContents(); }

void Commands::mnuAboutClick() {
    if (Sounds* s = w_.sounds()) s->play(sound::About);
    AboutBox box(&w_);
    box.exec();
}

}  // namespace vantrel
