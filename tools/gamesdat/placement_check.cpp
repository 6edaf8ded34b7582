#include "placement_check.h"

#include <algorithm>
#include <initializer_list>

namespace gamesdat {

namespace {
bool among(int a, std::initializer_list<int> known) { return std::find(known.begin(), known.end(), a) != known.end(); }

struct Group {
    const char* what;
    bool inUse;
    int arrangementSlot, rowSlot;
    std::initializer_list<int> known;
    bool placedByTableau;
};
}  // namespace

std::vector<PlacementProblem> placementProblems(const std::map<int, int>& values) {
    auto value = [&](int n) {
        const auto it = values.find(n);
        return it == values.end() ? 0 : it->second;
    };
    std::vector<PlacementProblem> out;
    const int tableau = value(253);
    // The cross places the stock group and the foundations itself, the
    // staircase the stock group with the second waste.
    const bool selfPlaced = tableau == 52 || tableau == 54;
    const Group groups[] = {
        {"the rows", value(262) > 0, 253, 254, {1, 2, 3, 10, 11, 12, 13, 14, 15, 18, 20, 21, 52, 54}, false},
        {"the stock group", value(7) == 1 || value(8) == 1, 249, 250, {3, 4, 5, 11, 13, 16, 19, 21}, selfPlaced},
        {"the foundations", value(261) > 0, 251, 252, {1, 2, 7, 8, 9, 13, 17}, tableau == 52},
        {"the reserves", value(263) > 0, 256, 257, {4, 5, 6, 7, 11, 12}, false},
        {"the second waste", value(264) > 0, 258, 259, {6, 7, 16}, tableau == 54},
    };
    for (const Group& g : groups) {
        if (!g.inUse || g.placedByTableau) continue;
        const int a = value(g.arrangementSlot);
        if (!among(a, g.known)) {
            out.push_back({g.arrangementSlot, "arrangement " + std::to_string(a) + " places nothing for " + g.what});
            continue;
        }
        // Fans, wide rows, the cross and the staircase choose their own rows.
        if (g.arrangementSlot == 253 && among(a, {10, 18, 52, 54})) continue;
        // The layout reads the first character of the row slot's decimal text.
        const char row = std::to_string(value(g.rowSlot)).front();
        if (row < '1' || row > '9' || row == '7' || row == '8')
            out.push_back({g.rowSlot, std::string("row ") + row + " of " + g.what + " is no row of the table: row 1 is used",
                           false});
    }
    const int deal = value(26);
    if (deal < 0 || deal > 4) out.push_back({26, "special deal mode " + std::to_string(deal) + " is not one of 0-4"});
    return out;
}

}  // namespace gamesdat
