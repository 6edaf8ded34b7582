#pragma once
// One readable game definition: number, type code, name and parameters by
// name ("foundations = 4", "tableau_deal[1..8] = 7,7,7,7,6,6,6,6") or by
// number ("param[262] = 8", "262 = 8"). '#' starts a comment.
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
    std::map<int, int> values;     // parameter number -> value
    std::map<int, int> valueLine;  // parameter number -> source line
};

// Parses one source; every problem is appended to `errors` as
// "file:line: message". Returns false when there was any.
bool parseGameSource(std::string_view text, const std::string& file, GameSource& out,
                     std::vector<std::string>& errors);

// Checks that the game can be dealt and laid out; errors as above.
// Warnings are for games that rely on degenerate arithmetic.
void checkGame(const GameSource& game, std::vector<std::string>& errors, std::vector<std::string>& warnings);

// The whole data file for a set of games.
std::string writeGamesDat(const std::vector<GameSource>& games);

}  // namespace gamesdat
