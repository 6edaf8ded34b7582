#pragma once
// The move executor: every change of the table after the deal goes through
// `Execute`. It moves the cards, asks the feedback to show the change,
// plays the event's sound, then recomputes the score, advances the move
// counter and recomputes the game-won flag. It does not test the move
// rules; callers have done so.
#include <optional>
#include <string>
#include <string_view>

#include "engine/action_names.h"
#include "engine/move_feedback.h"
#include "model/card_place.h"

namespace vantrel {

struct Game;
class Sounds;
class ScoreBoard;
struct SoundEvent;

inline constexpr std::string_view FillGapsFirst = "Before deal, fill any gaps in the tableau";

// What a click on the stock led to.
struct StockClickResult {
    bool changed = false;      // cards moved
    bool pairingPick = false;  // family 4: pointer play's pairing pick takes the click
    bool endGame = false;      // families 2 and 15: the click won the game; run EndGame
};

class MoveExecutor {
public:
    // `sounds` and `board` may be null (no sound, no score display).
    MoveExecutor(Game& game, MoveFeedback& feedback, Sounds* sounds = nullptr, ScoreBoard* board = nullptr)
        : game_(game), feedback_(feedback), sounds_(sounds), board_(board) {}

    // Carries out `action` for `card` (the card moved, or the stock's top
    // card for stock actions; ignored by the deals). True when the table
    // changed. An unknown name, a card that is not on the table or a pile
    // number out of range changes nothing.
    bool Execute(int card, const Action& action);
    // The same by the action's name, for the edges (driver, tests).
    bool Execute(int card, std::string_view name);

    // The player clicked the stock: picks the action and executes it with
    // the stock's top card.
    StockClickResult StockClick();

    // The lowest table coordinate any moved card reached; for the scroll
    // range of the layout.
    int tableExtent() const { return tableExtent_; }

    // Set while the caller has flown the cards itself: arrivals are then
    // drawn at their place without a second flight.
    void setArrivalShown(bool shown) { arrivalShown_ = shown; }
    bool arrivalShown() const { return arrivalShown_; }

private:
    bool firstMoveAllowed(int card, ActionKind kind) const;
    bool dispatch(int card, const Action& action);
    void afterMove();

    // Card actions (move_execution.cpp).
    bool moveCard(int card, PileRef to, const SoundEvent* sound);
    bool moveToRow(int card, int row);

    // Stock actions and deals from the stock (stock_actions.cpp).
    bool stockAction(ActionKind kind);
    void showEmptyStockMarker();
    bool redeal();
    void family4SelectionFix();
    bool dealFromStock(const Action& action);
    bool dealTo(PileRef pile, const SoundEvent& sound, bool gapFirst);
    bool fillEmptyRows(const SoundEvent& sound, bool gapFirst);
    bool clickReserves(StockClickResult& result);

    // Pair games (pair_actions.cpp).
    bool discardSelection();
    bool closeUpAndRefill();
    void dropSelection();

    // Shared helpers.
    int rowsInUse() const;
    int reservesInUse() const;
    int foundationsInUse() const;
    int param(int n) const;
    std::string& pile(PileRef ref);
    CardSpot spot(PileRef ref, int index) const;
    CardSpot topSpot(PileRef ref) const;  // where a card appended now would lie
    // Where locating a card finds it (waste, rows in use, foundations, stock,
    // second waste, reserves), without changing anything.
    bool isTopOf(const CardPlace& from, PileRef to) const;
    // Moves the card at `from` to the top of `to`, face up, and shows it.
    void relocate(const CardPlace& from, PileRef to);
    // Shows a card arriving at `to` from `from` (travelling when animated).
    void showArrival(int card, const CardSpot& from, const CardSpot& to);
    // Repaints what `cards` cards left at `from`, and the whole pile when it
    // is down to one card or none.
    void showDeparture(const CardSpot& from, int cards);
    // Appends the card face up to `to` and shows it arriving from `from`.
    void land(int card, const CardSpot& from, PileRef to);
    void play(const SoundEvent& sound);
    void stopSound();

    Game& game_;
    MoveFeedback& feedback_;
    Sounds* sounds_;
    ScoreBoard* board_;
    int tableExtent_ = 0;
    bool arrivalShown_ = false;
};

class ArrivalShownScope {
public:
    ArrivalShownScope(MoveExecutor& executor, bool shown) : executor_(executor), was_(executor.arrivalShown()) {
        executor_.setArrivalShown(shown || was_);
    }
    ~ArrivalShownScope() { executor_.setArrivalShown(was_); }
    ArrivalShownScope(const ArrivalShownScope&) = delete;
    ArrivalShownScope& operator=(const ArrivalShownScope&) = delete;

private:
    MoveExecutor& executor_;
    bool was_;
};

}  // namespace vantrel
