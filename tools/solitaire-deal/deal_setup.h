#pragma once
// Loading one game of a games file and dealing it without a window; shared
// by solitaire-deal and the solver.
#include <optional>
#include <string>
#include <vector>

namespace vantrel {
struct Game;
class Messages;
}  // namespace vantrel

namespace solitaire_deal {

// Loads the file, its game list and game `number`'s parameters into `game`.
// False with `error` set; `problems` receives what the list loading noted.
bool loadGame(vantrel::Game& game, const std::string& gamesFile, int number, std::string& error,
              std::vector<std::string>* problems = nullptr);

// Deals `dealNumber` (13 digits) of the loaded game onto a cleared table:
// the shuffled deck, nothing when no deal was possible.
std::optional<std::vector<int>> dealTable(vantrel::Game& game, const std::string& dealNumber,
                                          vantrel::Messages* messages);

}  // namespace solitaire_deal
