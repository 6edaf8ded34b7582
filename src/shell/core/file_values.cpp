#include "shell/core/file_values.h"

#include <algorithm>
#include <fstream>

#include "model/games_file.h"
#include "model/text.h"

namespace vantrel {

SectionValues ReadFileSection(const std::string& path, std::string_view section,
                              const std::vector<std::string>& keys, const std::vector<std::string>& defaults) {
    SectionValues result;
    result.values.resize(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) result.values[i] = i < defaults.size() ? defaults[i] : std::string();
    std::vector<bool> found(keys.size(), false);
    size_t missing = keys.size();

    std::ifstream in(path, std::ios::binary);
    const std::string header = "[" + std::string(section) + "]";
    bool inside = false;
    std::string line;
    while (missing > 0 && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("[")) {
            if (inside) break;
            inside = line.starts_with(header);
            continue;
        }
        if (!inside) continue;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (found[i] || keys[i].empty() || !line.starts_with(keys[i])) continue;
            const size_t eq = line.find('=');
            result.values[i] = eq == std::string::npos ? std::string() : line.substr(eq + 1);
            found[i] = true;
            --missing;
            break;
        }
    }
    result.allFound = missing == 0;
    return result;
}

std::array<int, 9> ReadGameValues(const std::string& path, int game, const std::array<int, 9>& parameters) {
    std::array<int, 9> values;
    values.fill(ValueNotRead);
    // Each row starts with its parameter number; the game compiler leaves
    // out the rows that are 0 for every game, as the game loader knows.
    auto rowNumber = [](std::string_view row) {
        long number = -1;
        return parseInt32(row.substr(0, 4), number) && number >= 0 && number < GameParams::Count ? int(number) : -1;
    };
    // Only the asked rows are kept: the chooser reads afresh on every selection.
    auto asked = [&](std::string_view row) {
        const int n = rowNumber(row);
        return n >= 0 && std::find(parameters.begin(), parameters.end(), n) != parameters.end();
    };
    GamesFile file;
    std::string error;
    if (game < 0 || !file.load(path, error, asked)) return values;
    std::array<const std::string*, GameParams::Count> rows{};
    for (const SectionLine& l : file.section2()) rows[static_cast<size_t>(rowNumber(l.text))] = &l.text;
    const size_t start = 16 + 11 * static_cast<size_t>(game);
    for (size_t i = 0; i < parameters.size(); ++i) {
        const int p = parameters[i];
        if (p < 0 || p >= GameParams::Count) continue;
        const std::string* row = rows[static_cast<size_t>(p)];
        if (!row) {
            values[i] = 0;
            continue;
        }
        long value = 0;
        if (start < row->size() && parseInt32(trim(unscramble(std::string_view(*row).substr(start, 10))), value))
            values[i] = static_cast<int>(value);
    }
    return values;
}

}  // namespace vantrel
