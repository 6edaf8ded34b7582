#pragma once
// Play on the table: the pointer handlers (press, move, release, double
// click), drop placement, autoplay, filling empty rows and the end of a
// game. The window, the headless driver and the random player all call
// these same entry points; the rules come from MoveRules and every change
// of the table goes through the move executor.
#include <functional>
#include <optional>
#include <string_view>

#include "engine/drop_placement.h"
#include "engine/hit_test.h"
#include "engine/move_rules.h"
#include "engine/pointer_feedback.h"

namespace vantrel {

struct Game;
class MoveExecutor;
class Sounds;

enum class MouseButton { Left, Right };

inline constexpr std::string_view QuitThisGame = "Quit this game?";
inline constexpr int LiftOffset = 7;       // a lifted block sits this far up and left
inline constexpr int WinningPauseMs = 200;
inline constexpr int OneLongRow = 8;      // tableau fan mode: rows take no dropped cards

// The pointer-play state; cleared at the start of a game and when a drag ends.
struct DragState {
    int dragged = 0;  // bottom card of the picked block, 0 when nothing is held
    bool moved = false;
    int pressX = 0, pressY = 0;
    int grabX = 0, grabY = 0;  // pointer minus the block's top-left
    BlockRect block;
    int blockHeight = 0;
    PileRef from{PileGroup::Stock, 0};
    int fromIndex = 0;
    int peekX = 0, peekY = 0;
    int lastX = 0, lastY = 0;
};

class TablePlay {
public:
    // `autoplayOn`: the Autoplay command is ticked and enabled.
    TablePlay(Game& game, MoveExecutor& executor, PointerFeedback& pointer, GameEndHost& host, Messages* messages,
              Sounds* sounds, std::function<bool()> autoplayOn);

    void reset();  // a new game starts
    const DragState& drag() const { return drag_; }

    // The four mouse handlers, in window coordinates.
    void press(MouseButton button, int x, int y);
    void move(int x, int y);
    void release(MouseButton button, int x, int y);
    void doubleClick(int x, int y);

    // Drop placement: without a target the piles under the block are tried
    // best first; true when a move was made.
    bool PlaceDroppedBlock(int card, const BlockRect& block, std::optional<DropTarget> target, bool autoplay,
                           bool animate);

    bool AutoplayPass(bool confirm = false);
    bool FillEmptyRows();
    bool SendToFoundation(int card, bool autoplay, bool reserveFallback);
    // AutoplayPass, then FillEmptyRows and AutoplayPass while cards move.
    void AutoplaySequence();
    void EndGame();
    bool ConfirmAbandonGame(std::optional<std::string_view> text = std::nullopt);
    void requestStop() { stopRequest_ = true; }

private:
    // Press (pointer_press.cpp).
    bool pressTableau(MouseButton button, const Hit& hit, bool& peeked);
    bool pressOtherPile(const Hit& hit);
    bool familyWastePick(const Hit& hit);
    void stockClick();
    void pickUp(const Hit& hit, int x, int y);
    void peekAt(const Hit& hit);
    void turnFaceUp(const Hit& hit);
    bool isTop(const Hit& hit) const;

    // Pair games (pair_selection.cpp).
    void pairingPick(int card);
    void pairSelection(const Hit& hit);
    bool toggleSelected(int card);  // true when the card is now selected
    bool exposed(int card) const;
    void discardSelection(bool refill);

    // Drop and autoplay helpers (autoplay.cpp).
    bool tryCandidate(int card, const DropTarget& t, bool sent, bool autoplay, bool animate);
    void liftForFlight(int card);
    void afterRelease();
    bool endIfWon();

    CardSpot nextSpot(PileRef pile) const;  // where a card laid on the pile now goes
    int param(int n) const;
    int inUse(PileGroup g) const;
    TableGeometry geometry() const { return pointer_.geometry(); }
    bool animating() const;

    Game& game_;
    MoveExecutor& executor_;
    PointerFeedback& pointer_;
    GameEndHost& host_;
    Sounds* sounds_;
    MoveRules rules_;
    std::function<bool()> autoplayOn_;
    DragState drag_;
    bool stopRequest_ = false;
};

}  // namespace vantrel
