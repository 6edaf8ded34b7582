#pragma once
// Where a foundation's rule check reads other cards of the table (a
// discard allowed by a higher card of its suit showing elsewhere), a card
// sent home may take away what let others go: the search tries such moves
// after the ones that keep every other card able to go, and sends a card
// home at once when it only went because another one shows.
#include <vector>

namespace vantrel {
struct Game;
}

namespace solitaire_solve {

// Top cards of the rows, reserves and waste that some foundation takes,
// asked of the foundations' own rule check.
int homeable(vantrel::Game& game);

// Cards other than the one sent home that could go before the move and
// cannot after it.
int homesLost(int homeableBefore, vantrel::Game& after);

class EagerHome {
public:
    explicit EagerHome(const vantrel::Game& root);
    bool applies() const { return applies_; }
    // The move home from `before` to `after` is taken at once: the card
    // went because another card shows, which stays and lets go whatever
    // the card would have, and no other card lost its way home. Not
    // certain: the card, kept and covered by the stock, might have been
    // the one showing later on. A search that takes it can no longer
    // call a deal lost.
    bool eager(const vantrel::Game& before, int homeableBefore, vantrel::Game& after) const;

private:
    bool applies_ = false;
    std::vector<bool> alone_;  // by card code: a foundation takes it with nothing else on the table
};

}  // namespace solitaire_solve
