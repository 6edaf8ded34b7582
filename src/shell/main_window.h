#pragma once
// The main window of the solitaire program: the table area with its
// panels, the caption, the one-second clock, activation, resizing and the
// close request with placement saving.
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <string>

#include "engine/game_clock.h"
#include "engine/start_game_host.h"
#include "engine/top_bar.h"
#include "model/game_number.h"
#include "shell/core/preference_loader.h"
#include "shell/top_panels.h"

class QAction;
class QScrollBar;

namespace vantrel {

struct Catalogue;
struct Game;
class IniStore;
class ResourceLibrary;
class FatalReporter;
class Prompts;
class AdviceDialog;
class Commands;
class TableArea;
class TableHost;
class TableView;
class WinningAnimation;
class SoundDevice;
class Sounds;
class AppearanceHost;
class CustomizeDialog;
class GameChooser;
class WindowMemoryWarmUp;
class WindowChooser;
class TableFeedback;
class MoveExecutor;
class TablePlay;
class WindowPointer;
class WindowGameEnd;

struct ShellServices {
    Game& game;
    Catalogue& catalogue;
    IniStore& prefs;
    ResourceLibrary& library;
    FatalReporter& fatal;
    Prompts& prompts;
};

// The window is also what the preference loader, the start of a game and the
// top bar's commands ask for: it owns what they act on.
class MainWindow : public QMainWindow, public PreferenceHost, public StartGameHost, public TopBarHost {
    Q_OBJECT
public:
    explicit MainWindow(ShellServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads the picture library and the preferences. False when the program
    // cannot go on (the reason was reported).
    bool createWindow();
    // Places the window from the preference file and shows it.
    void showPlaced();

    Game& game() { return s_.game; }
    const Catalogue& catalogue() const { return s_.catalogue; }
    IniStore& prefs() { return s_.prefs; }
    Prompts& prompts() { return s_.prompts; }
    FatalReporter& fatal() { return s_.fatal; }
    TopPanels& panels() { return *panels_; }
    TableArea& table() { return *table_; }
    TableView& view() { return *view_; }
    GameClock& clock() { return clock_; }
    AdviceDialog& adviceDialog() override { return *advice_; }
    Commands& commands() { return *commands_; }
    Sounds* sounds() { return sounds_.get(); }  // none before the sound device is set
    TableHost& tableHost() { return *tableHost_; }
    RandomSource& random() { return random_; }
    // Pointer play, autoplay and the end of a game on this window's table.
    TablePlay& play() { return *play_; }

    // Game sounds play through `device` from now on (silent before).
    void setSoundDevice(SoundDevice& device);

    void refreshCaption() override;  // set only when it changes
    void layoutTopBar();
    void computeLayout() override;
    // With `dealAnimation` the cards fly out of the deal origin.
    void redrawTable(bool dealAnimation = false);
    void showDealtTable(bool dealAnimation);
    // Shows the main scroll bar when the cards reach below the table area,
    // hides it when they no longer do (main_scroll_bar.cpp).
    void updateScrollBar();
    // A new deal of the loaded game with a new random game number.
    void startNewDeal();
    // Top bar, table pictures, layout and redraw after the window or the
    // toolbar changed.
    void resizeHandling();
    void applyToolbarLarge(bool large) override;  // not saved
    void applyToolbarFlat(bool flat) override;    // not saved
    void setAutoplay(bool on) override;
    bool autoplayOn() const override;
    void enableAutoplay(bool enabled) override;
    void showStatusBar(bool show) override;
    bool lowColourDisplay() const override;
    bool firstActivationPending() const { return firstActivationPending_; }

    // What the loaders and the top bar ask of the window besides the above
    // (main_window_hosts.cpp).
    void infoBox(std::string_view text) override;
    void errorBox(std::string_view text) override;
    void prepareWindow() override;
    void applyShowTime(bool show) override;
    void applyShowScore(bool show) override;
    bool requireFile(const std::string& path) override;
    void loadCardPictures() override;
    int screenWidth() const override;
    void enableCustomize(bool enabled) override;
    void reloadCardImages() override;
    void repaintTable() override;
    void showScore(std::string_view text) override;
    void showTime(std::string_view text) override;
    void setBusyCursor(bool busy) override;
    void prepareBackground() override;
    void drawTable(bool animated) override;
    void busyWait(int milliseconds) override;
    bool autoplayPass() override;
    void refresh() override;
    void enableGameCommands() override;
    TopBarMetrics topBarMetrics() const override;
    void applyTopBar(const TopBarPlacement& placement) override;
    void enableShowTimeCommand(bool enabled) override;
    void enableShowScoreCommand(bool enabled) override;
    void writePreference(std::string_view key, std::string_view value) override;

    // The winning animation runs; a close asked for meanwhile waits for its
    // end and then happens without the exit question.
    void setWinningAnimationRunning(bool running) { winningAnimation_ = running; }
    bool winningAnimationRunning() const { return winningAnimation_; }
    // What the end of a won game runs: `run(kind)`.
    WinningAnimation& winningAnimation() { return *winning_; }
    bool closeRequestedDuringAnimation() const { return closeRequested_; }
    void winningAnimationEnded();
    // A quit signal: close in order as the close box does, but without the
    // exit question.
    void closeWithoutQuestion();

    // Tools > Customize: the appearance dialog, modal.
    void mnuCustomizeClick();
    CustomizeDialog* customizeDialog() const { return customize_.get(); }
    // The help topic of `context`; nothing while the program has no help.
    void showHelpContext(int context);

    // File > Open a game: the game chooser, modal; also at the first
    // activation.
    void openGameChooser();
    // The chooser made and filled without showing it.
    void prepareGameChooser();
    GameChooser* gameChooser() const { return chooser_.get(); }
    // Starts the chosen game; true when it was dealt.
    bool SelectGame(int number, const std::string& name, const std::string& player);
    // The commands tied to a game; off while no game was ever chosen.
    void EnableGameCommands(bool enabled);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void firstActivation();
    void everyActivation();
    void savePlacement();
    void closing();
    // The executor and the play on the table, with the sounds there are now.
    void makePlay();
    void setUpScrollBar();
    void placeScrollBar();
    void scrollTable(int position);
    int visibleTableHeight() const;

    ShellServices s_;
    TableArea* table_;
    std::unique_ptr<TopPanels> panels_;
    QScrollBar* scrBarMain_;
    std::unique_ptr<AdviceDialog> advice_;
    Commands* commands_;  // a child of the window
    QAction* mnuAutoPlay_;
    GameClock clock_;
    SystemRandom random_;
    QTimer timer1_;
    std::unique_ptr<TableHost> tableHost_;
    std::unique_ptr<TableView> view_;  // the pictures of the table and their drawing
    std::unique_ptr<Sounds> sounds_;
    std::unique_ptr<TableFeedback> feedback_;
    std::unique_ptr<MoveExecutor> executor_;
    std::unique_ptr<WindowPointer> pointer_;
    std::unique_ptr<WindowGameEnd> gameEnd_;
    std::unique_ptr<TablePlay> play_;
    std::unique_ptr<WinningAnimation> winning_;
    std::unique_ptr<AppearanceHost> appearanceHost_;
    std::unique_ptr<CustomizeDialog> customize_;  // made once, kept for later openings
    friend class WindowAppearance;
    std::unique_ptr<WindowChooser> chooserHost_;
    std::unique_ptr<GameChooser> chooser_;  // made once, kept for later openings
    // From the first show: the window's and the first chooser's.
    std::unique_ptr<WindowMemoryWarmUp> memoryWarmUp_, chooserMemoryWarmUp_;
    friend class WindowChooser;

    bool firstActivationPending_ = true;
    bool winningAnimation_ = false;
    bool closeRequested_ = false;
    bool closeWithoutQuestion_ = false;
    bool closed_ = false;
    bool mapping_ = false;  // the first show() is under way
    bool updatingScrollBar_ = false;
};

}  // namespace vantrel
