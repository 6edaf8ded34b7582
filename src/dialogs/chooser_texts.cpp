#include "dialogs/chooser_texts.h"

#include <algorithm>
#include <cstdio>

#include "shell/core/file_values.h"

namespace vantrel::chooser {

namespace {

struct Word {
    const char* text;
    const char* picture;
};
constexpr Word TimeWords[] = {
    {"Long", "PROG_TIME_LONG"}, {"Medium", "PROG_TIME_MEDIUM"}, {"Quick", "PROG_TIME_QUICK"}};
constexpr Word DifficultyWords[] = {
    {"Easy", "PROG_DIFF_EASY"}, {"Medium", "PROG_DIFF_MEDIUM"}, {"Hard", "PROG_DIFF_HARD"}};
constexpr Word ChanceWords[] = {{"Very high", "PROG_CHAN_VERYHIGH"},
                                {"High", "PROG_CHAN_HIGH"},
                                {"Medium", "PROG_CHAN_MEDIUM"},
                                {"Low", "PROG_CHAN_LOW"},
                                {"Very low", "PROG_CHAN_VERYLOW"}};

template <size_t N>
void pick(const Word (&words)[N], int value, std::string& text, std::string& picture) {
    if (value < 0 || value >= static_cast<int>(N)) return;
    text = words[value].text;
    picture = words[value].picture;
}

std::string threeChars(std::string_view line, size_t at) {
    std::string s(line.size() > at ? line.substr(at, 3) : std::string_view());
    s.resize(3, ' ');
    return s;
}

}  // namespace

std::vector<ListEntry> sortedEntries(const std::vector<GameListEntry>& games) {
    std::vector<ListEntry> list;
    for (const GameListEntry& g : games) {
        ListEntry e{g.name, g.typeCode, g.number, g.name.substr(0, 50)};
        e.key.resize(50, ' ');
        e.key += threeChars(g.line, 0) + threeChars(g.line, 4);
        list.push_back(std::move(e));
    }
    std::sort(list.begin(), list.end(), [](const ListEntry& a, const ListEntry& b) { return a.key < b.key; });
    return list;
}

std::string_view categoryIcon(int category) {
    static constexpr std::string_view Icons[] = {
        "TREE5_CANFIELD_TYPE", "TREE5_FORTYTHIEVES_TYPE", "TREE5_FREECELL_TYPE", "TREE5_KLONDIKE_TYPE",
        "TREE5_PAIRING_TYPE",  "TREE5_SIMPLEGAMES_TYPE",  "TREE5_SPIDER_TYPE",   "TREE5_1DECK_TYPE",
        "TREE5_2DECK_TYPE",    "TREE5_FAN_TYPE",          "TREE5_BAKERSDOZEN_TYPE", "TREE5_ROW_TYPE"};
    constexpr int First = 2;
    if (category < First || category >= First + static_cast<int>(std::size(Icons))) return {};
    return Icons[category - First];
}

std::string previewName(int game) {
    char name[16];
    std::snprintf(name, sizeof name, "GAME%04d", game);
    return name;
}

Description describe(const std::array<int, 9>& v) {
    Description d;
    pick(TimeWords, v[0], d.time, d.timePicture);
    pick(DifficultyWords, v[1], d.difficulty, d.difficultyPicture);
    pick(ChanceWords, v[2], d.chance, d.chancePicture);
    if (!d.chance.empty() && v[4] != 0 && v[4] != ValueNotRead && v[3] != ValueNotRead)
        d.chance += " (about " + std::to_string(v[3]) + " in " + std::to_string(v[4]) + ")";
    if (v[5] != ValueNotRead) d.decks = std::to_string(v[5] / 52);
    if (v[6] == -1)
        d.redeals = "Unlimited";
    else if (v[6] == 0)
        d.redeals = "0";
    else if (v[6] != ValueNotRead)
        d.redeals = std::to_string(v[6] - 1);
    return d;
}

}  // namespace vantrel::chooser
