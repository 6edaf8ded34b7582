// Writes of the preference file that must never lose or mix settings:
// keys that belong together in one replace, a file behind a symbolic link.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/core/ini_store.h"
#include "shell/core/window_placement.h"
#include "shell_fixture.h"

using namespace vantrel;
using vantrel::test::TempFolder;
namespace fs = std::filesystem;

namespace {

// The preference file of a program that is killed after its first write.
class KilledAfterOneWrite : public IniStore {
public:
    explicit KilledAfterOneWrite(MinIniStore& file) : file_(file) {}
    std::string getString(std::string_view s, std::string_view k, std::string_view d) const override {
        return file_.getString(s, k, d);
    }
    bool putString(std::string_view s, std::string_view k, std::string_view v) override {
        return writes_++ == 0 && file_.putString(s, k, v);
    }
    bool putStrings(std::string_view s, const Values& values) override {
        return writes_++ == 0 && file_.putStrings(s, values);
    }

private:
    MinIniStore& file_;
    int writes_ = 0;
};

}  // namespace

TEST(IniSafety, APlacementIsStoredWholeOrNotAtAll) {
    TempFolder dir;
    MinIniStore file(dir / "CFG.DAT");
    SavePlacement(file, {10, 20, 300, 400, false});
    KilledAfterOneWrite killed(file);
    SavePlacement(killed, {100, 80, 700, 500, false});
    EXPECT_EQ(ReadPlacement(file, 1280, 1024), (WindowPlacement{100, 80, 700, 500, false}));
}

TEST(IniSafety, ALinkedPreferenceFileIsWrittenThroughToItsTarget) {
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> make;  // makes DATA/CFG.DAT a link
        const char* target;                           // where the values must land
    };
    const Case cases[] = {
        {"relative link", [](const TempFolder& d) { fs::create_symlink("../real/cfg.ini", d / "DATA/CFG.DAT"); },
         "real/cfg.ini"},
        {"absolute link", [](const TempFolder& d) { fs::create_symlink(d / "real/cfg.ini", d / "DATA/CFG.DAT"); },
         "real/cfg.ini"},
        {"link to a link",
         [](const TempFolder& d) {
             fs::create_symlink("cfg.ini", d / "real/middle");
             fs::create_symlink(d / "real/middle", d / "DATA/CFG.DAT");
         },
         "real/cfg.ini"},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        dir.write("real/cfg.ini", "; mine\n[Preference]\nShow_Time=N\n");
        fs::create_directories(dir / "DATA");
        c.make(dir);
        MinIniStore ini(dir / "DATA/CFG.DAT");
        ASSERT_TRUE(ini.putString("Preference", "Show_Score", "N")) << c.name;
        ASSERT_TRUE(ini.putStrings("Preference", {{"Show_Time", "Y"}, {"AutoPlay", "N"}})) << c.name;
        EXPECT_TRUE(fs::is_symlink(dir / "DATA/CFG.DAT")) << c.name;
        EXPECT_EQ(dir.read(c.target), "; mine\n[Preference]\nShow_Time=Y\nShow_Score=N\nAutoPlay=N\n") << c.name;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "DATA"), fs::directory_iterator()), 1) << c.name;
    }

    TempFolder dangling;
    fs::create_directories(dangling / "DATA");
    fs::create_symlink("elsewhere.ini", dangling / "DATA/CFG.DAT");
    MinIniStore ini(dangling / "DATA/CFG.DAT");
    ASSERT_TRUE(ini.putString("Preference", "Game", "3"));
    EXPECT_TRUE(fs::is_symlink(dangling / "DATA/CFG.DAT"));
    EXPECT_EQ(dangling.read("DATA/elsewhere.ini"), "[Preference]\nGame=3\n");
}
