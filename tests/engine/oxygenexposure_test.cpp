#include "engine/divecomputer.h"
#include "engine/oxygenexposure.h"
#include "rig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(OxygenExposure, LimitsAtTheTablePointsAndBetween)
{
    const struct
    {
        double ppo2, minutes;
    } points[] = {{0.55, 810}, {0.6, 720}, {0.7, 570}, {0.8, 450}, {0.9, 360}, {1.0, 300},
            {1.1, 240}, {1.3, 180}, {1.5, 120}, {1.6, 45}, {1.66, 1}, {2.5, 1}};
    for (const auto &p : points)
        EXPECT_NEAR(cnsLimitMinutes(p.ppo2), p.minutes, 1e-9) << p.ppo2;
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
    EXPECT_EQ(v.cns, "80");
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
    EXPECT_EQ(v.warnings, (std::vector<std::string> {"ГИПЕРОКСИЯ", "ПОТОЛОК", "ДИЛЮЕНТ < 10 %"}));
    s.cells.vote.voted = 0.159;
    s.o2SupplyLeft = -1.0;
    EXPECT_EQ(exposureView(s, RunState::Running).warnings,
            (std::vector<std::string> {
                    "ГИПОКСИЯ", "ПОТОЛОК", "КИСЛОРОД < 10 %", "ДИЛЮЕНТ < 10 %"}));
}

// The plan reads the ascent rate, then the conservatism, then the active
// setpoint; a field it cannot read blanks the outlook and says why.
TEST(DiveComputer, OutlookOfADiveAndOfABadField)
{
    Rig r;
    r.sim.start();
    r.ticks(3);
    OutlookView v = outlookView(r.sim);
    EXPECT_EQ(v.tts, "0 мин") << "at the surface";
    EXPECT_EQ(v.firstStop, "нет");
    EXPECT_EQ(v.status, "");
    r.set(Edit::ascentRate, "x");
    r.set(Edit::conservatism, "y");
    EXPECT_EQ(r.attempt([&] { r.sim.decoPlan(); }), "'x' is not a valid floating point value");
    v = outlookView(r.sim);
    EXPECT_EQ(v.status, "'y' is not a valid floating point value") << "the forecast reads it first";
    r.set(Edit::conservatism, "0");
    v = outlookView(r.sim);
    EXPECT_EQ(v.status, "'x' is not a valid floating point value");
    EXPECT_NE(v.noDecoTime, "—");
    EXPECT_EQ(v.tts, "—");
}

} // namespace
