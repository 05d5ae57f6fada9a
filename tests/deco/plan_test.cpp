#include "deco/forecast.h"
#include "deco/plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

// A nitrogen loop on a 1.0 setpoint, climbing 0.125 m a second (exact in
// binary), at the gradient factors low/high.
AscentGas nitrogenLoop(double gfLow = 1.0, double gfHigh = 1.0)
{
    AscentGas gas = inertSplit(0.5, 0.0);
    gas.setpoint = 1.0;
    gas.ascentRateMpm = 7.5;
    gas.gfLow = gfLow;
    gas.gfHigh = gfHigh;
    return gas;
}

// Minutes for a compartment of half-time T to fall from p0 to p breathing pi.
double minutesToOffgas(double halfTime, double p0, double p, double pi)
{
    return halfTime * std::log2((p0 - pi) / (p - pi));
}

// Only the slowest nitrogen compartment (635 min, a 0.2327, b 0.9653) holds
// gas: its ceiling alone sets the stops, and it barely moves during the
// few seconds of ascent between them, so the stop lengths follow from the
// closed form of constant-pressure off-gassing.
TEST(DecoPlan, StopsOfOneSlowCompartmentFollowTheClosedForm)
{
    const double a = 0.2327;
    const double b = 0.9653;
    const auto tolerated = [&](double ambient) { return ambient / b + a; };
    TissueState t;
    t.n2[15] = tolerated(1.45); // ceiling at 4.5 m

    const DecoPlan plan = planAscent(t, 10.0, nitrogenLoop());
    ASSERT_EQ(plan.stops.size(), 2u);
    EXPECT_EQ(plan.stops[0].depthM, 6.0);
    EXPECT_EQ(plan.stops[1].depthM, 3.0);
    // At 6 m the loop's inert part is 1.6 - 1.0; at 3 m, 1.3 - 1.0.
    const double at6 = minutesToOffgas(635.0, t.n2[15], tolerated(1.3), 0.6);
    const double at3 = minutesToOffgas(635.0, tolerated(1.3), tolerated(1.0), 0.3);
    EXPECT_NEAR(plan.stops[0].minutes, std::ceil(at6), 1.0);
    EXPECT_NEAR(plan.stops[1].minutes, std::ceil(at3), 1.0);
    // 10 -> 0 m at 7.5 m/min is 80 s of climbing on top of the stops.
    EXPECT_EQ(plan.seconds, 60 * (plan.stops[0].minutes + plan.stops[1].minutes) + 80);
    EXPECT_EQ(plan.ttsMinutes, plan.stops[0].minutes + plan.stops[1].minutes + 2);
    EXPECT_FALSE(plan.endless);
    // A hair below the surface d / 3 is 0: the next stop is the surface, not
    // 3 m above it, and the stop is kept where the diver is.
    EXPECT_EQ(planAscent(t, 5e-324, nitrogenLoop(0.5, 0.8)).stops.at(0).depthM, 5e-324);
}

// Only compartment 8 (77 min, a 0.45, b 0.891) holds gas, at the limit of
// an ambient 1.45: 2.07738. From 12 m at 7.5 m/min on a 1.0 setpoint:
// - 100/100: the safe depth 4.5 m lets the diver up to 6 m; stops until the
//   tolerated pressure is 1.3 there (12.8 min of off-gassing toward 0.6,
//   with the ascent's seconds worked in) and 1.0 at 3 m (25.6 min).
// - 30/70: the safe depth at 0.3 is 8.74 m, so the first stop is 9 m (at
//   100/100 it was 6 m). Its factor is that of the next stop on the line
//   from 0.3 at 9 m to 0.7 at the surface: 0.7 - 0.4 * 6 / 9 = 0.4333 at
//   9 m (20.06 min until the pressure is 1.8798), 0.5667 at 6 m (21.43 min
//   until 1.6451), and 0.7 itself at 3 m (21.49 min until 1.4006, a surface
//   GF of 70).
TEST(DecoPlan, GradientFactorsSetTheFirstStopAndTheSlope)
{
    TissueState t;
    t.n2[7] = 1.45 / 0.891 + 0.45;
    DecoPlan plan = planAscent(t, 12.0, nitrogenLoop());
    EXPECT_EQ(plan.stops, (std::vector<DecoStop> {{6, 13}, {3, 26}}));
    EXPECT_EQ(plan.seconds, 39 * 60 + 96);
    plan = planAscent(t, 12.0, nitrogenLoop(0.3, 0.7));
    EXPECT_EQ(plan.stops, (std::vector<DecoStop> {{9, 21}, {6, 22}, {3, 22}}));
    EXPECT_EQ(plan.seconds, 65 * 60 + 96);
    EXPECT_EQ(plan.ttsMinutes, 67);
    // At 50/80 with the safe depth at 0.5 exactly on 9 m at 12 m, 12 m is not
    // the first stop: 9 m is, with factors 0.6, 0.7 and 0.8 at 9, 6 and 3 m
    // (22.9, 22.8 and 22.6 min until 1.9874, 1.7263 and 1.4579).
    t.n2[7] = 2.2412177328844;
    plan = planAscent(t, 12.0, nitrogenLoop(0.5, 0.8));
    EXPECT_EQ(plan.stops, (std::vector<DecoStop> {{9, 23}, {6, 23}, {3, 23}}));
}

// The plain ascent counts its one-second steps: 20 m at 0.125 m a second is
// 160 of them, three whole minutes.
TEST(DecoPlan, PlainAscentAndItsRounding)
{
    TissueState t;
    startTissues(t, 0.79, 0.0);
    AscentGas gas = inertSplit(0.79, 0.0);
    gas.setpoint = 1.3;
    gas.ascentRateMpm = 7.5;
    DecoPlan plan = planAscent(t, 20.0, gas);
    EXPECT_TRUE(plan.stops.empty());
    EXPECT_EQ(plan.seconds, 160);
    EXPECT_EQ(plan.ttsMinutes, 3);
    EXPECT_EQ(planAscent(t, 0.0, gas).ttsMinutes, 0);
}

// Compartment 16 alone at (0.8 / b - 0.8 + 1) + 0.8 a tolerates exactly 1.0
// at GF high 0.8: the surface is just within reach, so the plan goes straight
// up, 45 m at 0.15 m a second in 301 steps as they add up in binary (300 by
// division, 311 with a landing every 3 m), and the no-stop time, holding the
// tissues where they are, ends at its first step. One bit more needs a
// minute at 3 m (the no-stop time still one step); two bits less, and the
// no-stop time never ends.
TEST(DecoPlan, PlainAscentWhereTheSurfaceIsWithinReachAtGfHigh)
{
    const double onTheLimit = 0.8 / 0.9653 - 0.8 + 1.0 + 0.2327 * 0.8;
    const std::tuple<double, double, double, std::vector<DecoStop>, long long, const char *>
            cases[] = {{onTheLimit, 45.0, 9.0, {}, 301, "0"},
                    {std::nextafter(onTheLimit, 2.0), 3.0, 7.5, {{3, 1}}, 84, "0"},
                    {std::nextafter(std::nextafter(onTheLimit, 0.0), 0.0), 45.0, 9.0, {}, 301,
                            "Вечн"}};
    for (const auto &[n2, depth, rate, stops, seconds, noStopTime] : cases) {
        TissueState t;
        t.n2[15] = n2;
        AscentGas gas = nitrogenLoop(0.5, 0.8);
        gas.ascentRateMpm = rate;
        const DecoPlan plan = planAscent(t, depth, gas);
        EXPECT_EQ(plan.stops, stops) << n2;
        EXPECT_EQ(plan.seconds, seconds) << n2;
        TissueState held {};
        held.n2.fill(n2);
        EXPECT_EQ(noDecoForecast(held, n2, 0.0, 0.0, 10, 0.8).text, noStopTime) << n2;
    }
}

// An ascent that cannot move, straight up or towards a stop, and stops that
// never clear (tissues saturated at 21.6 m) end at the first check past a
// day: after a second of climbing, or after a stop's minute.
TEST(DecoPlan, AnAscentPastADayIsForever)
{
    TissueState surface, deco, saturated;
    startTissues(surface, 0.79, 0.0);
    deco.n2[7] = 1.45 / 0.891 + 0.45;
    startTissues(saturated, 3.16, 0.0);
    const std::tuple<TissueState, double, long long> cases[] = {
            {surface, 0.0, 86401}, {deco, 0.0, 86401}, {saturated, 7.5, 86412}};
    for (const auto &[t, rate, seconds] : cases) {
        AscentGas gas = nitrogenLoop(0.5, 0.8);
        gas.ascentRateMpm = rate;
        const DecoPlan plan = planAscent(t, 12.0, gas);
        EXPECT_TRUE(plan.endless);
        EXPECT_EQ(plan.seconds, seconds);
    }
}

TEST(DecoPlan, InertSplitOfTheLoop)
{
    const AscentGas trimix = inertSplit(0.3, 0.9);
    EXPECT_DOUBLE_EQ(trimix.fractionN2, 0.25);
    EXPECT_DOUBLE_EQ(trimix.fractionHe, 0.75);
    const AscentGas oxygen = inertSplit(0.0, 0.0);
    EXPECT_EQ(oxygen.fractionN2, 0.0);
    EXPECT_EQ(oxygen.fractionHe, 0.0);
}

} // namespace
