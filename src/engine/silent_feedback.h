#pragma once
// Play with nothing to show: every feedback of a move, of pointer play and
// of the game end does nothing, and every question is answered yes. For
// runs without drawing (searches, random play); the headless driver's
// recording host is the one to use when the calls matter.
#include "engine/move_feedback.h"
#include "engine/pointer_feedback.h"

namespace vantrel {

class SilentFeedback : public MoveFeedback, public PointerFeedback, public GameEndHost {
public:
    explicit SilentFeedback(TableGeometry geometry = {}) : geometry_(geometry) {}

    // Messages
    void infoBox(std::string_view) override {}

    // MoveFeedback
    void drawCardAt(int, const CardSpot&) override {}
    void animateCard(int, const CardSpot&, const CardSpot&) override {}
    void repaintRect(const CardSpot&, int) override {}
    void repaintPile(PileRef) override {}
    void repaintTable() override {}
    void drawEmptyStockMarker(PileRef) override {}
    void drawEmptyStock() override {}
    void flipCard(int, const CardSpot&) override {}
    int drawnExtent() const override { return 0; }

    // PointerFeedback
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

    // GameEndHost
    void setBusyCursor(bool) override {}
    void stopClock() override {}
    void enableGameCommands(bool) override {}
    void gameEnded(bool) override {}
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

}  // namespace vantrel
