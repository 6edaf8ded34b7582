#pragma once
// The table as the solver plays it: nothing drawn, nothing heard; only the
// end of a game is noted.
#include "engine/move_feedback.h"
#include "engine/pointer_feedback.h"

namespace solitaire_solve {

using namespace vantrel;

class SilentHost : public MoveFeedback, public PointerFeedback, public GameEndHost {
public:
    explicit SilentHost(TableGeometry geometry) : geometry_(geometry) {}

    bool won = false;  // the last game that ended was won

    void infoBox(std::string_view) override {}

    void drawCardAt(int, const CardSpot&) override {}
    void animateCard(int, const CardSpot&, const CardSpot&) override {}
    void repaintRect(const CardSpot&, int) override {}
    void repaintPile(PileRef) override {}
    void repaintTable() override {}
    void drawEmptyStockMarker(PileRef) override {}
    void drawEmptyStock() override {}
    void flipCard(int, const CardSpot&) override {}
    int drawnExtent() const override { return 0; }

    TableGeometry geometry() const override { return geometry_; }
    void beep() override {}
    void setCursor(PointerCursor) override {}
    void hidePilesSizePanel() override {}
    void refreshTime() override {}
    void liftBlock(PileRef, int, int, int, bool) override {}
    void dragBlockTo(int, int) override {}
    void flyBlock(const CardSpot&, const FlightFlags&) override {}
    void putBlockBack(PileRef, int) override {}
    void turnedFaceUp(int, PileRef, int) override {}
    void peek(int, int, int) override {}
    void drawSelection() override {}
    void eraseEmptyStockMarker() override {}
    void refreshTable() override {}

    void setBusyCursor(bool) override {}
    void stopClock() override {}
    void enableGameCommands(bool) override {}
    void gameEnded(bool w) override { won = w; }
    void waitProcessingInput(int) override {}
    void winningAnimation() override {}
    bool closeRequested() const override { return false; }
    void closeWindow() override {}
    void redrawTable() override {}
    void openGameChooser() override {}
    bool winningAnimationRunning() const override { return false; }
    bool confirm(std::string_view) override { return true; }

private:
    TableGeometry geometry_;
};

}  // namespace solitaire_solve
