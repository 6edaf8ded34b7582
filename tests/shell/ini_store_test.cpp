// The preference file store: case-blind keys, integers as the platform
// reads them, and writes that never damage what is stored.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "shell/core/ini_store.h"
#include "shell/core/ini_writer.h"
#include "shell_fixture.h"

using namespace vantrel;
using vantrel::test::TempFolder;

TEST(IniStore, KeysAndSectionsMatchIgnoringCaseAndMissingOnesGiveTheDefault) {
    TempFolder dir;
    dir.write("CFG.DAT", "[preference]\nshow_time=N\nGame=12\n");
    MinIniStore ini(dir / "CFG.DAT");
    EXPECT_EQ(ini.getString("Preference", "Show_Time", "Y"), "N");
    EXPECT_EQ(ini.getInt("PREFERENCE", "GAME", 1), 12);
    EXPECT_EQ(ini.getString("Preference", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.getString("Other", "Show_Time", "Y"), "Y");
    MinIniStore missing(dir / "nothere.dat");
    EXPECT_EQ(missing.getInt("Preference", "Game", 7), 7);
}

TEST(IniStore, IntegersReadTheLeadingNumberElseTheDefault) {
    struct Case {
        const char* text;
        long expected;
    };
    const Case cases[] = {{"42", 42},          {"  -17", -17},        {"+5", 5},
                          {"12abc", 12},       {"abc", 99},           {"", 99},
                          {"-", 99},           {"2147483647", 2147483647L},
                          {"99999999999", 99}, {"-2147483633", -2147483633L}};
    for (const Case& c : cases) {
        long v = 99;
        if (!parseLeadingInt(c.text, v)) v = 99;
        EXPECT_EQ(v, c.expected) << '"' << c.text << '"';
    }
}

TEST(IniStore, WritesOneKeyAndKeepsTheRestOfTheFile) {
    TempFolder dir;
    dir.write("CFG.DAT", "; kept comment\n[Preference]\nA=1\nB=2\n[Users]\nUser001=Ann\n");
    MinIniStore ini(dir / "CFG.DAT");
    ASSERT_TRUE(ini.putString("preference", "b", "two"));
    ASSERT_TRUE(ini.putInt("Users", "Count", 3));
    EXPECT_EQ(ini.getString("Preference", "B", ""), "two");
    EXPECT_EQ(ini.getString("Preference", "A", ""), "1");
    EXPECT_EQ(ini.getString("Users", "User001", ""), "Ann");
    EXPECT_EQ(ini.getInt("Users", "Count", 0), 3);
    EXPECT_NE(dir.read("CFG.DAT").find("; kept comment"), std::string::npos);
}

TEST(IniStore, LineBreaksInAValueCannotAddKeys) {
    TempFolder dir;
    MinIniStore ini(dir / "CFG.DAT");
    ASSERT_TRUE(ini.putString("Preference", "Game_name", "Bad\n[Users]\nUser001=X"));
    EXPECT_EQ(ini.getString("Users", "User001", "none"), "none");
}

TEST(IniStore, AReadOnlyFileIsNeitherChangedNorReplaced) {
    TempFolder dir;
    dir.write("CFG.DAT", "[Preference]\nGame=5\n");
    ::chmod((dir / "CFG.DAT").c_str(), 0444);
    MinIniStore ini(dir / "CFG.DAT");
    EXPECT_FALSE(ini.putString("Preference", "Game", "6"));
    EXPECT_EQ(dir.read("CFG.DAT"), "[Preference]\nGame=5\n");
    struct stat info {};
    ASSERT_EQ(::stat((dir / "CFG.DAT").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
    EXPECT_EQ(ini.getInt("Preference", "Game", 0), 5);
}

TEST(IniStore, AFolderThatIsNotThereFailsTheWriteWithoutCrashing) {
    TempFolder dir;
    dir.write("DATA", "a file where the folder should be");
    MinIniStore ini(dir / "DATA/CFG.DAT");
    EXPECT_FALSE(ini.putString("Preference", "Game", "6"));
    EXPECT_EQ(ini.getString("Preference", "Game", "dflt"), "dflt");
}

TEST(IniStore, GarbledAndBinaryFilesGiveDefaultsAndStayWritable) {
    TempFolder dir;
    std::string junk = "[Preference\n=\n===\nGame\n";
    for (int i = 0; i < 3000; ++i) junk += static_cast<char>((i * 37) % 256);
    junk += "\n[Preference]\n" + std::string(2000, 'k') + "=v\n";
    dir.write("CFG.DAT", junk);
    MinIniStore ini(dir / "CFG.DAT");
    EXPECT_EQ(ini.getInt("Preference", "Game", 1), 1);
    EXPECT_EQ(ini.getString("Preference", "Show_Time", "Y"), "Y");
    ASSERT_TRUE(ini.putString("Preference", "Show_Time", "N"));
    EXPECT_EQ(ini.getString("Preference", "Show_Time", "Y"), "N");
}

// A write that runs out of room (here: the process may not grow a file past
// 200 bytes) must leave the old file whole: the new text goes to a
// temporary file first.
TEST(IniStore, AFailedWriteNeverTruncatesTheFile) {
    TempFolder dir;
    std::string original = "[Preference]\n";
    for (int i = 0; i < 40; ++i) original += "Key" + std::to_string(i) + "=value number " + std::to_string(i) + "\n";
    dir.write("CFG.DAT", original);
    ASSERT_EQ(test::withFileSizeLimit(200, [&] {
                  MinIniStore ini(dir / "CFG.DAT");
                  return ini.putString("Preference", "Key39", std::string(300, 'z')) ? 1 : 0;
              }),
              0)
        << "the write was reported as done";
    const std::string after = dir.read("CFG.DAT");
    EXPECT_TRUE(after == original || after.find(std::string(300, 'z')) != std::string::npos)
        << "the preference file was damaged: " << after.size() << " of " << original.size() << " bytes left";
}

TEST(IniWriter, ChangesOnlyTheKeyLine) {
    struct Case {
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    };
    const Case cases[] = {
        {"", "Preference", "Game", "3", "[Preference]\nGame=3\n"},
        {"[Preference]\nGAME = 1\nB=2\n", "preference", "Game", "3", "[Preference]\nGame=3\nB=2\n"},
        {"[Preference]\nA=1\n\n[Users]\nU=x\n", "Preference", "B", "2", "[Preference]\nA=1\nB=2\n\n[Users]\nU=x\n"},
        {"[Users]\r\nU=x\r\n", "Preference", "B", "2", "[Users]\r\nU=x\r\n\r\n[Preference]\r\nB=2\r\n"},
        {"; note\n[P]\n;B=old\nB=1", "P", "B", "2", "; note\n[P]\n;B=old\nB=2\n"},
        {"[P]\nB=1\n[P]\nB=5\n", "P", "B", "2", "[P]\nB=2\n[P]\nB=5\n"},
        {"[P\nB=1\n", "P", "B", "2", "[P\nB=1\n\n[P]\nB=2\n"},
        {"[P]\nK= a ;b\n", "P", "K", " a ;b", "[P]\nK=\" a ;b\"\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(withIniValue(c.before, c.section, c.key, c.value), c.after) << c.before;
}

TEST(IniWriter, ValuesReadBackAsWritten) {
    TempFolder dir;
    MinIniStore ini(dir / "CFG.DAT");
    for (const char* value : {"Player 1", " leading", "semi;colon", "", "Vantrel [x]"}) {
        ASSERT_TRUE(ini.putString("Preference", "Name", value)) << value;
        EXPECT_EQ(ini.getString("Preference", "Name", "none"), value);
    }
}

TEST(IniWriter, KeysOfSeveralSectionsGoInOneReplace) {
    TempFolder dir;
    dir.write("CFG.DAT", "; mine\n[Preference]\nGame=3\n");
    MinIniStore ini(dir / "CFG.DAT");
    ASSERT_TRUE(ini.putSections({{"Preference", {{"UserDefault", "Player 1"}}},
                                 {"Users", {{"User001", "Player 1"}, {"User002", "Player 2"}}}}));
    EXPECT_EQ(dir.read("CFG.DAT"),
              "; mine\n[Preference]\nGame=3\nUserDefault=Player 1\n\n[Users]\nUser001=Player 1\nUser002=Player 2\n");
}
