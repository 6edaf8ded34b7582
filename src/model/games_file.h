#pragma once
// GAMES.DAT: [Sect1] lists the games, [Sect2] holds one row per parameter
// with a ten-character cell per game. Game lines and cells are stored
// through a fixed character substitution.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_params.h"

namespace vantrel {

// Stored byte -> plain character, and back (plain characters 32..207).
inline unsigned char unscrambleChar(unsigned char c) { return c >= 80 ? c - 48 : c + 48; }
inline unsigned char scrambleChar(unsigned char p) { return p + 48; }
std::string unscramble(std::string_view stored);
std::string scramble(std::string_view plain);

struct GameListEntry {
    std::string line;  // unscrambled [Sect1] line
    int typeCode = 0;
    int number = -1;
    std::string name;
};

struct SectionLine {
    int lineNumber;  // 1-based line in the file
    std::string text;
};

class GamesFile {
public:
    GamesFile() = default;
    // Reads the file line by line; false with a message when it cannot be
    // opened. With `keep`, only the [Sect2] rows it accepts are stored, so a
    // caller that needs a few rows does not hold the whole file.
    using RowFilter = std::function<bool(std::string_view row)>;
    bool load(const std::string& path, std::string& error, const RowFilter& keep = {});
    void parse(std::string_view text, std::string fileName = "GAMES.DAT");

    bool empty() const { return sect1_.empty() && sect2_.empty(); }
    const std::string& fileName() const { return fileName_; }
    const std::vector<SectionLine>& section1() const { return sect1_; }
    const std::vector<SectionLine>& section2() const { return sect2_; }

    // Lines of [Sect1] offered by this edition (edition digit "0").
    // Unreadable lines are skipped and described in `problems`.
    std::vector<GameListEntry> LoadGameList(std::vector<std::string>* problems = nullptr) const;

    // Fills `params` with game `game`'s column. On any bad cell nothing is
    // changed and `error` says which value, parameter and game.
    bool LoadGameParameters(int game, GameParams& params, std::string& error) const;

    // True when some [Sect2] row is long enough to hold game `game`'s cell.
    bool hasParameters(int game) const;

private:
    void start(std::string fileName);
    void addLine(std::string_view line, const RowFilter& keep);

    std::string fileName_ = "GAMES.DAT";
    int section_ = 0;  // the section being read: 1, 2 or none
    int lineNumber_ = 0;
    std::vector<SectionLine> sect1_;
    std::vector<SectionLine> sect2_;
};

// Name of game `number` in the list: index try first, then a search.
std::string gameNameByNumber(const std::vector<GameListEntry>& list, int number);

}  // namespace vantrel
