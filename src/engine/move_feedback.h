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
    // The card drawn travelling from one place to the other, called once
    // the piles show it at `to`. When it is the bottom card of the block the
    // player is dragging, the whole block flies on from where it is shown,
    // and the calls for the other cards of the block just draw them; a
    // refused drop flies the block home with `from` and `to` both its spot.
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
    // The player turned the face-down top card of a row face up (its face
    // digit already says so): it shows lifted and settles into its place.
    // The "Face_up" sound is the caller's.
    virtual void turnCardFaceUp(int card, const CardSpot& at) { flipCard(card, at); }
    // The lowest table coordinate reached by anything drawn so far.
    virtual int drawnExtent() const = 0;
};

}  // namespace vantrel
