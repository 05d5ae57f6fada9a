#include "deco/ceilings.h"
#include "engine/divecomputer.h"
#include "engine/oxygenexposure.h"
#include "rig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

TEST(OxygenExposure, LimitsAtTheTablePointsAndBetween)
{
    const std::pair<double, double> points[] = {{0.55, 810}, {0.6, 720}, {0.7, 570}, {0.8, 450},
            {0.9, 360}, {1.0, 300}, {1.1, 240}, {1.3, 180}, {1.5, 120}, {1.6, 45}, {1.66, 1},
            {2.5, 1}};
    for (const auto &[ppo2, minutes] : points)
        EXPECT_NEAR(cnsLimitMinutes(ppo2), minutes, 1e-9) << ppo2;
}

TEST(OxygenExposure, ConstantPpo2ForAKnownTime)
{
    // 150 minutes at 1.0 is half the limit; OTU at 1.0 is one a minute.
    OxygenExposure e;
    for (int i = 0; i < 1500; ++i)
        e.breathe(1.0, 0.1);
    EXPECT_NEAR(e.cnsPercent, 50.0, 1e-9);
    EXPECT_NEAR(e.otu, 150.0, 1e-9);

    // 90 minutes at 0.5 or below halve the CNS clock and add no OTU.
    for (int i = 0; i < 900; ++i)
        e.breathe(0.5, 0.1);
    EXPECT_NEAR(e.cnsPercent, 25.0, 1e-9);
    EXPECT_NEAR(e.otu, 150.0, 1e-9);

    // 1.5 for 10 minutes: 10 / 120 of the limit, 10 * 2^0.83 OTU.
    OxygenExposure high;
    high.breathe(1.5, 10.0);
    EXPECT_NEAR(high.cnsPercent, 100.0 / 12.0, 1e-9);
    EXPECT_NEAR(high.otu, 10.0 * std::pow(2.0, 0.83), 1e-9);

    const OxygenExposure before = e;
    e.breathe(std::nan(""), 1.0);
    EXPECT_EQ(e.cnsPercent, before.cnsPercent);
    EXPECT_EQ(e.otu, before.otu);
}

// The PPO2 warnings go by the cells' vote, whatever the loop holds.
TEST(DiveComputer, WarningsAtTheirEdges)
{
    SimulationState s;
    s.o2SupplyAtStart = s.dilSupplyAtStart = 100.0;
    s.o2SupplyLeft = s.dilSupplyLeft = 10.0; // exactly a tenth: no warning yet
    s.loopPPO2 = 2.0;
    s.cells.vote.voted = 0.16;
    s.oxygen.cnsPercent = 79.6; // shows "80" but is not yet 80
    EXPECT_EQ(exposureView(s, RunState::Idle), ExposureView {}) << "no dive, no read-outs";
    ExposureView v = exposureView(s, RunState::Paused);
    EXPECT_EQ(v.cnsPercent, 79.6);
    EXPECT_EQ(v.cnsLevel, AlertLevel::Normal);
    EXPECT_TRUE(v.warnings.empty());

    s.cells.vote.voted = 1.6;
    s.loopPPO2 = 0.1;
    s.oxygen.cnsPercent = 80.0;
    s.currentDepthM = 3.0;
    s.ceilings.safeAscentDepth = 3.0;
    EXPECT_EQ(exposureView(s, RunState::Running).cnsLevel, AlertLevel::Amber);
    EXPECT_TRUE(exposureView(s, RunState::Running).warnings.empty());

    s.cells.vote.voted = 1.61;
    s.oxygen.cnsPercent = 100.0;
    s.ceilings.safeAscentDepth = 3.1;
    s.dilSupplyLeft = 9.99;
    v = exposureView(s, RunState::Running);
    EXPECT_EQ(v.cnsLevel, AlertLevel::Red);
    using W = DiveWarning;
    EXPECT_EQ(v.warnings, (std::vector {W::Hyperoxia, W::Ceiling, W::DiluentLow}));
    s.cells.vote.voted = 0.159;
    s.o2SupplyLeft = -1.0;
    EXPECT_EQ(exposureView(s, RunState::Running).warnings,
            (std::vector {W::Hypoxia, W::Ceiling, W::OxygenLow, W::DiluentLow}));
}

// The plan reads the ascent rate, then the conservatism, then the active
// setpoint; a field it cannot read blanks the outlook and says why. At the
// surface on air the no-stop time never ends; with stops it is "deco".
TEST(DiveComputer, OutlookOfADiveAndOfABadField)
{
    Rig r;
    r.sim.start();
    r.ticks(3);
    OutlookView v = outlookView(r.sim);
    EXPECT_EQ(v.noStop, OutlookView::NoStop::Endless);
    EXPECT_EQ(v.plan, (DecoPlan {false, 0, 0, {}})) << "at the surface";
    EXPECT_EQ(v.status, "");
    r.set(Edit::ascentRate, "x");
    r.set(Edit::conservatism, "y");
    EXPECT_EQ(r.attempt([&] { r.sim.decoPlan(); }), "'x' is not a valid floating point value");
    v = outlookView(r.sim);
    EXPECT_EQ(v.status, "'y' is not a valid floating point value") << "the forecast reads it first";
    r.set(Edit::conservatism, "0");
    v = outlookView(r.sim);
    EXPECT_EQ(v.status, "'x' is not a valid floating point value");
    EXPECT_EQ(v.noStop, OutlookView::NoStop::Endless);
    EXPECT_EQ(v.plan, std::nullopt);

    // Tissues of 2 at 9 m on the default 50/80: compartment 16 tolerates
    // (2 - 0,2327 x 0,5) / (0,5 / 0,9653 + 0,5) = 1,85, 8,5 m, below the
    // next stop at 6 m: the first stop is here.
    r.set(Edit::ascentRate, "9");
    r.state.tissues.n2.fill(2.0);
    r.state.currentDepthM = 9.0;
    v = outlookView(r.sim);
    EXPECT_EQ(v.noStop, OutlookView::NoStop::Deco);
    ASSERT_TRUE(v.plan && !v.plan->stops.empty());
    EXPECT_EQ(v.plan->stops.front().depthM, 9.0);
    r.state.currentDepthM = 3.0;
    v = outlookView(r.sim);
    EXPECT_EQ(v.noStop, OutlookView::NoStop::Deco) << "a single stop is decompression too";
    ASSERT_TRUE(v.plan);
    EXPECT_EQ(v.plan->stops.size(), 1u);
}

// GF99 and the surface GF come from the tissues of the last completed tick,
// at its depth and at 1.0; the dive button and reset zero them, and a tick
// that fails after loading the tissues keeps them. Surface GF 80 turns amber
// at 50/80, red at 100.
TEST(DiveComputer, GradientFactorsOfTheLastCompletedTick)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.set(Edit::startTissueN2, "3,16");
    r.form.setPosition(Slider::maxDepth, 10);
    r.sim.start();
    ASSERT_EQ(r.ticks(120), "");
    r.form.setPosition(Slider::maxDepth, 0); // on the way up from 10 m
    ASSERT_EQ(r.ticks(10), "");
    const SimulationState &s = r.state;
    ASSERT_GT(s.currentDepthM, 5.0);
    EXPECT_EQ(s.gf99, leadingGradientFactor(s.tissues, 0.1 * s.currentDepthM + 1.0));
    EXPECT_EQ(s.surfaceGf, leadingGradientFactor(s.tissues, 1.0));
    EXPECT_GT(s.surfaceGf, s.gf99);
    EXPECT_GT(s.gf99, 0.0);
    const double kept = s.surfaceGf;
    r.set(Edit::maxLoopVolume, "0"); // fails at the counterlung, after the tissues
    EXPECT_EQ(r.tick(), "Floating point division by zero");
    EXPECT_NE(leadingGradientFactor(s.tissues, 1.0), kept);
    EXPECT_EQ(s.surfaceGf, kept);

    const std::tuple<int, double, AlertLevel> looks[] = {{80, 79.9, AlertLevel::Normal},
            {80, 80.0, AlertLevel::Amber}, {70, 70.0, AlertLevel::Amber},
            {100, 99.9, AlertLevel::Normal}, {70, 100.0, AlertLevel::Red}};
    for (const auto &[high, surfaceGf, level] : looks) {
        r.state.gradientFactors = {30, high};
        r.state.surfaceGf = surfaceGf;
        EXPECT_EQ(exposureView(s, RunState::Paused).surfaceGfLevel, level) << surfaceGf;
    }
    r.sim.pause();
    r.sim.reset();
    EXPECT_EQ(s.gf99 + s.surfaceGf, 0.0);
    EXPECT_EQ(s.gradientFactors, (GradientFactors {30, 70})) << "a setting, not the dive's";
    r.state.surfaceGf = 5.0;
    r.sim.start();
    EXPECT_EQ(s.surfaceGf, 0.0);
}

// The dive computer's plan and no-stop time count a negative conservatism as
// 0 and say so; the forecast button still uses it as typed.
TEST(DiveComputer, NegativeConservatismCountsAsZero)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.form.setPosition(Slider::maxDepth, 30);
    r.sim.start();
    ASSERT_EQ(r.ticks(60), "");
    const auto outlook = [&](const char *conservatism) {
        r.set(Edit::conservatism, conservatism);
        r.sim.updateNoDecoTime();
        return std::tuple(planSummary(r.sim.decoPlan()), r.sim.liveNoDecoForecast().elapsedSeconds,
                outlookView(r.sim).negativeConservatismIgnored, r.state.noDecoTimeText);
    };
    const auto [plan0, noStop0, ignored0, button0] = outlook("0");
    const auto [planNeg, noStopNeg, ignoredNeg, buttonNeg] = outlook("-10");
    EXPECT_EQ(noStopNeg, noStop0);
    EXPECT_FALSE(ignored0);
    EXPECT_TRUE(ignoredNeg);
    EXPECT_NE(buttonNeg, button0);
    r.state.gradientFactors = {10, 80};
    EXPECT_EQ(r.sim.liveNoDecoForecast().elapsedSeconds, noStop0) << "GF high alone counts";
    r.state.gradientFactors = {50, 100};
    EXPECT_GT(r.sim.liveNoDecoForecast().elapsedSeconds, noStop0);
    r.state.gradientFactors = {};

    startTissues(r.state.tissues, 1.6, 0.0); // stops at 6 and 3 m
    EXPECT_EQ(std::get<0>(outlook("-10")), std::get<0>(outlook("0")));
    EXPECT_NE(std::get<0>(outlook("10")), std::get<0>(outlook("0")));
}

} // namespace
