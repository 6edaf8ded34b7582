// The game clock and its "h:nn:ss" display.
#include <gtest/gtest.h>

#include "engine/game_clock.h"
#include "engine/score.h"

namespace vantrel {
namespace {

using namespace std::chrono_literals;

struct TimeBoard : ScoreBoard {
    void showScore(std::string_view) override {}
    void showTime(std::string_view t) override { shown.emplace_back(t); }
    std::vector<std::string> shown;
};

struct FakeTime {
    GameClock::Clock::time_point now{std::chrono::hours(1000)};
    GameClock clock() {
        return GameClock([this] { return now; });
    }
};

TEST(GameClock, Formatting) {
    const std::pair<std::chrono::seconds, const char*> cases[] = {
        {0s, "0:00:00"}, {11min + 5s, "0:11:05"}, {1h + 2min + 3s, "1:02:03"},
        {59s, "0:00:59"}, {10h, "10:00:00"}, {25h + 1s, "25:00:01"}, {-5s, "0:00:00"},
    };
    for (const auto& [elapsed, text] : cases) EXPECT_EQ(GameClock::formatElapsed(elapsed), text);
}

TEST(GameClock, RunsFromStartAndFreezesAtStop) {
    FakeTime t;
    GameClock clock = t.clock();
    TimeBoard board;
    clock.tick(board);
    EXPECT_TRUE(board.shown.empty());  // not running yet
    clock.start();
    t.now += 11min + 5s;
    clock.tick(board);
    EXPECT_EQ(board.shown, std::vector<std::string>{"0:11:05"});
    clock.stop();
    t.now += 1h;
    EXPECT_EQ(clock.text(), "0:11:05");
    clock.tick(board);
    EXPECT_EQ(board.shown.size(), 1u);
    clock.start();
    t.now += 1h + 2min + 3s;
    EXPECT_EQ(clock.text(), "1:02:03");
}

}  // namespace
}  // namespace vantrel
