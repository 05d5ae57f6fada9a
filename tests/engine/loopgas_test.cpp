#include "rig.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

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

TEST_F(LoopGas, TheDiverTakesUpNoMoreOxygenThanTheLoopHolds)
{
    r.set(Edit::startPPO2, "0,001"); // 7 ml of oxygen in the loop
    r.set(Edit::regenerationRatio, "1");
    r.form.setPosition(Slider::o2Consumption, 10); // asks 1/60 l per tick
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    EXPECT_NEAR(r.state.o2Metabolised, 0.007, 1e-15);
    EXPECT_NEAR(r.state.loopO2Gas, 0.82 * 0.007, 1e-15); // the cartridge's share of what was taken
    EXPECT_NEAR(r.state.loopGas, 7.0 - 0.18 * 0.007, 1e-15);
    EXPECT_EQ(r.sim.view().console.co2.display(), "0");
}

// A valve closed before the dive stays closed through the dive button (the
// closed-valve cases of each path are below); a reset opens both.
TEST_F(LoopGas, ClosedValvesOutliveTheStartAndAResetOpensThem)
{
    r.set(Edit::dilConstantFlow, "6");
    r.state.dilValveOpen = false;
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    EXPECT_EQ(r.state.dilUsed, 0.0);
    r.sim.pause();
    r.state.o2ValveOpen = false;
    r.set(Edit::startLoopVolume, "x");
    EXPECT_NE(r.attempt([&] { r.sim.reset(); }), "");
    EXPECT_TRUE(r.state.o2ValveOpen) << "reset opens the valves before anything can fail";
    EXPECT_TRUE(r.state.dilValveOpen);
}

// Every way gas leaves a cylinder, with what one one-second tick asks of it.
struct Delivery
{
    const char *path;
    bool oxygen;
    double asked;
    std::optional<Check> lamp;
    void (*arrange)(Rig &);
};

class CylinderDelivery : public testing::TestWithParam<Delivery>
{ };

TEST_P(CylinderDelivery, NeverMoreThanTheCylinderHoldsNorThroughAClosedValve)
{
    const Delivery &d = GetParam();
    const std::tuple<double, bool, double> cases[] = {{100.0, true, d.asked},
            {d.asked, true, d.asked}, {d.asked / 2, true, d.asked / 2}, {0.0, true, 0.0},
            {-1.0, true, 0.0}, {100.0, false, 0.0}};
    for (const auto &[before, open, delivered] : cases) {
        Rig r;
        r.quietLoop();
        r.set(Edit::tickMs, "1000");
        r.sim.start();
        double &left = d.oxygen ? r.state.o2SupplyLeft : r.state.dilSupplyLeft;
        left = before;
        (d.oxygen ? r.state.o2ValveOpen : r.state.dilValveOpen) = open;
        d.arrange(r);
        ASSERT_EQ(r.tick(), "");
        const auto where = testing::Message()
                << d.path << " from " << before << (open ? "" : " closed");
        EXPECT_NEAR(d.oxygen ? r.state.o2Used : r.state.dilUsed, delivered, 1e-15) << where;
        EXPECT_NEAR(left, before - delivered, 1e-12) << where;
        EXPECT_NEAR(r.state.loopGas, 7.0 + delivered, 1e-12) << where;
        EXPECT_NEAR(r.state.loopO2Gas, 2.1 + delivered * (d.oxygen ? 1.0 : 0.209), 1e-12) << where;
        if (d.lamp) {
            EXPECT_FALSE(r.form.isChecked(*d.lamp)) << where << ": the valve still shows";
        }
    }
}

void advThreshold8(Rig &r)
{
    r.form.setLoopDetails({6.0, 1000.0, 0.0, 2.0}); // 8 l: asks 1 l of a 7 l loop at the surface
}

INSTANTIATE_TEST_SUITE_P(Paths, CylinderDelivery,
        testing::Values(Delivery {"O2 constant flow", true, 0.1, {},
                                [](Rig &r) { r.set(Edit::o2ConstantFlow, "6"); }},
                Delivery {"O2 solenoid", true, 40.0 / 60, Check::o2SolenoidLamp,
                        [](Rig &r) { r.form.setChecked(Check::setpoint1Active, true); }},
                Delivery {"O2 stuck solenoid", true, 40.0 / 60, Check::o2SolenoidLamp,
                        [](Rig &r) { r.form.setChecked(Check::o2SolenoidStuck, true); }},
                Delivery {"O2 bypass", true, 40.0 / 60, Check::o2AdvLamp,
                        [](Rig &r) { r.sim.bypassMouse(Bypass::O2, true); }},
                Delivery {"ADV on O2", true, 1.0, Check::o2AdvLamp,
                        [](Rig &r) {
                            advThreshold8(r);
                            r.form.setChecked(Check::advOnOxygen, true);
                        }},
                Delivery {"diluent constant flow", false, 0.1, {},
                        [](Rig &r) { r.set(Edit::dilConstantFlow, "6"); }},
                Delivery {"diluent solenoid", false, 3.0, Check::dilSolenoidLamp,
                        [](Rig &r) {
                            r.form.setChecked(Check::dilSolenoidDisabled, false);
                            r.form.setChecked(Check::setpoint2Active, true);
                            r.state.cells.settle(1.6);
                        }},
                Delivery {"diluent stuck solenoid", false, 3.0, Check::dilSolenoidLamp,
                        [](Rig &r) { r.form.setChecked(Check::dilSolenoidStuck, true); }},
                Delivery {"diluent bypass", false, 3.0, Check::dilAdvLamp,
                        [](Rig &r) { r.sim.bypassMouse(Bypass::Diluent, true); }},
                Delivery {"ADV on diluent", false, 1.0, Check::dilAdvLamp, advThreshold8}));

} // namespace
