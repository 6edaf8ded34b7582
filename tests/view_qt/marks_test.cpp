// Which empty-pile mark each pile shows.
#include "view/mark_choice.h"
#include "view_qt/drawing_support.h"

namespace vantrel::test {
namespace {

struct MarkCase {
    const char* what;
    int kind;
    int index;
    std::vector<std::pair<int, int>> params;
    int redeals;
    bool stockEmpty;
    int waste;
    int mark;
};

TEST(MarkChoice, ByPileKindAndGameRules) {
    const MarkCase cases[] = {
        {"stock, family 8", markKind::Stock, 0, {{35, 8}, {14, 1}, {13, -1}}, 1, false, 0, 21},
        {"stock, redeals open", markKind::Stock, 0, {{14, 1}, {13, 3}}, 2, true, 0, 22},
        {"stock, unlimited redeals", markKind::Stock, 0, {{14, 1}, {13, -1}}, 40, true, 0, 22},
        {"stock used up", markKind::Stock, 0, {{14, 1}, {13, 3}}, 3, true, 1, 8},
        {"stock, no redeal step but passes left", markKind::Stock, 0, {{14, 0}, {13, 3}}, 1, true, 5, 22},
        {"stock, nothing left", markKind::Stock, 0, {{14, 0}, {13, 1}}, 1, false, 5, 8},
        {"stock, empty with one waste card", markKind::Stock, 0, {{14, 0}, {13, 3}}, 1, true, 1, 8},
        {"waste of a stock game", markKind::Waste, 0, {{7, 1}}, 0, true, 0, 2},
        {"waste, no redeals", markKind::Waste, 0, {{13, 0}, {14, 1}}, 0, true, 0, 8},
        {"waste, no redeal step", markKind::Waste, 0, {{13, 2}, {14, 0}}, 0, true, 0, 0},
        {"waste, redeals used", markKind::Waste, 0, {{13, 2}, {14, 1}}, 2, true, 0, 8},
        {"waste, unlimited", markKind::Waste, 0, {{13, -1}, {14, 1}}, 9, true, 0, 22},
        {"foundation Ace base", markKind::Foundation, 2, {{38, 1}}, 0, true, 0, 10},
        {"foundation code 85", markKind::Foundation, 0, {{36, 85}}, 0, true, 0, 10},
        {"foundation 7 base", markKind::Foundation, 1, {{37, 7}}, 0, true, 0, 17},
        {"foundation Queen flag", markKind::Foundation, 1, {{37, 7}, {69, 10}}, 0, true, 0, 3},
        {"foundation King code 84", markKind::Foundation, 0, {{36, 84}}, 0, true, 0, 11},
        {"foundation without base", markKind::Foundation, 4, {{40, 0}}, 0, true, 0, 4},
        {"reserve default", markKind::Reserve, 0, {}, 0, true, 0, 1},
        {"reserve, court", markKind::Reserve, 0, {{230, 9}}, 0, true, 0, 9},
        {"reserve, King", markKind::Reserve, 0, {{230, 8}}, 0, true, 0, 11},
        {"tableau King base", markKind::Tableau, 3, {{103, 13}}, 0, true, 0, 11},
        {"tableau Jack base", markKind::Tableau, 0, {{100, 11}}, 0, true, 0, 6},
        {"tableau any card", markKind::Tableau, 0, {}, 0, true, 0, 7},
        {"tableau, other rule codes", markKind::Tableau, 2, {{100, 40}}, 0, true, 0, 4},
        {"second waste", markKind::SecondWaste, 0, {}, 0, true, 0, 2},
        {"kind 4", markKind::None, 0, {}, 0, true, 0, 0},
    };
    for (const MarkCase& c : cases) {
        GameParams p;
        for (auto [n, v] : c.params) p.set(n, v);
        const MarkFacts facts{p, c.redeals, c.stockEmpty, c.waste};
        EXPECT_EQ(emptyPileMark(c.kind, c.index, facts), c.mark) << c.what;
    }
}

TEST(MarkChoice, MarksAreCopiedWholeWithoutCutCorners) {
    SyntheticTable t;
    t.game.params.set(230, 9);
    t.drawing.pictures().drawEmptyPileMark(markKind::Reserve, 30, 40, Target::Table, 0);
    EXPECT_EQ(at(t.canvas.table, 30, 40), markColour(9));
    EXPECT_EQ(at(t.canvas.table, 49, 69), markColour(9));
    EXPECT_EQ(at(t.canvas.table, 50, 69), TableColour);
    EXPECT_EQ(t.canvas.bottomTracker, 70);
}

}  // namespace
}  // namespace vantrel::test
