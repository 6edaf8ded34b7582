#pragma once
// The main window's side of play: what pointer play asks of the window
// beyond the table's drawing, and the steps of ending a game.
#include "engine/pointer_feedback.h"
#include "view/table_pointer.h"

namespace vantrel {

class MainWindow;

class WindowPointer : public TablePointer {
public:
    WindowPointer(MainWindow& window, TableFeedback& feedback);

    void beep() override;
    void setCursor(PointerCursor cursor) override;
    void hidePilesSizePanel() override;
    void refreshTime() override;

private:
    MainWindow& w_;
};

class WindowGameEnd : public GameEndHost {
public:
    explicit WindowGameEnd(MainWindow& window) : w_(window) {}

    void setBusyCursor(bool busy) override;
    void stopClock() override;
    void enableGameCommands(bool enabled) override;
    void gameEnded(bool) override {}  // the window shows nothing of it before the celebration
    void waitProcessingInput(int milliseconds) override;
    void winningAnimation() override;
    bool closeRequested() const override;
    void closeWindow() override;
    void redrawTable() override;
    void openGameChooser() override;
    bool winningAnimationRunning() const override;
    bool confirm(std::string_view text) override;

private:
    MainWindow& w_;
};

}  // namespace vantrel
