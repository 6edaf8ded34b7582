#pragma once
// One readable game definition (assets/games/NNN-name.game):
//
//   number = 7                      # game number, stable once published
//   type = 5                        # category code of the chooser
//   name = Klondike by Threes       # unique, at most 50 characters
//   winnable_deal = 0123456789012   # optional: a deal known to be winnable
//   foundations = 4                 # parameters by name ...
//   tableau_deal[1..8] = 7,7,7,7,6,6,6,6
//   param[262] = 8                  # ... or by number ("262 = 8")
//   [rules]
//   Plain text to the end of the file: the rules a player reads. Paragraphs
//   are separated by blank lines; '#' is an ordinary character here.
//
// Before [rules], '#' starts a comment. The winnable deal is kept for the
// program's other data, not written into GAMES.DAT.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gamesdat {

struct GameSource {
    std::string file;
    int number = -1;
    int typeCode = 0;
    std::string name;
    std::string winnableDeal;      // 13 digits, or empty
    int winnableSeconds = 0;       // the search the deal needs, when longer than the default
    std::string rules;             // text after [rules], blank lines at both ends dropped
    std::map<int, int> values;     // parameter number -> value
    std::map<int, int> valueLine;  // parameter number -> source line
};

// Parses one source; every problem is appended to `errors` as
// "file:line: message". Returns false when there was any.
bool parseGameSource(std::string_view text, const std::string& file, GameSource& out,
                     std::vector<std::string>& errors);

// The rules text as paragraphs, the lines of each joined by single spaces.
std::vector<std::string> ruleParagraphs(std::string_view rules);

// Refuses two sources with the same game number or the same name (names
// compared without regard to letter case).
void checkCatalogue(const std::vector<GameSource>& games, std::vector<std::string>& errors);

// Checks that the game can be dealt and laid out; errors as above.
// Warnings are for games that rely on degenerate arithmetic.
void checkGame(const GameSource& game, std::vector<std::string>& errors, std::vector<std::string>& warnings);

// The whole data file for a set of games.
std::string writeGamesDat(const std::vector<GameSource>& games);

}  // namespace gamesdat
