// The preference loader: defaults of an empty file, its repairs, the
// players written once, the stored game checked against the game list,
// and the housekeeping of the program folder.
#include <gtest/gtest.h>

#include <vector>

#include "model/card_settings.h"
#include "model/catalogue.h"
#include "model/game.h"
#include "shell/core/advice.h"
#include "shell/core/ini_store.h"
#include "shell/core/preference_loader.h"
#include "shell_fixture.h"

using namespace vantrel;
using vantrel::test::TempFolder;

namespace {

struct RecordingAdvice : AdviceDialog {
    std::vector<std::string> shown;
    bool check = false;
    bool run(std::string_view text, AdvicePage) override {
        shown.emplace_back(text);
        return check;
    }
};

struct FakeHost : PreferenceHost {
    bool lowColour = false;
    bool large = true, flat = false, time = false, score = false, autoplay = false, statusBar = true;
    int prepared = 0, pictureLoads = 0;
    std::vector<std::string> required, errors, infos;
    RecordingAdvice advice;

    void prepareWindow() override { ++prepared; }
    void applyToolbarLarge(bool v) override { large = v; }
    void applyToolbarFlat(bool v) override { flat = v; }
    bool lowColourDisplay() const override { return lowColour; }
    AdviceDialog& adviceDialog() override { return advice; }
    void applyShowTime(bool v) override { time = v; }
    void applyShowScore(bool v) override { score = v; }
    void setAutoplay(bool v) override { autoplay = v; }
    void showStatusBar(bool v) override { statusBar = v; }
    bool requireFile(const std::string& path) override {
        required.push_back(path);
        return std::filesystem::exists(path);
    }
    void errorBox(std::string_view t) override { errors.emplace_back(t); }
    void infoBox(std::string_view t) override { infos.emplace_back(t); }
    void loadCardPictures() override { ++pictureLoads; }
};

class PreferenceLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("GAMES.DAT", test::smallGamesFile());
        game.state.StateInit(dir.path());
    }
    bool load(const std::string& cfg) {
        dir.write("DATA/CFG.DAT", cfg);
        MinIniStore ini(dir / "DATA/CFG.DAT");
        return LoadPreferences(game, catalogue, ini, host);
    }
    std::string st(Field f) const { return game.state.read(f); }

    TempFolder dir;
    Game game;
    Catalogue catalogue;
    FakeHost host;
};

}  // namespace

TEST_F(PreferenceLoaderTest, AnEmptyFileGivesEveryDefaultAndWritesTheThreePlayers) {
    ASSERT_TRUE(load(""));
    const std::pair<Field, const char*> expected[] = {
        {field::Show_ToolTips, "Y"}, {field::Back_Card, "011"},   {field::Card, "001"},
        {field::Card_Size, "B"},     {field::Background_bmp, "0"}, {field::Background_Fixed_Col, "32768"},
        {field::Background_Col, "-2147483633"}, {field::Background_def, "N"}, {field::Fade_Background, "Y"},
        {field::Customized_Background, "N"}, {field::Game, "0001"}, {field::Game_name, "FreeCell"},
        {field::Show_Time, "Y"},     {field::Show_Score, "Y"},    {field::Cards_Animate, "Y"},
        {field::Cards_Shadowed, "Y"}, {field::Piles_TT, "N"},     {field::Automatic_FaceUp, "N"},
        {field::Deal_Animation, "Y"}, {field::Redeal_Animation, "Y"}, {field::Language, "20000"},
        {field::Speed_Move_Card, "10"}, {field::StatusBar, "N"},  {field::UserDefault, "Player 1"},
        {field::Winning_Animation, "Y"}, {field::ConfirmQuitGame, "Y"}, {field::Sounds_Enabled, "Y"},
        {field::Sounds_Tableau, "Y"}, {field::Sounds_About, "Y"}, {field::Scoring_System, "01"},
        {field::Cursor_Base, "0"},
    };
    for (const auto& [f, value] : expected) EXPECT_EQ(st(f), value) << "field at " << f.pos;

    EXPECT_FALSE(host.large);
    EXPECT_TRUE(host.flat);
    EXPECT_TRUE(host.time && host.score && host.autoplay);
    EXPECT_FALSE(host.statusBar);
    EXPECT_EQ(cardShadowDepth(game.state), 9);
    EXPECT_EQ(host.prepared, 1);
    EXPECT_EQ(host.pictureLoads, 1);
    EXPECT_TRUE(host.advice.shown.empty());
    EXPECT_EQ(catalogue.gameList.size(), 2u);
    EXPECT_EQ(game.noticeState, NoticeAfterStartup);

    MinIniStore ini(dir / "DATA/CFG.DAT");
    EXPECT_EQ(ini.getString("Preference", "UserDefault", ""), "Player 1");
    EXPECT_EQ(ini.getString("Users", "User001", ""), "Player 1");
    EXPECT_EQ(ini.getString("Users", "User002", ""), "Player 2");
    EXPECT_EQ(ini.getString("Users", "User003", ""), "Player 3");
}

TEST_F(PreferenceLoaderTest, StoredValuesAndTheirRepairs) {
    struct Case {
        const char* cfg;
        Field field;
        const char* expected;
    };
    const Case cases[] = {
        {"Card_Size=M\nBack_Card=14\n", field::Back_Card, "006"},
        {"Card_Size=M\nBack_Card=14\n", field::Card_Size, "M"},
        {"Back_Card=14\n", field::Back_Card, "014"},
        {"Back_Card=0\n", field::Back_Card, "001"},
        {"Back_Card=-3\n", field::Back_Card, "011"},
        {"Back_Card=12345\n", field::Back_Card, "011"},
        {"Card_Size=Q\n", field::Card_Size, "B"},
        {"Automatic_FaceUp=Y\n", field::Automatic_FaceUp, "N"},
        {"Background_Col=0\n", field::Background_Col, "-2147483633"},
        {"Background_Col=255\n", field::Background_Col, "255"},
        {"Background_bmp=\n", field::Background_bmp, "0"},
        {"Background_bmp=12\n", field::Background_bmp, "12"},
        {"Background_bmp=junk\n", field::Background_bmp, "0"},
        {"Customized_Background=/home/me/table.bmp\n", field::Customized_Background, "Y"},
        {"Cards_Animate=N\n", field::Cards_Shadowed, "N"},
        {"Cards_Animate=N\nCards_Shadowed=Y\n", field::Cards_Shadowed, "Y"},
        {"Show_Time=maybe\n", field::Show_Time, "Y"},
        {"Speed_Move_Card=250\n", field::Speed_Move_Card, "10"},
        {"Game=0\n", field::Game, "0000"},
        {"Game=abc\n", field::Game, "0001"},
        {"UserDefault=Eve\n", field::UserDefault, "Eve"},
    };
    for (const Case& c : cases) {
        game = Game();
        game.state.StateInit(dir.path());
        ASSERT_TRUE(load(std::string("[Preference]\n") + c.cfg)) << c.cfg;
        EXPECT_EQ(st(c.field), c.expected) << c.cfg;
    }
}

TEST_F(PreferenceLoaderTest, AStoredGameMissingFromTheListBecomesMinusOneWithNoName) {
    ASSERT_TRUE(load("[Preference]\nGame=57\nGame_name=Gone\n"));
    EXPECT_EQ(st(field::Game), "-001");
    EXPECT_EQ(game.gameNumber(), -1);
    EXPECT_EQ(st(field::Game_name), "");
}

TEST_F(PreferenceLoaderTest, ANamedPlayerIsKeptAndNoPlayersAreWritten) {
    ASSERT_TRUE(load("[Preference]\nUserDefault=Eve\nAutoPlay=N\nStatusBar=Y\nShow_Score=N\nCards_Shadowed=N\n"));
    EXPECT_EQ(dir.read("DATA/CFG.DAT").find("User001"), std::string::npos);
    EXPECT_FALSE(host.autoplay);
    EXPECT_TRUE(host.statusBar);
    EXPECT_FALSE(host.score);
    EXPECT_EQ(cardShadowDepth(game.state), 0);
}

TEST_F(PreferenceLoaderTest, LowColourDisplaysGetTheAdviceOnceAndTheSmallerCardSet) {
    host.lowColour = true;
    host.advice.check = true;
    ASSERT_TRUE(load(""));
    ASSERT_EQ(host.advice.shown.size(), 1u);
    EXPECT_NE(host.advice.shown[0].find("256 colors or less"), std::string::npos);
    EXPECT_EQ(st(field::Card), "003");
    MinIniStore ini(dir / "DATA/CFG.DAT");
    EXPECT_EQ(ini.getString("Show_Messages", "Screen_Under_256_Colors", ""), "N");

    game = Game();
    game.state.StateInit(dir.path());
    MinIniStore again(dir / "DATA/CFG.DAT");
    ASSERT_TRUE(LoadPreferences(game, catalogue, again, host));
    EXPECT_EQ(host.advice.shown.size(), 1u);
}

TEST_F(PreferenceLoaderTest, WithoutTheGameFileTheLoaderStopsAfterRequiringIt) {
    std::filesystem::remove(dir / "GAMES.DAT");
    EXPECT_FALSE(load(""));
    ASSERT_EQ(host.required.size(), 1u);
    EXPECT_EQ(host.required[0], dir / "GAMES.DAT");
    EXPECT_EQ(host.pictureLoads, 0);
    EXPECT_FALSE(dir.exists("QUILV0380.DAT"));
}

TEST_F(PreferenceLoaderTest, BadGameLinesAreReportedByFileAndLine) {
    dir.write("GAMES.DAT", "[Sect1]\n" + test::gameListLine(1, "FreeCell") + "short\n");
    ASSERT_TRUE(load(""));
    ASSERT_EQ(host.infos.size(), 1u);
    EXPECT_NE(host.infos[0].find("GAMES.DAT line 3"), std::string::npos) << host.infos[0];
}

TEST_F(PreferenceLoaderTest, CreatesTheDataFolderAndRunsWithDefaultsWhenItCannotBeCreated) {
    std::filesystem::remove_all(dir / "DATA");
    MinIniStore created(dir / "DATA/CFG.DAT");
    ASSERT_TRUE(LoadPreferences(game, catalogue, created, host));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "DATA"));

    TempFolder blocked;
    blocked.write("GAMES.DAT", test::smallGamesFile());
    blocked.write("DATA", "a file, so no folder can be made");
    Game g;
    g.state.StateInit(blocked.path());
    MinIniStore ini(blocked / "DATA/CFG.DAT");
    ASSERT_TRUE(LoadPreferences(g, catalogue, ini, host));
    EXPECT_EQ(g.state.read(field::UserDefault), "Player 1");
    EXPECT_EQ(g.state.read(field::Game_name), "FreeCell");
    EXPECT_EQ(blocked.read("DATA"), "a file, so no folder can be made");
}

TEST_F(PreferenceLoaderTest, WritesTheVersionMarkerAndRemovesFilesOfEarlierReleases) {
    dir.write("QUILV0370.DAT", "old");
    dir.write("quilv0150.dat", "old");
    dir.write("Images/Game0000.bmp", "old");
    dir.write("Images/GAME0042.BMP", "old");
    dir.write("Images/GAME0101.BMP", "not in the list");
    dir.write("Images/CB001C.BMP", "old");
    dir.write("Images/CL003S.BMP", "old");
    dir.write("Images/WM003.BMP", "kept: the WB group's first file is absent");
    dir.write("PALLMORE.DLL", "old");
    dir.write("Images/D B011.bmp", "a card back");
    ASSERT_TRUE(load(""));
    EXPECT_EQ(dir.read("QUILV0380.DAT"), "Pallmore version: 03.80\n");
    for (const char* gone : {"QUILV0370.DAT", "quilv0150.dat", "Images/Game0000.bmp", "Images/GAME0042.BMP",
                             "Images/CB001C.BMP", "Images/CL003S.BMP", "PALLMORE.DLL"})
        EXPECT_FALSE(dir.exists(gone)) << gone;
    for (const char* kept : {"Images/GAME0101.BMP", "Images/WM003.BMP", "Images/D B011.bmp"})
        EXPECT_TRUE(dir.exists(kept)) << kept;

    dir.write("QUILV0380.DAT", "left as it is");
    game = Game();
    game.state.StateInit(dir.path());
    ASSERT_TRUE(load(""));
    EXPECT_EQ(dir.read("QUILV0380.DAT"), "left as it is");
}

TEST_F(PreferenceLoaderTest, AReadOnlyFileIsReadAndLeftExactlyAsItWas) {
    const std::string stored = "[Preference]\nGame=0\nGame_name=Alpha\nCard_Size=M\n";
    dir.write("DATA/CFG.DAT", stored);
    std::filesystem::permissions(dir / "DATA/CFG.DAT", std::filesystem::perms::owner_read);
    MinIniStore ini(dir / "DATA/CFG.DAT");
    ASSERT_TRUE(LoadPreferences(game, catalogue, ini, host));
    EXPECT_EQ(st(field::Game_name), "Alpha");
    EXPECT_EQ(st(field::Back_Card), "006");
    EXPECT_EQ(st(field::UserDefault), "Player 1");  // in the state record, not in the file
    EXPECT_EQ(dir.read("DATA/CFG.DAT"), stored);
}

TEST_F(PreferenceLoaderTest, AGameFileWithNoUsableGamesEndsTheProgramWithItsPath) {
    for (const std::string& content : {std::string(), std::string("\x01\xfe random bytes\n[Sect1]\nzz\n", 28)}) {
        dir.write("GAMES.DAT", content);
        host.errors.clear();
        EXPECT_FALSE(load(""));
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_EQ(host.errors[0].rfind("GAMES.DAT holds no games:\r" + dir / "GAMES.DAT" + "\r", 0), 0u)
            << host.errors[0];
        EXPECT_EQ(host.pictureLoads, 0);
    }
}

TEST_F(PreferenceLoaderTest, TheStoredGameIsNamedAsTheListNamesIt) {
    for (const auto& [cfg, name] : {std::pair{"Game=0\n", "Alpha"}, {"Game=1\nGame_name=Made Up\n", "FreeCell"},
                                    {"Game=-1\nGame_name=Made Up\n", ""}}) {
        game = Game();
        game.state.StateInit(dir.path());
        ASSERT_TRUE(load(std::string("[Preference]\n") + cfg));
        EXPECT_EQ(st(field::Game_name), name) << cfg;
    }
}

TEST_F(PreferenceLoaderTest, LeftoverTemporariesOfKilledWritesAreRemovedAndNothingElse) {
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5);
    auto put = [&](const std::string& name, bool stale) {
        dir.write("DATA/" + name, "[Preference]\n");
        if (stale) std::filesystem::last_write_time(dir / ("DATA/" + name), old);
    };
    for (const char* gone : {"CFG.DAT.a1B2c3", "CFG.DAT.XXXXXX"}) put(gone, true);
    for (const char* kept : {"CFG.DAT.a1B2c", "CFG.DAT.a1B2c3d", "CFG.DAT.a1-2c3", "CFG.DAT.bak", "GAMES.DAT.a1B2c3",
                             "cfg.dat.a1B2c3", "CFG.DAT~"})
        put(kept, true);
    put("CFG.DAT.Fresh1", false);  // a write of another running copy may still own it
    std::filesystem::create_directory(dir / "DATA/CFG.DAT.Folder");
    std::filesystem::create_symlink("CFG.DAT", dir / "DATA/CFG.DAT.Linked");
    ASSERT_TRUE(load("[Preference]\nUserDefault=Eve\n"));
    for (const char* gone : {"CFG.DAT.a1B2c3", "CFG.DAT.XXXXXX"}) EXPECT_FALSE(dir.exists("DATA/" + std::string(gone))) << gone;
    for (const char* kept : {"CFG.DAT.a1B2c", "CFG.DAT.a1B2c3d", "CFG.DAT.a1-2c3", "CFG.DAT.bak", "GAMES.DAT.a1B2c3",
                             "cfg.dat.a1B2c3", "CFG.DAT~", "CFG.DAT.Fresh1", "CFG.DAT.Folder", "CFG.DAT.Linked", "CFG.DAT"})
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(dir / ("DATA/" + std::string(kept))))) << kept;
}
