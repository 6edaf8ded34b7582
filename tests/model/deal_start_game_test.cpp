// The start-of-game sequence against a recording window.
#include <gtest/gtest.h>

#include "deal_support.h"
#include "../fixtures/games_dat_text.h"
#include "engine/game_clock.h"
#include "engine/start_game.h"
#include "engine/start_game_host.h"
#include "model/catalogue.h"
#include "model/game_number.h"

namespace vantrel {
namespace {

using test::makeGame;

struct RecordingHost : StartGameHost {
    // Loading
    int screenWidth() const override { return 1024; }
    void infoBox(std::string_view t) override { log.push_back("info " + std::string(t)); }
    void errorBox(std::string_view t) override { log.push_back("error " + std::string(t)); }
    void enableCustomize(bool) override {}
    void reloadCardImages() override {}
    void enableAutoplay(bool) override {}
    void computeLayout() override { log.push_back("layout"); }
    void repaintTable() override {}
    // Score board
    void showScore(std::string_view t) override { log.push_back("score " + std::string(t)); }
    void showTime(std::string_view t) override { log.push_back("time " + std::string(t)); }
    // Start game
    void setBusyCursor(bool b) override { log.push_back(b ? "busy" : "idle"); }
    void refreshCaption() override { log.push_back("caption"); }
    void prepareBackground() override { log.push_back("background"); }
    void drawTable(bool animated) override { log.push_back(animated ? "draw animated" : "draw"); }
    bool autoplayOn() const override { return autoplay; }
    void busyWait(int ms) override { log.push_back("wait " + std::to_string(ms)); }
    bool autoplayPass() override {
        log.push_back("autoplay");
        return passesThatMove-- > 0;
    }
    void refresh() override { log.push_back("refresh"); }
    void enableGameCommands() override { log.push_back("commands"); }

    bool has(const std::string& entry) const { return std::find(log.begin(), log.end(), entry) != log.end(); }
    std::vector<std::string> log;
    bool autoplay = false;
    int passesThatMove = 0;
};

struct FixedRandom : RandomSource {
    long long next = 12;
    long long uniform(long long, long long) override { return next++; }
};

struct StartGameTest : ::testing::Test {
    std::unique_ptr<Game> game = makeGame({{265, 52}, {266, 52}, {36, 1}, {37, 1}});
    RecordingHost host;
    GameClock::Clock::time_point now{std::chrono::hours(5)};
    GameClock clock{[this] { return now; }};
    FixedRandom random;
    Catalogue catalogue;  // read only when no game is loaded
};

TEST_F(StartGameTest, NewDealDrawsANumberDealsAndStartsTheClock) {
    game->play.moveCounter = 2;
    game->play.stockPass = 3;
    game->play.stockClicks = 9;
    game->piles.reserves[3] = "001";
    StartGame(*game, catalogue, host, clock, random);
    EXPECT_EQ(game->state.read(field::Deal_Number), "0000000000156");  // 12 * 13
    EXPECT_EQ(cardCount(game->piles.stock[StockEntry]), 52);
    EXPECT_TRUE(game->piles.reserves[3].empty());
    EXPECT_EQ(game->play.moveCounter, 0);
    EXPECT_EQ(game->play.stockPass, 1);
    EXPECT_EQ(game->play.stockClicks, 0);
    EXPECT_TRUE(game->inProgress);
    EXPECT_FALSE(game->won);
    EXPECT_TRUE(clock.running());
    // The deal shows each score change; the label is shown again before drawing.
    std::vector<std::string> steps;
    for (const std::string& e : host.log)
        if (e != "score -52") steps.push_back(e);
    const std::vector<std::string> expected{"busy",          "caption",      "time 0:00:00", "caption", "background",
                                            "draw animated", "time 0:00:00", "idle",         "commands"};
    EXPECT_EQ(steps, expected);
    const auto draw = std::find(host.log.begin(), host.log.end(), "draw animated");
    ASSERT_NE(draw, host.log.begin());
    EXPECT_EQ(*(draw - 1), "score -52");
}

TEST_F(StartGameTest, EachDealStartsFromTheLoadedParameters) {
    StartGame(*game, catalogue, host, clock, random);
    game->params.set(37, 9);  // a base rank the previous deal rewrote
    StartGame(*game, catalogue, host, clock, random);
    EXPECT_EQ(game->params[37], 1);
}

TEST_F(StartGameTest, KeepingTheNumberDealsTheSameCards) {
    StartGame(*game, catalogue, host, clock, random);
    const std::string first = game->piles.stock[StockEntry];
    StartGame(*game, catalogue, host, clock, random, {true, true, NumberMode::Keep, false});
    EXPECT_EQ(game->piles.stock[StockEntry], first);
    EXPECT_EQ(game->state.read(field::Deal_Number), "0000000000156");
}

TEST_F(StartGameTest, AutoplayWaitsThenRunsUntilNothingMoves) {
    host.autoplay = true;
    host.passesThatMove = 2;
    StartGame(*game, catalogue, host, clock, random);
    const auto wait = std::find(host.log.begin(), host.log.end(), "wait 800");
    ASSERT_NE(wait, host.log.end());
    const std::vector<std::string> tail(wait, host.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"wait 800", "autoplay", "refresh", "autoplay", "refresh", "autoplay",
                                              "idle", "commands"}));
}

TEST_F(StartGameTest, NoRedrawAndDealAnimationOff) {
    game->state.write(field::Deal_Animation, "N");
    StartGame(*game, catalogue, host, clock, random);
    EXPECT_TRUE(host.has("draw"));
    host.log.clear();
    StartGame(*game, catalogue, host, clock, random, {true, true, NumberMode::Random, true});
    EXPECT_FALSE(host.has("background"));
    EXPECT_FALSE(host.has("draw"));
    EXPECT_FALSE(host.has("draw animated"));
}

TEST_F(StartGameTest, WithoutALoadedGameALoadFailureDealsNothing) {
    // A listed game without its [Sect2] column: the load is refused with a
    // reason, and nothing is dealt, drawn or timed after it.
    for (const std::string& file : {std::string(), "[Sect1]\n" + fixtures::gameListLine(4, "Lonely") + "[Sect2]\n"}) {
        auto empty = makeGame({});
        empty->state.write(field::Game, 4);
        Catalogue listed;
        listed.gamesFile.parse(file);
        listed.gameList = listed.gamesFile.LoadGameList();
        host.log.clear();
        StartGame(*empty, listed, host, clock, random);
        EXPECT_TRUE(test::tableCounts(*empty).empty());
        EXPECT_FALSE(host.has("info " + std::string("Error 01 - fnGameNumberCardsArray")));
        EXPECT_FALSE(host.has("draw") || host.has("draw animated"));
        EXPECT_FALSE(clock.running());
        EXPECT_FALSE(empty->inProgress);
        EXPECT_EQ(empty->state.read(field::Score), "0");
        EXPECT_EQ(host.log.back(), "idle");
    }
    EXPECT_TRUE(host.has("error GAMES.DAT has no parameters for game 4 (Lonely)."));
}

}  // namespace
}  // namespace vantrel
