#pragma once
// The text form of a dealt table.
#include <ostream>
#include <vector>

namespace vantrel {
struct Game;
class Messages;
}  // namespace vantrel

namespace solitaire_deal {

// The pile lines: the stock group, then the foundations, rows and
// reserves in use.
void printPiles(std::ostream& out, const vantrel::Game& game);

// deck line, one line per pile in use, base ranks, score.
void printTable(std::ostream& out, const vantrel::Game& game, const std::vector<int>& deck);

// For each top card of a non-empty pile and each foundation, row and
// reserve in use: whether the card alone may go there.
void printRules(std::ostream& out, vantrel::Game& game, vantrel::Messages* messages);

}  // namespace solitaire_deal
