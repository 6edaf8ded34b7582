// Card flights step by step and the cards of the winning animation.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/game_number.h"
#include "view/motion/flight_path.h"
#include "view/motion/winning_cards.h"

namespace vantrel {
namespace {

using Kind = FlightStep::Kind;

std::vector<FlightStep> ofKind(const std::vector<FlightStep>& plan, Kind kind) {
    std::vector<FlightStep> out;
    std::copy_if(plan.begin(), plan.end(), std::back_inserter(out), [&](const FlightStep& s) { return s.kind == kind; });
    return out;
}

TEST(FlightStep, LengthGrowsWithTheDistanceAndShrinksWhenQuick) {
    struct Case {
        int dist;
        bool quick;
        int step;
    };
    const Case cases[] = {{500, false, 48}, {100, false, 19}, {500, true, 14}, {-500, false, -48},
                          {0, false, 0},    {2, false, 0},    {3, false, 1},   {3, true, 0}};
    for (const Case& c : cases) EXPECT_EQ(flightStepLength(c.dist, c.quick), c.step) << c.dist << " " << c.quick;
}

TEST(FlightPlan, StraightFlightMovesByTheStepAndPausesAfterEveryStep) {
    const auto plan = planFlight({.startX = 100, .startY = 40, .targetX = 600, .targetY = 40, .speed = 10});
    const auto moves = ofKind(plan, Kind::Move);
    ASSERT_EQ(moves.size(), 10u);  // 48, 96, ... 480; the 11th step arrives
    for (size_t i = 0; i < moves.size(); ++i) EXPECT_EQ(moves[i], (FlightStep{Kind::Move, 148 + 48 * int(i), 40, 0}));
    const auto waits = ofKind(plan, Kind::Wait);
    EXPECT_EQ(waits.size(), 11u);
    EXPECT_TRUE(std::all_of(waits.begin(), waits.end(), [](const FlightStep& s) { return s.ms == 10; }));
    EXPECT_EQ(plan.front().kind, Kind::Wait);
    EXPECT_EQ(plan[plan.size() - 2].kind, Kind::ShadowsBack);
    EXPECT_EQ(plan.back(), (FlightStep{Kind::Land, 600, 40, 0}));
}

TEST(FlightPlan, TheShorterAxisFollowsByPercentage) {
    // Leading X by 19: at 19 % of the way Y is Trunc(50 * 19 / 100).
    const auto up = ofKind(planFlight({.startX = 0, .startY = 0, .targetX = 100, .targetY = 50}), Kind::Move);
    ASSERT_GE(up.size(), 2u);
    EXPECT_EQ(up[0], (FlightStep{Kind::Move, 19, 9, 0}));
    EXPECT_EQ(up[1], (FlightStep{Kind::Move, 38, 19, 0}));
    // Leading Y, going up and left: the percentage truncates towards the start.
    const auto back = ofKind(planFlight({.startX = 300, .startY = 300, .targetX = 250, .targetY = 200}), Kind::Move);
    ASSERT_FALSE(back.empty());
    EXPECT_EQ(back[0], (FlightStep{Kind::Move, 291, 281, 0}));
}

TEST(FlightPlan, StartAtTheTargetDrawsNothingAndLands) {
    const auto plan = planFlight({.startX = 70, .startY = 80, .targetX = 70, .targetY = 80, .speed = 20});
    EXPECT_EQ(plan, (std::vector<FlightStep>{{Kind::ShadowsBack}, {Kind::Land, 70, 80, 0}}));
}

TEST(FlightPlan, QuickFlagAndSpeedZeroMakeNoPauses) {
    const FlightRequest cases[] = {
        {.startX = 0, .startY = 0, .targetX = 400, .targetY = 300, .speed = 25, .quick = true},
        {.startX = 0, .startY = 0, .targetX = 400, .targetY = 300, .speed = 0},
        {.startX = 0, .startY = 0, .targetX = 400, .targetY = 300, .speed = -3, .shadowsOn = true, .shadow = true},
        {.startX = 0, .startY = 0, .targetX = 400, .targetY = 300, .speed = 25, .shadowsOn = true, .shadow = true,
         .quick = true},
    };
    for (const FlightRequest& r : cases) {
        const auto plan = planFlight(r);
        EXPECT_TRUE(ofKind(plan, Kind::Wait).empty()) << r.speed << r.quick;
        EXPECT_FALSE(ofKind(plan, Kind::Move).empty());
    }
    // The quick step is shorter, so the same flight takes more steps.
    const auto quick = ofKind(planFlight(cases[0]), Kind::Move).size();
    EXPECT_GT(quick, ofKind(planFlight(cases[1]), Kind::Move).size());
}

TEST(FlightPlan, ShadowedLandingSettlesFromAboveLeftWithADoublePause) {
    const auto plan = planFlight(
        {.startX = 0, .startY = 0, .targetX = 200, .targetY = 100, .speed = 7, .shadowsOn = true, .shadow = true});
    const auto moves = ofKind(plan, Kind::Move);
    ASSERT_GE(plan.size(), 4u);
    EXPECT_EQ(plan[plan.size() - 4].kind, Kind::ShadowsBack);
    EXPECT_EQ(plan[plan.size() - 3], (FlightStep{Kind::Move, 191, 91, 0}));
    EXPECT_EQ(plan[plan.size() - 2], (FlightStep{Kind::Wait, 0, 0, 14}));
    EXPECT_EQ(plan.back(), (FlightStep{Kind::Land, 200, 100, 0}));
    // With shadows off there is nothing to shift by.
    const auto flat = planFlight({.startX = 0, .startY = 0, .targetX = 200, .targetY = 100, .shadow = true});
    EXPECT_EQ(flat[flat.size() - 2], (FlightStep{Kind::Move, 200, 100, 0}));
    EXPECT_EQ(flat.back(), (FlightStep{Kind::Land, 200, 100, 0}));
}

TEST(FlightPlan, UnplacedTargetEndsAboveAndLeftOfTheTable) {
    for (const bool shadow : {false, true}) {
        const auto plan = planFlight({.startX = 300, .startY = 200, .targetX = -10001, .targetY = -10003,
                                      .cardW = 71, .cardH = 96, .shadowsOn = true, .shadow = shadow});
        const FlightStep land = plan.back();
        EXPECT_EQ(land.x, -213 + (shadow ? 9 : 0));
        EXPECT_EQ(land.y, -288 + (shadow ? 9 : 0));
        EXPECT_LE(land.x + 71, 0);
        EXPECT_LE(land.y + 96, 0);
    }
}

// Always the lowest or always the highest value asked for.
class EdgeRandom : public RandomSource {
public:
    explicit EdgeRandom(bool high) : high_(high) {}
    long long uniform(long long low, long long high) override { return high_ ? high : low; }

private:
    bool high_;
};

TEST(WinningCards, ScatterCountsPausesAndRandomRanges) {
    struct Case {
        char size;
        size_t count;
        int pause;
    };
    for (const Case& c : {Case{'B', 2000, 5}, Case{'M', 3000, 7}, Case{'L', 4000, 9}}) {
        EdgeRandom low(false);
        const auto cards = planWinningAnimation({1, c.size, 71, 96, 800, 600, 40}, low);
        ASSERT_EQ(cards.size(), c.count) << c.size;
        EXPECT_EQ(cards[0], (WinningCard{-35, -48, 1, c.pause}));
        EXPECT_EQ(cards[1].waitAfter, 0);
        EXPECT_EQ(cards[15].waitAfter, c.pause);
        EXPECT_EQ(cards[30].waitAfter, c.pause);
    }
    EdgeRandom high(true);
    const auto cards = planWinningAnimation({1, 'B', 71, 96, 800, 600, 40}, high);
    EXPECT_EQ(cards[7], (WinningCard{799, 599, 51, 0}));  // the King of spades never shows
}

TEST(WinningCards, RowsSweepRightThenRestartLowerAndWrap) {
    // Cards 59 x 80: x advances by 10; new rows start at -19 (odd) or -14
    // (even); each row of this 100-pixel window holds 12 cards.
    EdgeRandom low(false);
    const auto cards = planWinningAnimation({2, 'M', 59, 80, 100, 200, 30}, low);
    ASSERT_EQ(cards.size(), 2500u);
    EXPECT_EQ(cards[0], (WinningCard{-20, 30, 1, 0}));
    EXPECT_EQ(cards[11], (WinningCard{90, 30, 1, WinningRowWait}));
    EXPECT_EQ(cards[19].waitAfter, 22);  // every 20th card
    EXPECT_EQ(cards[59].waitAfter, 22 + WinningRowWait);
    const int rowY[] = {30, 65, 100, 35, 70, 105, 70, 105, 105, 140, 175, 65, 100, 100};
    for (int row = 0; row < 14; ++row) {
        const WinningCard& first = cards[static_cast<size_t>(12 * row)];
        EXPECT_EQ(first.y, rowY[row]) << row;
        EXPECT_EQ(first.x, row == 0 ? -20 : row % 2 == 1 ? -19 : -14) << row;
    }
}

}  // namespace
}  // namespace vantrel
