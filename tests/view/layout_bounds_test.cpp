// A synthetic game for every arrangement, laid out on small and large
// screens with big and medium cards: all its piles are placed, inside the
// drawing area, and piles the arrangement keeps apart do not overlap.
#include <gtest/gtest.h>

#include <vector>

#include "layout_support.h"

namespace vantrel::test {
namespace {

struct Synthetic {
    TableDef def;
    bool tableauStacks = false;  // the tableau piles overlap by design
};

std::vector<Synthetic> synthetics() {
    std::vector<Synthetic> s;
    const auto add = [&s](std::string name, Group tab, Group stock, Group found, Group res, Group waste = {},
                          int rows = 1, int fan = 1, bool p7 = true, bool p8 = true, bool stacks = false) {
        s.push_back({{std::move(name), tab, stock, found, res, waste, rows, fan, p7, p8}, stacks});
    };
    add("T001 S004 F009", {2, 1, 7}, {1, 4, 2}, {1, 9, 4}, {});
    add("T002 F008 R005", {2, 2, 8}, {}, {1, 8, 4}, {1, 5, 4});
    add("T002 beside R005, F002", {2, 2, 4}, {}, {1, 2, 4}, {2, 5, 2});
    add("T003 S003 F002", {2, 3, 7}, {1, 3, 2}, {1, 2, 4}, {});
    add("T011 S011 F007", {2, 11, 7}, {2, 11, 2}, {1, 7, 4}, {});
    add("T012 R012 F009", {2, 12, 7}, {}, {1, 9, 4}, {2, 12, 1});
    add("T021 S021 F001", {2, 21, 7}, {2, 21, 2}, {1, 1, 4}, {});
    add("T010 rows, F008, S013 bottom", {1, 10, 12}, {5, 13, 1}, {1, 8, 2}, {}, {}, 3, 3, true, false);
    add("T010 one row, R006 bottom", {2, 10, 5}, {}, {}, {5, 6, 4});
    add("T013 S013 F013", {2, 13, 7}, {1, 13, 2}, {1, 13, 4}, {});
    add("T014 S004 F008", {2, 14, 9}, {1, 4, 2}, {1, 8, 4}, {});
    add("T015 F001", {2, 15, 8}, {}, {1, 1, 8}, {});
    add("T012 S016 W016 F009", {2, 12, 7}, {2, 16, 1}, {1, 9, 4}, {}, {3, 16, 1}, 1, 1, true, false);
    add("T011 S019 F017", {2, 11, 6}, {1, 19, 1}, {1, 17, 4}, {}, {}, 1, 1, true, false);
    add("T018 rows", {1, 18, 8}, {}, {}, {}, {}, 2, 3);
    add("T020 F001", {2, 20, 8}, {}, {1, 1, 8}, {});
    add("T052 cross", {1, 52, 5}, {1, 5, 2}, {1, 1, 4}, {});
    add("T054 staircase", {1, 54, 7}, {1, 5, 2}, {}, {}, {1, 0, 1}, 1, 4, true, true, true);
    add("T002 R004", {2, 2, 8}, {}, {}, {1, 4, 8});
    add("T001 S004 R007", {2, 1, 8}, {1, 4, 2}, {}, {1, 7, 4});
    add("T001 S005 R011 F008", {3, 1, 7}, {1, 5, 2}, {1, 8, 4}, {2, 11, 1});
    add("T001 S004 W007", {2, 1, 7}, {1, 4, 2}, {}, {}, {1, 7, 1});
    add("T002 S013 W006 F008", {2, 2, 8}, {1, 13, 1}, {1, 8, 4}, {}, {1, 6, 1}, 1, 1, true, false);
    return s;
}

struct Placed {
    PileGroup group;
    int entry;
    int x, y;
};

// The piles the game uses: every foundation, row and reserve it counts,
// the stock and waste it has, and the second waste when it exists.
std::vector<PileRef> usedPiles(const TableDef& t) {
    std::vector<PileRef> out;
    const bool ownLayout = t.tableau.arrangement == 52 || t.tableau.arrangement == 54;
    if (t.stock.count > 0 || ownLayout) {
        if (t.stockPile) out.push_back({PileGroup::Stock, 0});
        if (t.wastePile) out.push_back({PileGroup::Stock, 1});
    }
    if (t.secondWaste.count > 0) out.push_back({PileGroup::Stock, 2});
    for (int i = 0; i < t.foundations.count; ++i) out.push_back({PileGroup::Foundation, i});
    for (int i = 0; i < t.tableau.count; ++i) out.push_back({PileGroup::Tableau, i});
    for (int i = 0; i < t.reserves.count; ++i) out.push_back({PileGroup::Reserve, i});
    return out;
}

struct Screen {
    int w, h;
    char card;
};

class LayoutBounds : public ::testing::TestWithParam<Screen> {};

TEST_P(LayoutBounds, EveryPileInsideAndApart) {
    const Screen screen = GetParam();
    const LayoutArea area = screenArea(screen.w, screen.h, screen.card);
    const CardDims card = cardDims(screen.card);
    for (const Synthetic& syn : synthetics()) {
        PilePositions pos;
        Layout(inputsFor(syn.def, area), pos);
        std::vector<Placed> placed;
        for (const PileRef& ref : usedPiles(syn.def)) {
            const std::string what = syn.def.name + ": " + pileName(ref);
            ASSERT_TRUE(pos.placed(ref.group, ref.entry)) << what;
            const int x = pos.x(ref.group, ref.entry);
            const int y = pos.y(ref.group, ref.entry);
            EXPECT_GE(x, 0) << what;
            EXPECT_LE(x + card.width, area.width) << what;
            EXPECT_GE(y, area.top) << what;
            EXPECT_LE(y + card.height, area.bottom) << what;
            placed.push_back({ref.group, ref.entry, x, y});
        }
        for (size_t i = 0; i < placed.size(); ++i) {
            for (size_t j = i + 1; j < placed.size(); ++j) {
                const Placed& a = placed[i];
                const Placed& b = placed[j];
                if (syn.tableauStacks && a.group == PileGroup::Tableau && b.group == PileGroup::Tableau) continue;
                const bool overlap = a.x < b.x + card.width && b.x < a.x + card.width && a.y < b.y + card.height &&
                                     b.y < a.y + card.height;
                EXPECT_FALSE(overlap) << syn.def.name << ": " << pileName({a.group, a.entry}) << " at " << a.x << ","
                                      << a.y << " and " << pileName({b.group, b.entry}) << " at " << b.x << ","
                                      << b.y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, LayoutBounds,
                         ::testing::Values(Screen{800, 600, 'B'}, Screen{800, 600, 'M'}, Screen{1920, 1080, 'B'},
                                           Screen{1920, 1080, 'M'}),
                         [](const auto& info) {
                             return std::to_string(info.param.w) + "x" + std::to_string(info.param.h) + "_" +
                                    info.param.card;
                         });

}  // namespace
}  // namespace vantrel::test
