// Names written for a case-blind file system find the files that exist,
// whatever their case; new names keep the spelling given.
#include <gtest/gtest.h>

#include "model/state_record.h"
#include "shell/core/path_helper.h"
#include "shell_fixture.h"

using namespace vantrel;
using vantrel::test::TempFolder;

TEST(PathHelper, MatchesEveryComponentIgnoringCase) {
    TempFolder dir;
    dir.write("data/Cfg.dat", "x");
    dir.write("Images/D B011.bmp", "x");
    dir.write("images2/game0000.bmp", "x");
    struct Case {
        const char* relative;
        const char* expected;
    };
    const Case cases[] = {
        {"DATA\\CFG.DAT", "data/Cfg.dat"},
        {"data/cfg.DAT", "data/Cfg.dat"},
        {"IMAGES\\d b011.BMP", "Images/D B011.bmp"},
        {"Images\\", "Images/"},
        {"IMAGES2\\GAME0000.BMP", "images2/game0000.bmp"},
        // Missing parts keep the spelling given, below a missing folder too.
        {"DATA\\STAT_SCR.DAT", "data/STAT_SCR.DAT"},
        {"NEWDIR\\Data\\CFG.DAT", "NEWDIR/Data/CFG.DAT"},
        {"QUILV0380.DAT", "QUILV0380.DAT"},
    };
    for (const Case& c : cases) EXPECT_EQ(resolvePath(dir.path(), c.relative), dir / c.expected) << c.relative;
}

TEST(PathHelper, PrefersTheExactSpellingWhenTwoNamesDifferOnlyInCase) {
    TempFolder dir;
    dir.write("games.dat", "a");
    dir.write("GAMES.DAT", "b");
    dir.write("Games.Dat", "c");
    EXPECT_EQ(resolvePath(dir.path(), "GAMES.DAT"), dir / "GAMES.DAT");
    EXPECT_EQ(resolvePath(dir.path(), "gAMES.dAT"), dir / "GAMES.DAT");  // first in name order
}

TEST(PathHelper, AbsoluteNamesAndFoldersWithoutTrailingSeparator) {
    TempFolder dir;
    dir.write("Sub/File.txt", "x");
    const std::string withoutSlash = dir.path().substr(0, dir.path().size() - 1);
    EXPECT_EQ(resolvePath(withoutSlash, "sub\\file.TXT"), dir / "Sub/File.txt");
    EXPECT_EQ(resolvePath("/nowhere/", dir.path() + "SUB/FILE.TXT"), dir / "Sub/File.txt");
}

TEST(PathHelper, ProgramPathStartsAtTheProgramFolder) {
    TempFolder dir;
    dir.write("GAMES.dat", "x");
    StateRecord st;
    st.StateInit(dir.path());
    EXPECT_EQ(programPath(st, "games.dat"), dir / "GAMES.dat");
    EXPECT_EQ(programPath(st, st.read(field::Config_File)), dir / "DATA/CFG.DAT");
}

TEST(PathHelper, ExecutableFolderEndsWithASeparatorAndExists) {
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}
