#pragma once
// The win test of every game family, read after each move that moves cards.
namespace vantrel {

struct Game;

// Family 9: no row in use is empty. Families 21, 22: the stock is empty and
// the first row holds at most four cards. Family 27: every row in use holds
// exactly one card. All others: stock, waste, rows and reserves in use are
// empty (family 4 rows may keep their gap codes). The second waste and the
// foundations are never looked at.
bool IsGameWon(const Game& game);

}  // namespace vantrel
