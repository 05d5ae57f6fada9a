#include "rig.h"

#include <gtest/gtest.h>

namespace {

// A loop of 7 l at 30 % oxygen at the surface, one-second ticks, nothing
// acting but what each test switches on.
struct LoopGas : testing::Test
{
    Rig r;
    void SetUp() override
    {
        r.quietLoop();
        r.set(Edit::tickMs, "1000");
    }
};

TEST_F(LoopGas, UptakeTakesOxygenOutOfTheLoop)
{
    r.form.setPosition(Slider::o2Consumption, 10);
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    EXPECT_NEAR(r.state.loopGas, 7.0 - 1.0 / 60.0, 1e-12);
    EXPECT_NEAR(r.state.loopO2Gas, 2.1 - 1.0 / 60.0, 1e-12);
    EXPECT_NEAR(r.state.o2Metabolised, 1.0 / 60.0, 1e-15);
    r.ticks(59);
    EXPECT_NEAR(r.state.o2Metabolised, 1.0, 1e-12);
    EXPECT_EQ(r.sim.view().console.co2.display(), "0,8"); // 0.82 l of carbon dioxide
}

TEST_F(LoopGas, ARegenerativeCartridgeReleasesOxygen)
{
    r.form.setPosition(Slider::o2Consumption, 10);
    r.set(Edit::regenerationRatio, "2");
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    const double uptake = 1.0 / 60.0;
    EXPECT_NEAR(r.state.loopGas, 7.0 + 0.64 * uptake, 1e-12);
}

TEST_F(LoopGas, ConstantFlowsFeedTheLoopAndTheCounters)
{
    r.set(Edit::o2ConstantFlow, "0,6");
    r.set(Edit::dilConstantFlow, "1,2");
    r.set(Edit::o2SupplyVolume, "100");
    r.set(Edit::dilSupplyVolume, "200");
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    EXPECT_NEAR(r.state.loopGas, 7.0 + 0.01 + 0.02, 1e-12);
    EXPECT_NEAR(r.state.o2Used, 0.01, 1e-15);
    EXPECT_NEAR(r.state.dilUsed, 0.02, 1e-15);
    EXPECT_NEAR(r.state.o2SupplyLeft + r.state.o2Used, 100.0, 1e-12);
    EXPECT_NEAR(r.state.dilSupplyLeft + r.state.dilUsed, 200.0, 1e-12);
}

struct SplitCase
{
    const char *dilO2;
    const char *dilHe;
    double n2Share; // of the inert gas
};

class InertSplit : public testing::TestWithParam<SplitCase>
{ };

TEST_P(InertSplit, FollowsTheDiluentWhateverGasWasAdded)
{
    Rig r;
    r.quietLoop();
    r.set(Edit::dilO2Percent, GetParam().dilO2);
    r.set(Edit::dilHePercent, GetParam().dilHe);
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    const SimulationState &s = r.state;
    EXPECT_NEAR(s.loopN2Gas / s.loopInertGas, GetParam().n2Share, 1e-12);
    EXPECT_NEAR(s.loopHeGas / s.loopInertGas, 1.0 - GetParam().n2Share, 1e-12);
    EXPECT_NEAR(s.loopN2Percent + s.loopHePercent, 100.0 - s.loopO2Percent, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Diluents, InertSplit,
        testing::Values(SplitCase {"21", "35", 44.0 / 79.0}, SplitCase {"20,9", "0", 1.0},
                SplitCase {"18", "45", 37.0 / 82.0}, SplitCase {"10", "90", 0.0}));

TEST_F(LoopGas, PartialPressuresScaleWithDepth)
{
    r.set(Edit::startPPO2, "0,5");
    r.form.setPosition(Slider::startDepth, 10);
    r.form.setPosition(Slider::maxDepth, 10);
    r.sim.start();
    EXPECT_EQ(r.state.loopPPO2, 0.5); // not yet scaled to the start depth
    ASSERT_EQ(r.tick(), "");
    EXPECT_NEAR(r.state.loopPPO2, 1.0, 1e-12);
    EXPECT_NEAR(r.state.loopPPN2, 1.0, 1e-12);
}

TEST_F(LoopGas, PureOxygenHasNoInertGas)
{
    r.set(Edit::startPPO2, "1");
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    EXPECT_EQ(r.state.loopN2Gas, 0.0);
    EXPECT_EQ(r.state.loopHeGas, 0.0);
    EXPECT_EQ(r.state.loopPPN2, 0.0);
    EXPECT_EQ(r.state.loopPPHe, 0.0);
}

TEST_F(LoopGas, DivisionsThatCannotBeMadeEndTheTick)
{
    r.set(Edit::dilO2Percent, "100"); // a diluent of pure oxygen with inert gas in the loop
    r.sim.start();
    EXPECT_EQ(r.tick(), "Floating point division by zero");
    EXPECT_EQ(r.state.simClockMs, kSimClockStartMs);
    EXPECT_EQ(r.state.loopPPO2, 0.3); // not yet assigned when the division failed

    Rig empty;
    empty.quietLoop();
    empty.set(Edit::startLoopVolume, "0");
    empty.sim.start();
    EXPECT_EQ(empty.tick(), "Invalid floating point operation");
}

TEST_F(LoopGas, CylindersAreNotLimited)
{
    r.set(Edit::o2SupplyVolume, "0");
    r.set(Edit::o2ConstantFlow, "6");
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    EXPECT_NEAR(r.state.o2SupplyLeft, -0.1, 1e-15);
    EXPECT_EQ(r.text(Edit::o2SupplyVolume), "-0,1");
}

} // namespace
