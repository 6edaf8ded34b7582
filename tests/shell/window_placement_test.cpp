// Window placement in the preference file: defaults, the round trip of a
// normal window, and a maximized one that keeps the last normal bounds.
#include <gtest/gtest.h>

#include "shell/core/ini_store.h"
#include "shell/core/window_placement.h"
#include "shell_fixture.h"

using namespace vantrel;
using vantrel::test::TempFolder;

TEST(WindowPlacement, NoFileGivesAMaximizedWindowAndNoExitQuestion) {
    TempFolder dir;
    MinIniStore ini(dir / "DATA/CFG.DAT");
    EXPECT_EQ(ReadPlacement(ini, 1280, 1024), (WindowPlacement{50, 50, 1130, 874, true}));
    EXPECT_FALSE(ConfirmQuitWanted(ini));
}

TEST(WindowPlacement, NormalBoundsRoundTripAndMaximizedKeepsThem) {
    TempFolder dir;
    MinIniStore ini(dir / "CFG.DAT");
    SavePlacement(ini, {100, 80, 700, 500, false});
    EXPECT_EQ(ini.getString("Preference", "MainWindowState_Maximized", ""), "N");
    EXPECT_EQ(ReadPlacement(ini, 1280, 1024), (WindowPlacement{100, 80, 700, 500, false}));

    SavePlacement(ini, {0, 0, 1280, 1000, true});
    EXPECT_EQ(ReadPlacement(ini, 1280, 1024), (WindowPlacement{100, 80, 700, 500, true}));
}

TEST(WindowPlacement, ExitQuestionUnlessConfirmQuitIsN) {
    TempFolder dir;
    MinIniStore ini(dir / "CFG.DAT");
    for (const auto& [value, wanted] : {std::pair{"N", false}, {"Y", true}, {"S", true}, {"", true}}) {
        ini.putString("Preference", "ConfirmQuit", value);
        EXPECT_EQ(ConfirmQuitWanted(ini), wanted) << '"' << value << '"';
    }
}

TEST(WindowPlacement, BoundsMostlyOffEveryScreenGiveTheDefaults) {
    const std::vector<ScreenArea> screens = {{0, 0, 1280, 1000}, {1280, 0, 1024, 768}};
    const WindowPlacement defaults{50, 50, 1130, 874, false};
    struct Case {
        WindowPlacement stored;
        bool kept;
    };
    const Case cases[] = {
        {{100, 80, 700, 500, false}, true},
        {{1500, 100, 600, 400, false}, true},        // on the second screen
        {{900, 100, 600, 400, false}, true},         // across both, most of it on the first
        {{-99999999, 50, 700, 500, false}, false},
        {{50, 2000000000, 700, 500, false}, false},
        {{-400, 0, 700, 500, false}, false},         // more than half hangs off the left edge
        {{100, 100, 0, 500, false}, false},
        {{100, 100, 700, -5, false}, false},
        {{0, 0, 2147483647, 2147483647, false}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlacementOnScreens(c.stored, screens, 1280, 1024), c.kept ? c.stored : defaults)
            << c.stored.left << "," << c.stored.top << " " << c.stored.width << "x" << c.stored.height;
    EXPECT_TRUE(PlacementOnScreens({-99999999, 0, 10, 10, true}, screens, 1280, 1024).maximized);
}
