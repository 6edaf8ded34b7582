// Where the program reads its data and writes its files: beside itself in
// the build folder, the prefix's share/vantrel and the user's data folder
// when installed.
#include <gtest/gtest.h>

#include "shell/core/program_folders.h"
#include "shell_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

TEST(ProgramFolders, BuildFolderAndInstalledPrefixFindTheirData) {
    TempFolder dir;
    dir.write("build/GAMES.DAT", "x");
    dir.write("prefix/share/vantrel/games.dat", "x");  // found without regard to case
    dir.write("prefix/bin/.keep", "");
    dir.write("bare/.keep", "");
    struct Case {
        std::string exe;
        const char* xdg;
        const char* home;
        std::string data, user;
    } cases[] = {
        {dir / "build", "/x", "/h", dir / "build/", dir / "build/"},
        {dir / "prefix/bin/", "/x", "/h", dir / "prefix/share/vantrel/", "/x/vantrel/"},
        {dir / "prefix/bin", "relative", "/h", dir / "prefix/share/vantrel/", "/h/.local/share/vantrel/"},
        {dir / "prefix/bin", nullptr, "/h/", dir / "prefix/share/vantrel/", "/h/.local/share/vantrel/"},
        {dir / "bare", "/x", "/h", dir / "bare/", dir / "bare/"},  // the missing GAMES.DAT is reported from here
    };
    for (const Case& c : cases) {
        const ProgramFolders f = FindProgramFolders(c.exe, c.xdg, c.home);
        EXPECT_EQ(f.data, c.data) << c.exe;
        EXPECT_EQ(f.user, c.user) << c.exe;
    }
}
