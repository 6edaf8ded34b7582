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
