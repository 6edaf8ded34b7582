// Reading GAMES.DAT: sections, the character substitution, the game list,
// parameters by game column, and every kind of damaged file.
#include <gtest/gtest.h>

#include "model/games_file.h"

using namespace vantrel;

namespace {

std::string gameLine(int type, int number, char edition, const std::string& name) {
    char head[16];
    std::snprintf(head, sizeof head, "%03d %03d%c  ", type, number, edition);
    std::string plain = head + name;
    plain.resize(60, ' ');
    return scramble(plain);
}

// A parameter row with the given cell texts for games 0, 1, 2 ...
std::string paramRow(int number, const std::vector<std::string>& cells) {
    char head[20];
    std::snprintf(head, sizeof head, "%4d%-12s", number, "label");
    std::string line = head;
    for (const auto& c : cells) {
        std::string cell = c;
        cell.resize(10, ' ');
        line += scramble(cell) + "|";
    }
    return line;
}

GamesFile fileOf(const std::string& text) {
    GamesFile f;
    f.parse(text);
    return f;
}

}  // namespace

TEST(GamesFile, SubstitutionIsItsOwnInverseOverTheStoredRange) {
    for (int p = 32; p <= 207; ++p)
        EXPECT_EQ(unscrambleChar(scrambleChar(static_cast<unsigned char>(p))), p);
    EXPECT_EQ(unscramble("a"), "1");   // 97 -> 49
    EXPECT_EQ(unscramble("\x01"), "1");  // below 80: +48
}

TEST(GamesFile, GameListSkipsOtherEditionsAndMergesRepeatedHeaders) {
    const std::string text = "[Sect1]\r\n" + gameLine(4, 0, '0', "Zero") + "\r\n" +
                             gameLine(4, 1, '1', "Other Edition") + "\r\n[Sect2]\r\n" + paramRow(262, {"8"}) +
                             "\r\n[Sect1]\r\n" + gameLine(5, 2, '0', "Klondike   ") + "\r\n";
    const auto list = fileOf(text).LoadGameList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "Zero");
    EXPECT_EQ(list[1].name, "Klondike");
    EXPECT_EQ(list[1].typeCode, 5);
    EXPECT_EQ(list[1].number, 2);
}

TEST(GamesFile, NameByNumberTriesTheIndexThenSearches) {
    std::vector<GameListEntry> list(3);
    list[0].number = 0, list[0].name = "A";
    list[1].number = 7, list[1].name = "B";
    list[2].number = 2, list[2].name = "C";
    EXPECT_EQ(gameNameByNumber(list, 0), "A");
    EXPECT_EQ(gameNameByNumber(list, 2), "C");  // index 2 holds 2
    EXPECT_EQ(gameNameByNumber(list, 7), "B");  // found by the search
    EXPECT_EQ(gameNameByNumber(list, 1), "");
    EXPECT_EQ(gameNameByNumber(list, -1), "");
    list[0].number = 8000;
    EXPECT_EQ(gameNameByNumber(list, 8000), "");
}

TEST(GamesFile, ParametersComeFromTheGamesColumnLaterRowsWinAndTruncateTo16Bits) {
    const std::string text = "[Sect2]\n" + paramRow(262, {"1", "2", "3", "4", "5", "8"}) + "\n" +
                             paramRow(36, {"0", "1", "0", "0", "0", "0"}) + "\n" +
                             paramRow(36, {"0", "-5", "0", "0", "0", "0"}) + "\n" +
                             paramRow(100, {"0", "70000", "0", "0", "0", "0"}) + "\n" +
                             paramRow(101, {"0", "  -32768", "0", "0", "0", "0"}) + "\n";
    const GamesFile f = fileOf(text);
    GameParams p;
    std::string error;
    ASSERT_TRUE(f.LoadGameParameters(5, p, error)) << error;
    EXPECT_EQ(p[262], 8);
    ASSERT_TRUE(f.LoadGameParameters(1, p, error)) << error;
    EXPECT_EQ(p[262], 2);
    EXPECT_EQ(p[36], -5);
    EXPECT_EQ(p[100], static_cast<int16_t>(70000 & 0xFFFF));
    EXPECT_EQ(p[101], -32768);
    EXPECT_EQ(p[200], 0);
    // The saved copy restores the ranges a deal rewrites.
    p.set(36, 9);
    p.set(100, 9);
    p.set(262, 9);
    p.RestoreGameParameters();
    EXPECT_EQ(p[36], -5);
    EXPECT_EQ(p[100], static_cast<int16_t>(70000 & 0xFFFF));
    EXPECT_EQ(p[262], 9);
}

TEST(GamesFile, BadCellRefusesTheWholeLoadAndKeepsThePreviousGame) {
    const std::string text = "[Sect2]\n" + paramRow(261, {"4", "4"}) + "\n" + paramRow(262, {"8", "x7"}) + "\n";
    const GamesFile f = fileOf(text);
    GameParams p;
    std::string error;
    ASSERT_TRUE(f.LoadGameParameters(0, p, error));
    EXPECT_FALSE(f.LoadGameParameters(1, p, error));
    EXPECT_EQ(error, "'x7' is not a valid integer value (parameter 262, game 1, GAMES.DAT line 3)");
    EXPECT_EQ(p[262], 8);  // game 0 is still loaded
    EXPECT_EQ(p[261], 4);
}

TEST(GamesFile, DamagedFilesAreReportedNeverReadPastALine) {
    GameParams p;
    std::string error;
    // A row shorter than the game's cell: the value is missing.
    EXPECT_FALSE(fileOf("[Sect2]\n" + paramRow(262, {"8"}) + "\n").LoadGameParameters(3, p, error));
    EXPECT_NE(error.find("'' is not a valid integer value (parameter 262, game 3"), std::string::npos) << error;
    // A cell cut in the middle still reads what is there.
    std::string row = paramRow(262, {"0", "12"});
    row.resize(16 + 11 + 2);
    EXPECT_TRUE(fileOf("[Sect2]\n" + row).LoadGameParameters(1, p, error)) << error;
    EXPECT_EQ(p[262], 12);
    // A parameter number that is not a number, or out of range.
    EXPECT_FALSE(fileOf("[Sect2]\nab  xxxxxxxxxxxx" + scramble("1") + "\n").LoadGameParameters(0, p, error));
    EXPECT_NE(error.find("'ab  ' is not a valid integer value"), std::string::npos) << error;
    EXPECT_FALSE(fileOf("[Sect2]\n" + paramRow(400, {"1"})).LoadGameParameters(0, p, error));
    EXPECT_NE(error.find("outside 0-345"), std::string::npos);
    // Bytes the data tool never writes.
    EXPECT_FALSE(fileOf("[Sect2]\n 262            12        \n").LoadGameParameters(0, p, error));
    // A file without sections offers no game.
    std::vector<std::string> problems;
    EXPECT_TRUE(fileOf("just some text\nwithout headers\n").LoadGameList(&problems).empty());
    EXPECT_TRUE(fileOf("").empty());
    // Short or unscrambled game lines are skipped with a report.
    const auto list = fileOf("[Sect1]\n" + scramble("004 0") + "\n004 001 0  Plain\n" + gameLine(4, 1, '0', "Ok") + "\n")
                          .LoadGameList(&problems);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "Ok");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("line 2: game line too short"), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("line 3"), std::string::npos) << problems[1];
}

TEST(GamesFile, MissingFileIsAnErrorNotACrash) {
    GamesFile f;
    std::string error;
    EXPECT_FALSE(f.load("/nonexistent/folder/GAMES.DAT", error));
    EXPECT_NE(error.find("/nonexistent/folder/GAMES.DAT"), std::string::npos);
}
