#pragma once
// Laying out a deal: the shuffled deck list goes onto the piles as the game
// definition says, then the game's fix-ups and the foundation sweep run.
#include <optional>
#include <vector>

#include "model/piles.h"

namespace vantrel {

struct Game;
class Messages;
class ScoreBoard;

class Dealer {
public:
    // `messages` and `board` may be null (a deal without a window).
    Dealer(Game& game, Messages* messages, ScoreBoard* board) : game_(game), messages_(messages), board_(board) {}

    // Deals `Deal_Number` onto a cleared table. The result is the shuffled
    // deck list as it was before any card left it; nothing when the number
    // or the deck size allowed no deal (after a message).
    std::optional<std::vector<int>> deal();

    // Offers a card to foundation `target`, or to every foundation in use
    // when it is -1; a card taken is moved there face up and credited.
    bool tryFoundation(int card, int target);
    // Selector 0-3 tries foundations 0-3, 6-9 foundations 4-7, anything
    // else 0-7.
    bool tryFoundationSet(int card, int selector);
    // Offers the tableau's cards to the foundations, depth by depth or row
    // by row (parameter 21).
    void foundationSweep();

    // The steps that rearrange cards already laid out, in the order the
    // deal runs them; each checks its own parameter.
    void family11();
    void acesFromRows();  // start code 96
    void family22();
    void specialDealMode();

private:
    int param(int n) const;
    void credit(int cards);
    std::string& pile(PileGroup g, int entry);
    std::vector<int>::const_iterator deckBegin() const { return deck_.begin() + static_cast<long>(next_); }
    bool deckEmpty() const { return next_ >= deck_.size(); }
    int takeFirst();            // removes and returns deck entry 0; -1 when empty
    int takeRank(int rank);     // first entry of that rank; -1 when none
    void removeFromDeck(int card);
    void appendTaken(PileGroup g, int entry, int card);  // face down, gaps kept as gaps
    void take(int count, PileGroup g, int entry);
    int longestRow() const;

    // The deal's steps, in order.
    void foundationStartCards();
    int startCard(int code, int j) const;
    void secondWasteStartCard();
    void rankRows();
    void stockAndWaste();
    void countedRows();
    void secondWaste();
    void reserves();
    void firstFoundationCard();
    void kingsToStock();               // mode 1
    void triggerRows(int triggerRank); // modes 2 and 4
    void distinctRankRows();           // mode 3

    Game& game_;
    Messages* messages_;
    ScoreBoard* board_;
    std::vector<int> deck_;
    size_t next_ = 0;  // entries before this one have been dealt
};

}  // namespace vantrel
