#pragma once
// Single values read straight from files on disk, without keeping them.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct SectionValues {
    std::vector<std::string> values;  // one per key, the default when not found
    bool allFound = false;
};

// Reads `path` line by line: after the line starting with "[section]" and
// up to the next line starting with "[", a line starting with a key gives
// that key's value (the text after the first "="). Stops once every key is
// found; a missing file gives the defaults.
SectionValues ReadFileSection(const std::string& path, std::string_view section,
                              const std::vector<std::string>& keys, const std::vector<std::string>& defaults);

inline constexpr int NoParameter = -1;
inline constexpr int ValueNotRead = -99;

// Values of up to nine parameters of game `game`, read afresh from the
// [Sect2] grid of the game data file at `path`: the row headed with the
// parameter's number (a parameter without a row is 0), the cell of 10
// characters at character 17 + game * 11. Parameters given as
// `NoParameter` or outside 0..345, a missing file, and cells that hold no
// number give `ValueNotRead`.
std::array<int, 9> ReadGameValues(const std::string& path, int game, const std::array<int, 9>& parameters);

}  // namespace vantrel
