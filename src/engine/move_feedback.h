#pragma once
// What the move executor asks of the table's drawing. The executor changes
// the piles; everything the player sees of a move goes through here, so the
// engine stays free of any window code and tests can record the calls.
#include "model/messages.h"
#include "model/piles.h"

namespace vantrel {

// Where a card lies or is going: its pile, its position from the bottom of
// that pile, and the pile's position on the table (a mark below -9999 while
// the pile is not placed). The drawing side works out the fan offset.
struct CardSpot {
    PileRef pile;
    int index = 0;
    int x = 0;
    int y = 0;
    bool operator==(const CardSpot&) const = default;
};

class MoveFeedback : public Messages {
public:
    // The card drawn at its place, without travel.
    virtual void drawCardAt(int card, const CardSpot& at) = 0;
    // The card drawn travelling from one place to the other.
    virtual void animateCard(int card, const CardSpot& from, const CardSpot& to) = 0;
    // The area that `cards` cards starting at `from` covered is repainted
    // from the table as it lies now.
    virtual void repaintRect(const CardSpot& from, int cards) = 0;
    // A whole pile repainted (it became empty or a single card).
    virtual void repaintPile(PileRef pile) = 0;
    virtual void repaintTable() = 0;
    // The mark that a click on the empty stock will turn the waste back.
    virtual void drawEmptyStockMarker(PileRef at) = 0;
    // The stock drawn as empty once it and the waste are used up.
    virtual void drawEmptyStock() = 0;
    // The card's face digit changed where it lies.
    virtual void flipCard(int card, const CardSpot& at) = 0;
    // The lowest table coordinate reached by anything drawn so far.
    virtual int drawnExtent() const = 0;
};

}  // namespace vantrel
