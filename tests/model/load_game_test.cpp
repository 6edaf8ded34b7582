// Loading a game: parameters, the reduced card set on narrow screens and its
// one-time notice, and what the window is asked to do.
#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/game.h"
#include "model/load_game.h"
#include "../fixtures/games_dat_text.h"

using namespace vantrel;

namespace {

struct FakeHost : GameLoadHost {
    int width = 1024;
    std::vector<std::string> infos, errors;
    int reloads = 0, layouts = 0, repaints = 0;
    bool customize = true, autoplay = false;
    int screenWidth() const override { return width; }
    void infoBox(std::string_view t) override { infos.emplace_back(t); }
    void errorBox(std::string_view t) override { errors.emplace_back(t); }
    void enableCustomize(bool e) override { customize = e; }
    void reloadCardImages() override { ++reloads; }
    void enableAutoplay(bool e) override { autoplay = e; }
    void computeLayout() override { ++layouts; }
    void repaintTable() override { ++repaints; }
};

using fixtures::parameterRow;
const auto row = parameterRow;

// Game 0 of makeCatalogue: a wide game (parameter 29 = 1); game 1: an ordinary one.
Game makeGame() {
    Game g;
    g.state.StateInit("/tmp/");
    g.state.write(field::Card_Size, "B");
    g.state.write(field::Card, "001");
    g.state.write(field::Back_Card, "011");
    g.state.write(field::Game_name, "Wide One");
    g.noticeState = NoticePending;
    return g;
}

Catalogue makeCatalogue() {
    Catalogue c;
    c.gamesFile.parse("[Sect1]\n" + fixtures::gameListLine(0, "Wide One") + fixtures::gameListLine(1, "Ordinary") +
                      fixtures::gameListLine(2, "No Column") + "[Sect2]\n" + row(29, {1, 0}) + row(17, {0, 1}) +
                      row(262, {10, 7}) + row(36, {1, 13}));
    c.gameList = c.gamesFile.LoadGameList();
    return c;
}

}  // namespace

TEST(LoadGame, NarrowScreenSwitchesToTheReducedSetAndBackOnce) {
    Game g = makeGame();
    FakeHost host;
    Catalogue cat = makeCatalogue();
    host.width = 640;
    g.state.write(field::Game, "0");
    ASSERT_TRUE(LoadGame(g, cat, host));
    EXPECT_EQ(g.params[262], 10);
    EXPECT_EQ(g.state.read(field::Card), "003");
    EXPECT_EQ(g.state.read(field::Back_Card), "006");
    EXPECT_EQ(g.state.read(field::Card_Size), "M");
    EXPECT_EQ(g.state.read(field::Saved_Card), "001");
    EXPECT_EQ(g.state.read(field::Saved_Back_Card), "011");
    EXPECT_EQ(g.state.read(field::Saved_Card_Size), "B");
    EXPECT_FALSE(host.customize);
    EXPECT_EQ(host.reloads, 1);
    ASSERT_EQ(host.infos.size(), 1u);
    EXPECT_EQ(host.infos[0], reducedSetNotice("Wide One"));
    EXPECT_NE(host.infos[0].find("However, it's possible to play Wide One using a predefined"), std::string::npos);
    EXPECT_EQ(g.noticeState, NoticeDone);

    // Loading it again while already reduced shows nothing, even after the
    // player picked a game again.
    g.noticeState = NoticePending;
    ASSERT_TRUE(LoadGame(g, cat, host));
    EXPECT_EQ(host.infos.size(), 1u);
    EXPECT_EQ(host.reloads, 1);

    // An ordinary game brings the former values back.
    g.state.write(field::Game, "1");
    ASSERT_TRUE(LoadGame(g, cat, host));
    EXPECT_EQ(g.state.read(field::Card), "001");
    EXPECT_EQ(g.state.read(field::Back_Card), "011");
    EXPECT_EQ(g.state.read(field::Card_Size), "B");
    EXPECT_EQ(g.state.read(field::Saved_Card), "");
    EXPECT_EQ(g.state.read(field::Saved_Card_Size), "");
    EXPECT_TRUE(host.customize);
    EXPECT_EQ(host.reloads, 2);
    EXPECT_TRUE(host.autoplay);
}

TEST(LoadGame, NoNoticeWhenAlreadyMediumOrRightAfterStartup) {
    Game g = makeGame();
    FakeHost host;
    Catalogue cat = makeCatalogue();
    host.width = 640;
    g.state.write(field::Game, "0");
    g.state.write(field::Card_Size, "M");
    ASSERT_TRUE(LoadGame(g, cat, host));
    EXPECT_TRUE(host.infos.empty());
    EXPECT_EQ(g.state.read(field::Saved_Card), "");
    EXPECT_EQ(host.reloads, 0);

    Game fresh = makeGame();
    fresh.noticeState = NoticeAfterStartup;
    fresh.state.write(field::Game, "0");
    ASSERT_TRUE(LoadGame(fresh, cat, host));
    EXPECT_TRUE(host.infos.empty());
    EXPECT_EQ(fresh.state.read(field::Card_Size), "M");  // reduced all the same
}

TEST(LoadGame, WideScreenKeepsTheCardsAndPlacesNothingYet) {
    Game g = makeGame();
    FakeHost host;
    Catalogue cat = makeCatalogue();
    g.state.write(field::Game, "0");
    g.positions.set(PileGroup::Tableau, 0, 5, 5);
    ASSERT_TRUE(LoadGame(g, cat, host));
    EXPECT_EQ(g.state.read(field::Card_Size), "B");
    EXPECT_TRUE(host.customize);
    EXPECT_FALSE(host.autoplay);  // parameter 17 is 0 for game 0
    EXPECT_FALSE(g.positions.placed(PileGroup::Tableau, 0));
    EXPECT_EQ(host.layouts, 1);
    EXPECT_GE(host.repaints, 1);
}

TEST(LoadGame, UnreadableGameKeepsThePreviousParameters) {
    Game g = makeGame();
    FakeHost host;
    Catalogue cat = makeCatalogue();
    g.state.write(field::Game, "1");
    ASSERT_TRUE(LoadGame(g, cat, host));
    cat.gamesFile.parse("[Sect2]\n" + row(262, {3}) + "  29            " + scramble("zz") + "\n");
    g.state.write(field::Game, "0");
    EXPECT_FALSE(LoadGame(g, cat, host));
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("'zz' is not a valid integer value (parameter 29, game 0"), std::string::npos);
    EXPECT_EQ(g.params[262], 7);
    EXPECT_EQ(host.layouts, 1);  // the failed load changed nothing on the table
}

TEST(LoadGame, AListedGameWithoutParametersLoadsNothingAndSaysWhichGame) {
    Game g = makeGame();
    FakeHost host;
    Catalogue cat = makeCatalogue();
    g.state.write(field::Game, "1");
    ASSERT_TRUE(LoadGame(g, cat, host));
    g.state.write(field::Game, "2");
    EXPECT_FALSE(LoadGame(g, cat, host));
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0], "GAMES.DAT has no parameters for game 2 (No Column).");
    EXPECT_EQ(g.params[262], 7);  // game 1 stays loaded

    Game empty;
    empty.state.StateInit("/tmp/");
    empty.state.write(field::Game, "0");
    Catalogue lonely;
    lonely.gamesFile.parse("[Sect1]\n" + fixtures::gameListLine(0, "Lonely") + "[Sect2]\n");
    lonely.gameList = lonely.gamesFile.LoadGameList();
    EXPECT_FALSE(LoadGame(empty, lonely, host));
    EXPECT_EQ(host.errors.back(), "GAMES.DAT has no parameters for game 0 (Lonely).");
}

TEST(LoadGame, TheNameOfTheLoadedGameComesFromTheList) {
    struct Case {
        const char* game;
        const char* storedName;
        const char* expected;
    };
    for (const Case c : {Case{"1", "FreeCell", "Ordinary"}, Case{"0", "", "Wide One"}}) {
        Game g = makeGame();
        FakeHost host;
        const Catalogue cat = makeCatalogue();
        g.state.write(field::Game, c.game);
        g.state.write(field::Game_name, c.storedName);
        ASSERT_TRUE(LoadGame(g, cat, host));
        EXPECT_EQ(g.state.read(field::Game_name), c.expected) << c.game;
    }
}
