#include "deco/plan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

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
    AscentGas gas = inertSplit(0.5, 0.0);
    gas.setpoint = 1.0;
    gas.ascentRateMpm = 7.5; // 0.125 m a second, exact in binary

    const DecoPlan plan = planAscent(t, 10.0, gas);
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
}

TEST(DecoPlan, PlainAscentAndItsRounding)
{
    TissueState t;
    startTissues(t, 0.79, 0.0);
    AscentGas gas = inertSplit(0.79, 0.0);
    gas.setpoint = 1.3;
    gas.ascentRateMpm = 7.5;
    // 20 m at 0.125 m a second: 160 one-second steps, 2 min 40 s, three
    // whole minutes.
    const DecoPlan plan = planAscent(t, 20.0, gas);
    EXPECT_TRUE(plan.stops.empty());
    EXPECT_EQ(plan.seconds, 160);
    EXPECT_EQ(plan.ttsMinutes, 3);
    EXPECT_EQ(planAscent(t, 0.0, gas).ttsMinutes, 0);
}

TEST(DecoPlan, AnAscentThatCannotMoveIsForever)
{
    TissueState t;
    startTissues(t, 0.79, 0.0);
    AscentGas gas = inertSplit(0.79, 0.0);
    gas.setpoint = 1.3;
    gas.ascentRateMpm = 0.0;
    const DecoPlan plan = planAscent(t, 12.0, gas);
    EXPECT_TRUE(plan.endless);
    EXPECT_EQ(plan.seconds, 86401);
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
