#include "deco/bailoutplan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

namespace {

BailoutGases gases(BailoutGas first, BailoutGas second)
{
    return {first, second};
}

// The gas at each bound: P × fO2 within 0,16..1,6 inclusive. 50 % at 22 m and
// 40 % at 30 m give exactly 1,6 in binary (P 3,2 and 4,0); 8 % at 10 m
// exactly 0,16 (P 2,0). Where neither is usable, gas 1 if carried.
TEST(BailoutGasChoice, AtTheBoundsOnATieAndWithoutAUsableGas)
{
    const BailoutGas air {21, 0, 2200};
    const BailoutGas ean50 {50, 0, 1100};
    const std::tuple<BailoutGases, double, std::optional<int>> cases[] = {
            {gases(air, ean50), 22.0, 1}, {gases(air, ean50), 22.1, 0},
            {gases(air, {40, 0, 100}), 30.0, 1}, {gases(air, {40, 0, 100}), 30.1, 0},
            // 90 % is too rich at 10 m; 8 % is usable from exactly 10 m down.
            {gases({90, 0, 100}, {8, 0, 100}), 10.0, 1}, {gases({90, 0, 100}, {8, 0, 100}), 9.9, 0},
            {gases({32, 0, 100}, {32, 0, 900}), 20.0, 0}, // a tie: gas 1
            {gases({18, 45, 100}, ean50), 100.0, 0}, // neither usable: gas 1
            {gases({18, 45, 0}, ean50), 100.0, 1}, // nor carried: gas 2
            {gases(air, {50, 0, 0}), 6.0, 0}, // a gas not carried is never usable
            {gases({21, 0, 0}, {50, 0, 0}), 6.0, std::nullopt}};
    for (const auto &[g, depth, expected] : cases)
        EXPECT_EQ(bailoutGasAt(g, depth), expected)
                << g[0].o2Percent << "/" << g[1].o2Percent << " at " << depth;
}

BailoutAscent ascent(BailoutGases g, double gfLow = 0.5, double gfHigh = 0.8)
{
    return {{7.5, gfLow, gfHigh}, 0.0, 20.0, g};
}

// From 30 m at 0,125 m a second, straight up: 240 one-second steps at
// x = 30 − 0,125 k, each RMV × P / 60 = (4 − 0,0125 k) / 3 litres. Air for
// k = 1..63 (226,8 / 3), the 50 % gas from 22 m, k = 64..240 (371,7 / 3).
TEST(BailoutPlan, APlainAscentChangesGasAt22m)
{
    TissueState t;
    startTissues(t, 0.79, 0.0);
    const auto plan =
            planBailout(t, 30.0, ascent(gases({21, 0, 2200}, {50, 0, 1100})), {2200.0, 100.0});
    ASSERT_TRUE(plan);
    EXPECT_TRUE(plan->ascent.stops.empty());
    EXPECT_EQ(plan->ascent.seconds, 240);
    EXPECT_EQ(plan->ascent.ttsMinutes, 4);
    EXPECT_NEAR(plan->gases[0].needL, 75.6, 1e-9);
    EXPECT_NEAR(plan->gases[1].needL, 123.9, 1e-9);
    EXPECT_TRUE(plan->gases[0].enough);
    EXPECT_FALSE(plan->gases[1].enough) << "100 l left of the 50 %";
    EXPECT_EQ(plan->gases[1].contentL, 100.0);
}

// On air alone the ascent is the loop's plan with nothing held as oxygen and
// the inert part all nitrogen: P × 0,79 each second. Its need follows from
// its stops: 12 m to the surface at 0,125 m a second is 96 seconds with P =
// 2,2 − 0,0125 k (153 in all), and each minute at D adds 60 × (0,1 D + 1).
TEST(BailoutPlan, OneGasNeedsWhatItsStopsAndClimbTake)
{
    TissueState t;
    t.n2[7] = 1.45 / 0.891 + 0.45;
    const auto withContent = [&t](double litres) {
        return planBailout(
                t, 12.0, ascent(gases({21, 0, 2200}, {50, 0, 0}), 0.3, 0.7), {litres, 0.0});
    };
    const auto plan = withContent(1000.0);
    ASSERT_TRUE(plan);
    AscentGas loop;
    loop.fractionN2 = 0.79;
    loop.ascentRateMpm = 7.5;
    loop.gfLow = 0.3;
    loop.gfHigh = 0.7;
    const DecoPlan same = planAscent(t, 12.0, loop);
    EXPECT_EQ(plan->ascent.stops, same.stops);
    EXPECT_EQ(plan->ascent.seconds, same.seconds);
    ASSERT_EQ(plan->ascent.stops.size(), 3u);
    double pressureSeconds = 153.0;
    int minutes = 0;
    for (const DecoStop &stop : plan->ascent.stops) {
        pressureSeconds += 60.0 * stop.minutes * (0.1 * stop.depthM + 1.0);
        minutes += stop.minutes;
    }
    EXPECT_EQ(plan->ascent.seconds, 96 + 60 * minutes);
    EXPECT_NEAR(plan->gases[0].needL, 20.0 * pressureSeconds / 60.0, 1e-9);
    EXPECT_EQ(plan->gases[1].needL, 0.0);
    EXPECT_FALSE(plan->gases[1].carried);
    // Exactly what the ascent needs is enough; a hair less is not.
    const double need = plan->gases[0].needL;
    for (const auto &[content, enough] :
            {std::pair {need, true}, {std::nextafter(need, 0.0), false}})
        EXPECT_EQ(withContent(content)->gases[0].enough, enough);
}

TEST(BailoutPlan, ItsTextRoundsTheNeedUpAndTheContentDown)
{
    BailoutPlan plan;
    plan.ascent.ttsMinutes = 38;
    plan.ascent.stops = {{21, 1}, {18, 1}, {3, 9}};
    plan.gases = {{{true, 1209.01, 2200.99, true}, {true, 640.0, -3.0, false}}};
    EXPECT_EQ(bailoutPlanSummary(plan), "38 21/1 18/1 3/9 | 1:1210/2200 2:640/0");
    plan.gases[0].carried = false;
    EXPECT_EQ(bailoutPlanSummary(plan), "38 21/1 18/1 3/9 | 2:640/0");
    plan.ascent.endless = true;
    EXPECT_EQ(bailoutPlanSummary(plan), "Вечн");
    EXPECT_EQ(bailoutPlanSummary(std::nullopt), "Нет газа для байлаута");
}

} // namespace
