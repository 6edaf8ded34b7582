#pragma once
// The search's prunings: a drag home that every line may take first is
// the only child tried, and a run of stock-only clicks ends once it can
// bring back nothing new.
namespace vantrel {
struct Game;
class GameParams;
}  // namespace vantrel

namespace solitaire_solve {

// Whether a card whose next-lower ranks are all home can go home at no
// loss, asked of the dealt table: foundations up one rank at a time from
// an Ace, by suit or regardless of suit; rows built down by rank without
// wrap (so only a next-lower card lands on a card); cells of one card each
// or reserves that only give. A foundation card may then stay there.
bool homeIsSafe(const vantrel::Game& game);

// A drag home that every line may take first: the stock is untouched (its
// order decides what the stock can still offer; a waste that is never
// turned back may give its top) and each foundation it grew holds at most
// one card more than the lowest.
bool safeHome(const vantrel::Game& before, const vantrel::Game& after);

// Rows that take only the cards turned from the stock (waste piles the
// player stacks them on) and foundations that give nothing back: a card
// in the rows is only ever waiting to go home.
bool wasteHomeIsSafe(const vantrel::GameParams& params);

// There, a move home that every line may take first: the foundation that
// grew would take no other card not yet home in its place, or another one
// as high takes the same cards, so no line wanted that place for another
// card. `before` is only read, though the rule check may note a run's
// source marker in it.
bool onlyCardTaken(vantrel::Game& before, const vantrel::Game& after);

// Foundations that each build a chain of ranks whatever the suits, where
// only the stock and waste hold the cards waiting: an empty one takes its
// base rank alone, one holding cards exactly the rank that the same rule
// of its top card's rank names for all, up to one capacity. Of two that
// take the same card, the one with fewer cards loses nothing by taking it:
// both then want the same ranks one after the other, the other for fewer
// cards, so whatever the other could take next this one can too, until
// their next ranks meet again and the two are alike but for their order.
// Asked of the dealt table.
bool chainFoundations(const vantrel::Game& root);

// There, a move home that a foundation with fewer cards would have taken
// too. `before` is only read, though the rule check may note a run's source
// marker in it.
bool fullerChainTaken(vantrel::Game& before, const vantrel::Game& after);

// Rows built down whatever the suits, where a run of mixed suits moves as
// one, under foundations that go by suit: the early passes of the search
// move runs of one suit only, the lines a game that moved no others would
// have, and leave the wider tree to the last one. Asked of the dealt table.
bool runsMixSuits(const vantrel::Game& root);

// A run of more than one suit went from row to row.
bool mixedRunMoved(const vantrel::Game& before, const vantrel::Game& after);

// Only the stock changed: a click that deals or redeals.
bool stockOnly(const vantrel::Game& before, const vantrel::Game& after);

// More stock-only clicks in a row than a full round and a redeal, or than
// a round of called ranks, bring back a table already had.
int stockRunCap(const vantrel::Game& root);

}  // namespace solitaire_solve
