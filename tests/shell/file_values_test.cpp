// Single values read from files: a section of a text file, and cells of the
// game parameter grid.
#include <gtest/gtest.h>

#include "model/game.h"
#include "shell/core/advice.h"
#include "shell/core/file_values.h"
#include "shell/core/ini_store.h"
#include "shell/core/pile_queries.h"
#include "shell_fixture.h"

using namespace vantrel;
using vantrel::test::TempFolder;

TEST(ReadFileSection, TakesKeysOfItsSectionOnlyAndKeepsDefaults) {
    TempFolder dir;
    dir.write("f.txt", "[Other]\nA=other\n[Sect]\r\nA=1=2\r\nBee=x\r\n[Next]\nC=late\n");
    const SectionValues v = ReadFileSection(dir / "f.txt", "Sect", {"A", "C"}, {"da", "dc"});
    EXPECT_EQ(v.values, (std::vector<std::string>{"1=2", "dc"}));
    EXPECT_FALSE(v.allFound);
    const SectionValues both = ReadFileSection(dir / "f.txt", "Sect", {"A", "Bee"}, {"", ""});
    EXPECT_EQ(both.values, (std::vector<std::string>{"1=2", "x"}));
    EXPECT_TRUE(both.allFound);
    const SectionValues none = ReadFileSection(dir / "missing.txt", "Sect", {"A"}, {"da"});
    EXPECT_EQ(none.values, std::vector<std::string>{"da"});
    EXPECT_FALSE(none.allFound);
}

TEST(ReadGameValues, ReadsRequestedCellsAfreshAndLeavesTheRestAtMinus99) {
    TempFolder dir;
    dir.write("GAMES.DAT", test::smallGamesFile());
    const std::string path = dir / "GAMES.DAT";
    const std::array<int, 9> none{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<int, 9> asked = none;
    asked[0] = 2;
    asked[3] = 0;
    asked[8] = 400;  // no such row
    std::array<int, 9> expected;
    expected.fill(ValueNotRead);
    expected[0] = -5;
    expected[3] = 10;
    EXPECT_EQ(ReadGameValues(path, 0, asked), expected);
    expected[0] = 22;
    expected[3] = 20;
    EXPECT_EQ(ReadGameValues(path, 1, asked), expected);

    dir.write("GAMES.DAT", "[Sect2]\n" + test::parameterRow(0, {77, 78}));  // read from disk each time
    expected.fill(ValueNotRead);
    expected[0] = 0;  // no row: 0 for every game
    expected[3] = 78;
    EXPECT_EQ(ReadGameValues(path, 1, asked), expected);
    expected[3] = ValueNotRead;
    EXPECT_EQ(ReadGameValues(path, 5, asked), expected);  // no cell for that game
    expected[0] = ValueNotRead;
    EXPECT_EQ(ReadGameValues(dir / "none.dat", 0, asked), expected);
}

TEST(ReadGameValues, FindsEachRowByItsParameterNumberAsTheGameCompilerWritesThem) {
    TempFolder dir;
    // Only the rows that are not 0 for every game, in any order.
    dir.write("GAMES.DAT", "[Sect1]\n[Sect2]\n" + test::parameterRow(345, {5, 6}) + test::parameterRow(13, {-1, 3}));
    std::array<int, 9> asked{13, 340, 345, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(ReadGameValues(dir / "GAMES.DAT", 1, asked),
              (std::array<int, 9>{3, 0, 6, ValueNotRead, ValueNotRead, ValueNotRead, ValueNotRead, ValueNotRead,
                                  ValueNotRead}));
}

TEST(PileQueries, CodeInPileTextLooksAtWholeCodesOnly) {
    EXPECT_TRUE(codeInPileText("013", "001013104"));
    EXPECT_TRUE(codeInPileText("104", "001013104"));
    EXPECT_FALSE(codeInPileText("130", "001013104"));  // straddles two codes
    EXPECT_FALSE(codeInPileText("013", ""));
    EXPECT_FALSE(codeInPileText("13", "001013"));
}

TEST(PileQueries, LongestTableauPileCountsOnlyRowsInUse) {
    Game g;
    g.params.set(262, 2);
    g.piles.tableau[0] = "001002";
    g.piles.tableau[1] = "003004005";
    g.piles.tableau[2] = "006007008009";  // beyond the rows in use
    EXPECT_EQ(longestTableauPile(g), 3);
    g.params.set(262, 0);
    EXPECT_EQ(longestTableauPile(g), 0);
}

namespace {
struct CountingAdvice : AdviceDialog {
    int runs = 0;
    bool check = false;
    bool run(std::string_view, AdvicePage) override {
        ++runs;
        return check;
    }
};
}  // namespace

TEST(ShowAdvice, ShownUntilTheBoxIsCheckedThenNeverAgain) {
    TempFolder dir;
    MinIniStore ini(dir / "CFG.DAT");
    CountingAdvice dialog;
    ShowAdvice(ini, dialog, "text", "Some_Key", AdvicePage::Color);
    ShowAdvice(ini, dialog, "text", "Some_Key", AdvicePage::Color);
    EXPECT_EQ(dialog.runs, 2);
    EXPECT_EQ(ini.getString("Show_Messages", "Some_Key", "none"), "none");
    dialog.check = true;
    ShowAdvice(ini, dialog, "text", "Some_Key", AdvicePage::Color);
    EXPECT_EQ(ini.getString("Show_Messages", "Some_Key", ""), "N");
    ShowAdvice(ini, dialog, "text", "Some_Key", AdvicePage::Color);
    EXPECT_EQ(dialog.runs, 3);
}
