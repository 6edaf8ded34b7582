#pragma once
// What the game chooser shows, without the window: the alphabetical list
// of games, the icon of each category, and the description of a game from
// its parameters.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/games_file.h"
#include "model/param_ids.h"

namespace vantrel::chooser {

inline constexpr int RootCode = -30;        // "All games (alphabetically)"
inline constexpr int PlaceholderCode = -1;  // the root's child until it is first opened
inline constexpr const char* RootText = "All games (alphabetically)";

// A game of the list: name, category and number as the 56-character entry
// (name padded to 50, category and number of three characters each) that
// sorts the games by name.
struct ListEntry {
    std::string name;  // trimmed
    int category = 0;
    int number = -1;
    std::string key;   // the 56 characters
};
std::vector<ListEntry> sortedEntries(const std::vector<GameListEntry>& games);

// "TREE5_..._TYPE" for the categories 2..13; empty for any other code.
std::string_view categoryIcon(int category);

// "GAME" + the number in four digits.
std::string previewName(int game);

// The game parameters a description reads, in the order `describe` takes them.
inline constexpr std::array<int, 9> DescriptionParameters{
    param::GameTime, param::Difficulty, param::WinningChance, param::OddsWon, param::OddsOf, param::DeckSize,
    param::StockPasses, -1, -1};

struct Description {
    std::string time, difficulty, chance, decks, redeals;
    // Indicator pictures; empty when the value has no picture.
    std::string timePicture, difficultyPicture, chancePicture;
};
// From the values of `DescriptionParameters` (-99 for a value that could
// not be read: its texts stay empty).
Description describe(const std::array<int, 9>& values);

}  // namespace vantrel::chooser
