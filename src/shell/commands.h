#pragma once
// The commands of the main window: the menu bar, the buttons of both
// toolbars and the three pop-up menus. Each command is one function
// (`mnuNewClick`, `mnuRulesClick` …) that the menu item, its shortcut and
// the toolbar buttons all run. Commands this program does not offer exist
// so that the menu is complete, but stay hidden and do nothing.
#include <QObject>
#include <QString>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace vantrel {

class MainWindow;
class HelpViewer;

class Commands : public QObject {
    Q_OBJECT
public:
    Commands(MainWindow& window, QMenuBar& menuBar);
    ~Commands() override;

    // File
    QAction *mnuNew, *mnuOpen, *mnuRestart, *mnuSelectNumber, *mnuRandomGame, *mnuSave, *mnuPlayers, *mnuEsci;
    // Game
    QAction *mnuUndo, *mnuRedo, *mnuPause, *mnuQuitGame, *mnuDemo, *mnuSnapshot, *mnuUndoSnapshot, *mnuAutoPlay;
    // Statistics and Tournament: whole menus that stay hidden.
    QMenu *mnuStatistics, *mnuTournament;
    // Tools
    QAction *mnuCustomize, *mnuThemes, *mnuCustomizeRules, *mnuFavorites, *mnuCardCounter;
    // ?
    QAction *mnuRules, *mnuContents, *mnuTip, *mnuAbout;

    // Pop-up menus of the toolbars, the time panel and the score panel.
    QMenu *pmToolbar, *pmTempo, *pmScore;
    QAction *pmLargeIcons, *pmSmallIcons, *pmFlat, *pmNoFlat, *pmShowTime, *pmShowScore;
    QAction *pmHideTime, *pmHideScore;

    // Makes the commands that are not offered invisible and disabled.
    void hideUnofferedCommands();
    // The game commands of both toolbars and of the menu; off while no
    // game is chosen.
    void EnableGameCommands(bool enabled);
    // Autoplay is available only in games that allow it.
    void enableAutoplay(bool enabled);
    // The game asks for the appearance dialog to be offered or not.
    void enableCustomize(bool enabled);
    // The toolbar switches; `save` writes the preference.
    void setToolbarLarge(bool large, bool save);
    void setToolbarFlat(bool flat, bool save);
    // The autoplay buttons show the switch as pressed.
    void showAutoplaySwitch();

    // The commands.
    void mnuNewClick();
    void mnuOpenClick();
    void mnuEsciClick();
    void mnuAutoPlayClick();
    void mnuCustomizeClick();
    void mnuRulesClick();
    void mnuContentsClick();
    void mnuAboutClick();

    // Rules of a game by number (the chooser's Rules button too); nothing
    // for the numbers of 8000 and above.
    void showRules(int gameNumber);
    HelpViewer& help() { return *help_; }

private:
    void buildMenus(QMenuBar& bar);
    void buildPopups();
    void connectToolbars();

    MainWindow& w_;
    std::unique_ptr<HelpViewer> help_;
};

}  // namespace vantrel
