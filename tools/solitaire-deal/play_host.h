#pragma once
// The headless table: every feedback of play as text lines, and the
// geometry of the chosen card size with untidy piles off.
#include <ostream>
#include <string>

#include "engine/move_feedback.h"
#include "engine/pointer_feedback.h"
#include "engine/sounds.h"

namespace vantrel {
struct Game;
}

namespace solitaire_deal {

using namespace vantrel;

class PlayHost : public MoveFeedback, public PointerFeedback, public GameEndHost, public SoundDevice {
public:
    PlayHost(std::ostream& out, TableGeometry geometry) : out_(out), geometry_(geometry) {}

    // Messages
    void infoBox(std::string_view text) override { out_ << "message " << text << '\n'; }

    // MoveFeedback: nothing is drawn.
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
    void beep() override { out_ << "beep\n"; }
    void setCursor(PointerCursor) override {}
    void hidePilesSizePanel() override {}
    void refreshTime() override {}
    void liftBlock(PileRef, int, int, int, bool) override {}
    void dragBlockTo(int, int) override {}
    void flyBlock(const CardSpot&, const FlightFlags&) override {}
    void putBlockBack(PileRef, int) override {}
    void turnedFaceUp(int, PileRef, int) override {}
    void peek(int card, int, int) override;
    void drawSelection() override {}
    void eraseEmptyStockMarker() override {}
    void refreshTable() override {}

    // GameEndHost
    void setBusyCursor(bool) override {}
    void stopClock() override {}
    void enableGameCommands(bool) override {}
    void gameEnded(bool won) override { out_ << "endgame " << (won ? "won" : "lost") << '\n'; }
    void waitProcessingInput(int) override {}
    void winningAnimation() override {}
    bool closeRequested() const override { return false; }
    void closeWindow() override {}
    void redrawTable() override {}
    void openGameChooser() override {}
    bool winningAnimationRunning() const override { return false; }
    bool confirm(std::string_view) override { return true; }

    // SoundDevice: the sound's name without its folder and ".wav".
    void play(const std::string& path, SoundPlay how) override;
    void stop() override {}

private:
    std::ostream& out_;
    TableGeometry geometry_;
};

}  // namespace solitaire_deal
