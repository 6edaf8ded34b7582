// Action names are read and written only at the engine's edges: every name
// the executor accepts must read back as the same value and print the same.
#include <gtest/gtest.h>

#include "engine/action_names.h"

namespace vantrel {
namespace {

TEST(ActionNames, NamesAndValuesRoundTrip) {
    const struct {
        const char* name;
        ActionKind kind;
        int n;
    } cases[] = {
        {"Dest12", ActionKind::Dest, 12},         {"Dest_Autoplay3", ActionKind::DestAutoplay, 3},
        {"Fila26", ActionKind::Fila, 26},         {"Appogg8", ActionKind::Appogg, 8},
        {"Add_Reserve_2", ActionKind::AddReserve, 2}, {"Mazzo_Vis", ActionKind::MazzoVis, 0},
        {"Add_Tableaus_Last", ActionKind::AddTableausLast, 0},
        {"Stock_To_Pile_Monte_Carlo", ActionKind::MonteCarlo, 0},
    };
    for (const auto& c : cases) {
        const Action a = parseAction(c.name);
        EXPECT_EQ(a.kind, c.kind) << c.name;
        EXPECT_EQ(a.n, c.n) << c.name;
        EXPECT_EQ(actionName(a), c.name);
    }
}

TEST(ActionNames, NumberedKindWithoutNumberHasNoName) {
    EXPECT_EQ(actionName(Action{ActionKind::Fila, 0}), "");
    EXPECT_EQ(actionName(Action{}), "");
    EXPECT_EQ(parseAction("Fila0").kind, ActionKind::Unknown);
}

}  // namespace
}  // namespace vantrel
