// The high-score file brought to version 0300, and the preference fix that
// follows it.
#include <gtest/gtest.h>

#include <vector>

#include "model/messages.h"
#include "shell/core/high_scores.h"
#include "shell/core/ini_store.h"
#include "shell_fixture.h"

using namespace vantrel;
using vantrel::test::TempFolder;

namespace {
struct RecordingMessages : Messages {
    std::vector<std::string> shown;
    void infoBox(std::string_view t) override { shown.emplace_back(t); }
};
}  // namespace

TEST(HighScores, ScoreLinesArePaddedOrCutTo89AndMarked) {
    EXPECT_EQ(ConvertHighScoreLine("0123"), "0123" + std::string(85, ' ') + " x");
    const std::string longLine = "0" + std::string(120, '9');
    EXPECT_EQ(ConvertHighScoreLine(longLine), longLine.substr(0, 89) + " x");
    EXPECT_EQ(ConvertHighScoreLine("1123"), "1123");
    EXPECT_EQ(ConvertHighScoreLine(""), "");
}

TEST(HighScores, AFileWithoutVersionIsConvertedInPlace) {
    TempFolder dir;
    dir.write("DATA/STAT_SCR.DAT", "[Scores]\r\n0123\r\nName=Ann\r\nVersion=0100\r\n");
    dir.write("DATA/CFG.DAT", "[Preference]\nCards_Animate=S\nConfirmQuit=S\n");
    MinIniStore prefs(dir / "DATA/CFG.DAT");
    RecordingMessages messages;
    ConvertHighScores(dir.path(), prefs, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dir.read("DATA/STAT_SCR.DAT"),
              "[Version]\nVersion=0300\n\n[Scores]\n0123" + std::string(85, ' ') + " x\nName=Ann\n");
    EXPECT_EQ(prefs.getString("Preference", "Cards_Animate", ""), "Y");
    EXPECT_EQ(prefs.getString("Preference", "ConfirmQuit", ""), "Y");
    for (const auto& entry : std::filesystem::directory_iterator(dir / "DATA"))
        EXPECT_FALSE(entry.path().filename().string().starts_with("rpl")) << "temporary file left behind";
}

TEST(HighScores, ACurrentFileIsLeftAloneButThePreferencesAreFixed) {
    TempFolder dir;
    const std::string current = "[Version]\nVersion=0300\n\n0123\n";
    dir.write("DATA/STAT_SCR.DAT", current);
    dir.write("DATA/CFG.DAT", "[Preference]\nCards_Animate=S\nConfirmQuit=N\n");
    MinIniStore prefs(dir / "DATA/CFG.DAT");
    RecordingMessages messages;
    ConvertHighScores(dir.path(), prefs, messages);
    EXPECT_EQ(dir.read("DATA/STAT_SCR.DAT"), current);
    EXPECT_EQ(prefs.getString("Preference", "Cards_Animate", ""), "Y");
    EXPECT_EQ(prefs.getString("Preference", "ConfirmQuit", ""), "N");
}

TEST(HighScores, WithoutTheFileNothingHappensNotEvenThePreferenceFix) {
    TempFolder dir;
    dir.write("DATA/CFG.DAT", "[Preference]\nCards_Animate=S\n");
    MinIniStore prefs(dir / "DATA/CFG.DAT");
    RecordingMessages messages;
    ConvertHighScores(dir.path(), prefs, messages);
    EXPECT_EQ(prefs.getString("Preference", "Cards_Animate", ""), "S");
    EXPECT_TRUE(messages.shown.empty());
}

// A copy that cannot be written whole (here the process may not grow a
// file past 300 bytes, as on a full disk) is reported and thrown away; the
// old file stays as it was.
TEST(HighScores, ACopyThatCannotBeWrittenLeavesTheOldFile) {
    TempFolder dir;
    std::string scores;
    for (int i = 0; i < 20; ++i) scores += "0" + std::to_string(100 + i) + "\n";
    dir.write("DATA/STAT_SCR.DAT", scores);
    const int status = test::withFileSizeLimit(300, [&] {
        MinIniStore prefs(dir / "DATA/CFG.DAT");
        RecordingMessages messages;
        ConvertHighScores(dir.path(), prefs, messages);
        return messages.shown == std::vector<std::string>{"Error creating temp file."} ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "the failure was not reported";
    EXPECT_EQ(dir.read("DATA/STAT_SCR.DAT"), scores);
    for (const auto& entry : std::filesystem::directory_iterator(dir / "DATA"))
        EXPECT_FALSE(entry.path().filename().string().starts_with("rpl")) << "temporary file left behind";
}
