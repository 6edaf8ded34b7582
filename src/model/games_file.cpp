#include "model/games_file.h"

#include <fstream>

#include "model/text.h"

namespace vantrel {

std::string unscramble(std::string_view stored) {
    std::string out(stored.size(), ' ');
    for (size_t i = 0; i < stored.size(); ++i)
        out[i] = static_cast<char>(unscrambleChar(static_cast<unsigned char>(stored[i])));
    return out;
}

std::string scramble(std::string_view plain) {
    std::string out(plain.size(), ' ');
    for (size_t i = 0; i < plain.size(); ++i)
        out[i] = static_cast<char>(scrambleChar(static_cast<unsigned char>(plain[i])));
    return out;
}

bool GamesFile::load(const std::string& path, std::string& error, const RowFilter& keep) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "Cannot open " + path;
        return false;
    }
    start(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        addLine(line, keep);
    }
    return true;
}

void GamesFile::parse(std::string_view text, std::string fileName) {
    start(std::move(fileName));
    for (std::string_view line : splitLines(text)) addLine(line, {});
}

void GamesFile::start(std::string fileName) {
    fileName_ = std::move(fileName);
    sect1_.clear();
    sect2_.clear();
    section_ = 0;
    lineNumber_ = 0;
}

void GamesFile::addLine(std::string_view line, const RowFilter& keep) {
    ++lineNumber_;
    if (line.starts_with("[")) {
        // A repeated header continues its section.
        section_ = line.starts_with("[Sect1]") ? 1 : line.starts_with("[Sect2]") ? 2 : 0;
        return;
    }
    if (section_ == 0 || (keep && section_ == 2 && !keep(line))) return;
    (section_ == 1 ? sect1_ : sect2_).push_back({lineNumber_, std::string(line)});
}

namespace {
bool allStoredBytesValid(std::string_view stored) {
    for (unsigned char c : stored)
        if (c < 80) return false;
    return true;
}

bool threeDigits(std::string_view s, int& out) {
    if (s.size() != 3) return false;
    long long v = 0;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    parseInteger(s, v);
    out = static_cast<int>(v);
    return true;
}
}  // namespace

std::vector<GameListEntry> GamesFile::LoadGameList(std::vector<std::string>* problems) const {
    std::vector<GameListEntry> list;
    auto report = [&](const SectionLine& l, const std::string& what) {
        if (problems) problems->push_back(fileName_ + " line " + std::to_string(l.lineNumber) + ": " + what);
    };
    for (const SectionLine& l : sect1_) {
        if (trim(l.text).empty()) continue;
        const std::string_view stored = std::string_view(l.text).substr(0, 60);
        if (stored.size() < 8) {
            report(l, "game line too short");
            continue;
        }
        if (!allStoredBytesValid(stored)) {
            report(l, "game line holds characters that were not written by the data tool");
            continue;
        }
        GameListEntry e;
        e.line = unscramble(stored);
        if (e.line[7] != '0') continue;  // another edition's game
        if (!threeDigits(std::string_view(e.line).substr(0, 3), e.typeCode) ||
            !threeDigits(std::string_view(e.line).substr(4, 3), e.number)) {
            report(l, "game line without a three-digit type code and game number");
            continue;
        }
        if (e.line.size() > 10) e.name = std::string(trimRight(std::string_view(e.line).substr(10, 50)));
        list.push_back(std::move(e));
    }
    return list;
}

bool GamesFile::LoadGameParameters(int game, GameParams& params, std::string& error) const {
    GameParams loaded;
    const std::string where = " (game " + std::to_string(game) + ", " + fileName_;
    if (game < 0) {
        error = "Game number " + std::to_string(game) + " has no parameters in " + fileName_;
        return false;
    }
    for (const SectionLine& l : sect2_) {
        const std::string_view line = l.text;
        if (trim(line).empty()) continue;
        const std::string place = where + " line " + std::to_string(l.lineNumber) + ")";
        long number = 0;
        const std::string_view numberText = line.substr(0, 4);
        if (!parseInt32(numberText, number)) {
            error = "'" + std::string(numberText) + "' is not a valid integer value" + place;
            return false;
        }
        if (number < 0 || number >= GameParams::Count) {
            error = "Parameter number " + std::to_string(number) + " is outside 0-345" + place;
            return false;
        }
        const size_t cellStart = 16 + 11 * static_cast<size_t>(game);
        const std::string_view stored = cellStart < line.size() ? line.substr(cellStart, 10) : std::string_view{};
        const std::string cell(trimRight(unscramble(stored)));
        long value = 0;
        if (!allStoredBytesValid(stored) || !parseInt32(cell, value)) {
            error = "'" + cell + "' is not a valid integer value (parameter " + std::to_string(number) + ", game " +
                    std::to_string(game) + ", " + fileName_ + " line " + std::to_string(l.lineNumber) + ")";
            return false;
        }
        loaded.set(static_cast<int>(number), static_cast<int>(value));
    }
    loaded.saveCopy();
    params = loaded;
    return true;
}

bool GamesFile::hasParameters(int game) const {
    if (game < 0) return false;
    const size_t cellStart = 16 + 11 * static_cast<size_t>(game);
    for (const SectionLine& l : sect2_)
        if (!trim(l.text).empty() && l.text.size() > cellStart) return true;
    return false;
}

std::string gameNameByNumber(const std::vector<GameListEntry>& list, int number) {
    if (number >= 8000) return {};
    if (number >= 0 && static_cast<size_t>(number) < list.size() && list[static_cast<size_t>(number)].number == number)
        return list[static_cast<size_t>(number)].name;
    for (const GameListEntry& e : list)
        if (e.number == number) return e.name;
    return {};
}

}  // namespace vantrel
