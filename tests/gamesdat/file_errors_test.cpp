// gamesdat on paths it cannot use: a clear message naming the path, exit
// status 1 and nothing written, never an abort.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string errors;
};

Outcome gamesdat(const fs::path& dir, const std::string& output, const std::string& source) {
    const fs::path log = dir / "stderr.txt";
    const std::string command = std::string(GAMESDAT) + " '" + output + "' '" + source + "' 2>'" + log.string() + "'";
    const int raw = std::system(command.c_str());
    Outcome r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(log);
    std::ostringstream s;
    s << in.rdbuf();
    r.errors = s.str();
    fs::remove(log);
    return r;
}

}  // namespace

TEST(GamesdatFiles, UnusablePathsAreReportedWithTheirReason) {
    char pattern[] = "/tmp/gamesdat-files-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path dir = pattern;
    const std::string good = std::string(VANTREL_GAMES_SOURCES) + "/001-freecell.game";
    fs::create_directory(dir / "out-folder");
    fs::create_symlink("loop.game", dir / "loop.game");
    fs::create_directories(dir / "sources/folder.game");
    fs::create_directory(dir / "locked");
    fs::permissions(dir / "locked", fs::perms::none);
    const std::string tooLong = (dir / std::string(300, 'x')).string() + ".game";

    struct Case {
        std::string output, source, culprit, reason;
    };
    std::vector<Case> cases = {
        {(dir / "out-folder").string(), good, (dir / "out-folder").string(), "Is a directory"},
        {(dir / "GAMES.DAT").string(), tooLong, tooLong, "File name too long"},
        {(dir / "GAMES.DAT").string(), (dir / "loop.game").string(), (dir / "loop.game").string(),
         "Too many levels of symbolic links"},
        {(dir / "GAMES.DAT").string(), (dir / "sources").string(), (dir / "sources/folder.game").string(),
         "Is a directory"},
    };
    if (::geteuid() != 0)  // permission bits do not stop root
        cases.push_back({(dir / "GAMES.DAT").string(), (dir / "locked").string(), (dir / "locked").string(),
                         "Permission denied"});
    for (const Case& c : cases) {
        const Outcome r = gamesdat(dir, c.output, c.source);
        EXPECT_EQ(r.status, 1) << c.source << "\n" << r.errors;
        EXPECT_NE(r.errors.find("gamesdat: " + c.culprit), std::string::npos) << r.errors;
        EXPECT_NE(r.errors.find(c.reason), std::string::npos) << r.errors;
        EXPECT_FALSE(fs::exists(dir / "GAMES.DAT"));
        EXPECT_FALSE(fs::exists(c.output + ".tmp")) << c.output;
    }
    EXPECT_TRUE(fs::is_directory(dir / "out-folder"));
    fs::remove_all(dir);
}
