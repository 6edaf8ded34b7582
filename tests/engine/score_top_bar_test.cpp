// Placing the time and score panels, and the show/hide commands.
#include <gtest/gtest.h>

#include "engine/top_bar.h"
#include "model/state_record.h"

namespace vantrel {
namespace {

TopBarMetrics metrics(int windowWidth) {
    TopBarMetrics m;
    m.windowWidth = windowWidth;
    m.toolbarTop = 20;
    m.toolbarHeight = 41;
    m.toolbarWidth = windowWidth;
    m.lastButtonRight = 400;
    m.timeWidth = 60;
    m.timeHeight = 20;
    m.scoreWidth = 50;
    m.scoreHeight = 20;
    return m;
}

TEST(LayoutTopBar, ScoreSitsLeftOfTheTimeOrAtTheFarRight) {
    const TopBarPlacement both = LayoutTopBar(metrics(800), true, true);
    EXPECT_EQ(both.timeLeft, 800 - 60 - 15);
    EXPECT_EQ(both.scoreLeft, 725 - 50 - 5);
    EXPECT_EQ(both.timeTop, 10);  // (41 - 20) / 2, fraction dropped
    EXPECT_EQ(both.scoreTop, 10);
    EXPECT_TRUE(both.timeVisible && both.scoreVisible);
    EXPECT_EQ(both.greyLineTop, 61);
    EXPECT_EQ(both.blackLineTop, 62);
    EXPECT_EQ(both.linesWidth, 800);

    const TopBarPlacement scoreOnly = LayoutTopBar(metrics(800), false, true);
    EXPECT_EQ(scoreOnly.scoreLeft, 800 - 50 - 15);
    EXPECT_FALSE(scoreOnly.timeVisible);
    EXPECT_TRUE(scoreOnly.scoreVisible);
}

TEST(LayoutTopBar, PanelsNeverCoverTheLastButton) {
    // Time at 475 - 75 = 400 + ... : a panel must start more than 3 pixels
    // right of the Exit button's edge (400).
    struct Case {
        int width;
        bool time, score;
    };
    for (const Case c : {Case{479, true, false}, Case{478, false, false}, Case{534, true, true},
                         Case{533, true, false}}) {
        const TopBarPlacement p = LayoutTopBar(metrics(c.width), true, true);
        EXPECT_EQ(p.timeVisible, c.time) << c.width;
        EXPECT_EQ(p.scoreVisible, c.score) << c.width;
    }
}

struct RecordingHost : TopBarHost {
    TopBarMetrics topBarMetrics() const override { return metrics(800); }
    void applyTopBar(const TopBarPlacement& p) override { applied.push_back(p); }
    void enableShowTimeCommand(bool e) override { showTimeEnabled = e; }
    void enableShowScoreCommand(bool e) override { showScoreEnabled = e; }
    void writePreference(std::string_view k, std::string_view v) override { prefs.emplace_back(k, v); }
    std::vector<TopBarPlacement> applied;
    bool showTimeEnabled = false, showScoreEnabled = false;
    std::vector<std::pair<std::string, std::string>> prefs;
};

TEST(ShowTimeAndScore, SaveWritesStateAndPreferenceThenLaysOut) {
    StateRecord state;
    state.write(field::Show_Time, "Y");
    state.write(field::Show_Score, "Y");
    RecordingHost host;
    ShowTime(state, host, false, true);
    EXPECT_EQ(state.read(field::Show_Time), "N");
    EXPECT_TRUE(host.showTimeEnabled);
    ASSERT_EQ(host.applied.size(), 1u);
    EXPECT_FALSE(host.applied[0].timeVisible);
    EXPECT_EQ(host.applied[0].scoreLeft, 800 - 50 - 15);

    ShowScore(state, host, true, false);  // without save nothing is written
    EXPECT_FALSE(host.showScoreEnabled);
    EXPECT_EQ(host.prefs, (std::vector<std::pair<std::string, std::string>>{{"Show_Time", "N"}}));

    ShowTime(state, host, true, true);
    EXPECT_EQ(state.read(field::Show_Time), "Y");
    EXPECT_TRUE(host.applied.back().timeVisible);
    EXPECT_EQ(host.prefs.back(), (std::pair<std::string, std::string>{"Show_Time", "Y"}));
}

}  // namespace
}  // namespace vantrel
