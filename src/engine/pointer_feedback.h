#pragma once
// What pointer play, autoplay and the game end ask of the window: the
// geometry of the cards on the table, the drag picture, beeps, cursors,
// the peek, and the steps of ending a game. The window implements it with
// Qt; the headless driver and tests record the calls.
#include "engine/move_feedback.h"
#include "view/layout/card_fan.h"

namespace vantrel {

// A rectangle in window pixels, edges included: a card at (x, y) spans
// x .. x + width and y .. y + height.
struct BlockRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const BlockRect&) const = default;
};

// How cards lie on the table now: the card size, the fan steps and the
// sideways offsets of untidy piles (null when they are off).
struct TableGeometry {
    int cardW = 71;
    int cardH = 96;
    FanSteps steps;
    const JitterTables* untidy = nullptr;
};

enum class PointerCursor { Normal, Drag };

// The flags of a card flight.
struct FlightFlags {
    bool prepare = false;  // the drag picture built for this one card first
    bool shadow = false;   // land with the drop shadow
    bool stamp = false;    // the card ends up in the table picture
    bool quick = false;    // short steps, no pauses
};

class PointerFeedback {
public:
    virtual ~PointerFeedback() = default;

    virtual TableGeometry geometry() const = 0;
    virtual void beep() = 0;
    virtual void setCursor(PointerCursor cursor) = 0;
    virtual void hidePilesSizePanel() = 0;
    virtual void refreshTime() = 0;

    // The block from card `fromIndex` of `pile` up becomes the drag
    // picture and leaves the table picture; it is drawn with its top-left
    // at (x, y), with its shadow when `lifted`.
    virtual void liftBlock(PileRef pile, int fromIndex, int x, int y, bool lifted) = 0;
    // The drag picture follows the pointer: its top-left now at (x, y).
    virtual void dragBlockTo(int x, int y) = 0;
    // The drag picture travels from where it lies to `to` (the next card
    // place of a pile). Cards are drawn at their new place by the move
    // that follows; without animations this draws nothing.
    virtual void flyBlock(const CardSpot& to, const FlightFlags& flags) = 0;
    // The block goes back where it was picked up and the area is repainted.
    virtual void putBlockBack(PileRef pile, int fromIndex) = 0;

    // A face-down top card was turned up where it lies.
    virtual void turnedFaceUp(int card, PileRef pile, int index) = 0;
    // A covered card drawn whole at its own place, until the next redraw.
    virtual void peek(int card, int x, int y) = 0;
    // The pair selection (the first foundation's text) shown highlighted.
    virtual void drawSelection() = 0;
    virtual void eraseEmptyStockMarker() = 0;
    // The table refreshed from the piles as they lie (removes a peek).
    virtual void refreshTable() = 0;
};

// The steps of ending a game that belong to the window.
class GameEndHost {
public:
    virtual ~GameEndHost() = default;
    virtual void setBusyCursor(bool busy) = 0;
    virtual void stopClock() = 0;
    virtual void enableGameCommands(bool enabled) = 0;  // Pause and Quit game
    // Told as the game ends, before anything is celebrated.
    virtual void gameEnded(bool won) = 0;
    // A wait in which input is handled (the winning animation's input
    // filter may end it).
    virtual void waitProcessingInput(int milliseconds) = 0;
    // Installs the animation input filter, runs one of the two winning
    // animations and removes the filter.
    virtual void winningAnimation() = 0;
    // The program was asked to close while the animation ran.
    virtual bool closeRequested() const = 0;
    virtual void closeWindow() = 0;
    virtual void redrawTable() = 0;
    virtual void openGameChooser() = 0;
    virtual bool winningAnimationRunning() const = 0;
    // OK/Cancel box; true for OK.
    virtual bool confirm(std::string_view text) = 0;
};

}  // namespace vantrel
