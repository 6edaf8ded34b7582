// Choosing a game: when a new deal starts, when the definition is loaded,
// and what the player's consent and a change of player do.
#include <gtest/gtest.h>

#include "model/game.h"
#include "shell/core/ini_store.h"
#include "shell/core/select_game.h"
#include "shell_fixture.h"

using namespace vantrel;

namespace {

struct RecordingHost : SelectGameHost {
    std::string calls;  // one letter per call, in order
    bool consent = true, commandsOn = true, loads = true;
    void setBusyCursor(bool) override {}
    bool confirmAbandonGame() override {
        calls += 'c';
        return consent;
    }
    void endGame() override { calls += 'e'; }
    void refreshCaption() override { calls += 'r'; }
    bool gameCommandsEnabled() const override { return commandsOn; }
    void enableGameCommands(bool on) override {
        calls += 'g';
        commandsOn = on;
    }
    bool loadGame() override {
        calls += 'l';
        return loads;
    }
    void newDeal() override { calls += 'n'; }
};

struct Case {
    const char* what;
    int number;
    const char* player;
    bool inProgress, loaded, consent, commandsOn;
    bool started;
    const char* calls;
    bool loads = true;
};

}  // namespace

TEST(SelectGame, DealsAnewOnlyForAChangeAndLoadsOnlyAnotherGame) {
    const Case cases[] = {
        {"same game and player while playing", 1, "Ann", true, true, true, true, false, ""},
        {"same game, empty player name", 1, "", true, true, true, true, false, ""},
        {"same game after the game ended", 1, "Ann", false, true, true, true, true, "cen"},
        {"another player, same game", 1, "Bob", true, true, true, true, true, "cern"},
        {"another game", 2, "", true, true, true, true, true, "celn"},
        {"another game refused", 2, "", true, true, false, true, false, "c"},
        {"first choice after start-up", 1, "", false, false, true, false, true, "cegln"},
        {"another game that cannot be loaded", 2, "", true, true, true, true, false, "cel", false},
    };
    for (const Case& c : cases) {
        test::TempFolder dir;
        MinIniStore prefs(dir / "CFG.DAT");
        Game game;
        game.state.write(field::Game, 1);
        game.state.write(field::Game_name, "Before");
        game.state.write(field::UserDefault, "Ann");
        game.inProgress = c.inProgress;
        if (c.loaded) game.params.set(265, 52);
        RecordingHost host;
        host.consent = c.consent;
        host.commandsOn = c.commandsOn;
        host.loads = c.loads;
        EXPECT_EQ(SelectGame(game, prefs, host, c.number, "Chosen", c.player), c.started) << c.what;
        EXPECT_EQ(host.calls, c.calls) << c.what;
        if (!c.started) {
            EXPECT_EQ(game.gameNumber(), 1) << c.what;  // the loaded game stays the current one
            EXPECT_EQ(game.state.read(field::Game_name), "Before") << c.what;
            EXPECT_EQ(game.state.read(field::UserDefault), "Ann") << c.what;
            continue;
        }
        EXPECT_EQ(game.gameNumber(), c.number) << c.what;
        EXPECT_EQ(game.state.read(field::Game_name), "Chosen") << c.what;
        const std::string player = *c.player ? c.player : "Ann";
        EXPECT_EQ(game.state.read(field::UserDefault), player) << c.what;
        EXPECT_EQ(prefs.getString("Preference", "UserDefault", "Ann"), player) << c.what;
    }
}

TEST(SelectGame, TheReducedSetNoticeIsDueAgainForAnotherGameOrRightAfterStartUp) {
    const struct {
        int number, before, after;
    } cases[] = {{2, NoticeDone, NoticePending}, {1, NoticeAfterStartup, NoticePending}, {1, NoticeDone, NoticeDone}};
    for (const auto& c : cases) {
        test::TempFolder dir;
        MinIniStore prefs(dir / "CFG.DAT");
        Game game;
        game.state.write(field::Game, 1);
        game.params.set(265, 52);
        game.noticeState = c.before;
        RecordingHost host;
        ASSERT_TRUE(SelectGame(game, prefs, host, c.number, "G", ""));
        EXPECT_EQ(game.noticeState, c.after) << c.number << " from " << c.before;
    }
}
