#include "rig.h"

#include <gtest/gtest.h>

namespace {

constexpr double kO2PerTick = 40.0 / 600.0; // O2 solenoid, 100 ms ticks
constexpr double kDilPerTick = 180.0 / 600.0; // diluent solenoid

// Forwards to a memory form but reports both setpoint boxes checked, which
// the boxes' own reactions never allow from the window.
class BothSetpoints final : public ParameterSource
{
public:
    BothSetpoints() : ParameterSource({0.0, 1000.0, 0.0, 0.0}) { }
    MemoryForm form;
    std::string_view text(Edit f) const override { return form.text(f); }
    void setText(Edit f, std::string_view t) override { form.setText(f, t); }
    int position(Slider s) const override { return form.position(s); }
    void setPosition(Slider s, int p) override { form.setPosition(s, p); }
    bool isChecked(Check c) const override { return isSetpointBox(c) || form.isChecked(c); }
    void setChecked(Check c, bool v) override { form.setChecked(c, v); }
};

struct Valves : testing::Test
{
    Rig r;
    void SetUp() override
    {
        r.quietLoop();
        r.sim.start();
    }
    // One tick with the PPO2 that the previous tick is taken to have left,
    // read by healthy cells.
    void tickAt(double ppo2)
    {
        r.state.loopPPO2 = ppo2;
        r.state.cells.settle(ppo2);
        ASSERT_EQ(r.tick(), "");
    }
    bool lamp(Check c) const { return r.form.isChecked(c); }
};

// Setpoint 1 (1,0) with its band up to 1,05: oxygen below, diluent above
// when its solenoid is on, one tick's flow each.
TEST(SetpointControl, OneTickOfFlowOutsideTheBand)
{
    const std::tuple<double, bool, double, double> cases[] = {{0.99, false, kO2PerTick, 0.0},
            {1.0, true, 0.0, 0.0}, {1.05, true, 0.0, 0.0}, {1.06, true, 0.0, kDilPerTick},
            {1.06, false, 0.0, 0.0}};
    for (const auto &[ppo2, dilSolenoidOn, o2Added, dilAdded] : cases) {
        Rig r;
        r.quietLoop();
        r.form.setChecked(Check::setpoint1Active, true);
        r.form.setChecked(Check::dilSolenoidDisabled, !dilSolenoidOn);
        r.sim.start();
        r.state.loopPPO2 = ppo2;
        r.state.cells.settle(ppo2);
        ASSERT_EQ(r.tick(), "");
        EXPECT_NEAR(r.state.o2Used, o2Added, 1e-15) << ppo2;
        EXPECT_NEAR(r.state.dilUsed, dilAdded, 1e-15) << ppo2 << (dilSolenoidOn ? "" : " off");
        EXPECT_EQ(r.form.isChecked(Check::o2SolenoidLamp), o2Added == 0.0);
        EXPECT_EQ(r.form.isChecked(Check::dilSolenoidLamp), dilAdded == 0.0);
    }
}

TEST(SetpointControlBoth, EachActiveSetpointActsOnItsOwn)
{
    for (const auto &[ppo2, o2, dil] :
            {std::tuple {1.2, kO2PerTick, kDilPerTick}, std::tuple {0.9, 2 * kO2PerTick, 0.0}}) {
        BothSetpoints source;
        source.form.setChecked(Check::dilSolenoidDisabled, false);
        source.form.setText(Edit::o2ConstantFlow, "0");
        SimulationState state;
        DiveHistory history;
        Simulation sim(source, state, history);
        sim.start();
        state.loopPPO2 = ppo2;
        state.cells.settle(ppo2);
        sim.tick();
        EXPECT_NEAR(state.o2Used, o2, 1e-15) << ppo2;
        EXPECT_NEAR(state.dilUsed, dil, 1e-15) << ppo2;
        EXPECT_FALSE(source.form.isChecked(Check::o2SolenoidLamp));
        EXPECT_EQ(source.form.isChecked(Check::dilSolenoidLamp), dil == 0.0);
    }
}

TEST_F(Valves, StuckSolenoidsDeliverWhateverElseSays)
{
    r.form.setChecked(Check::dilSolenoidStuck, true); // the diluent solenoid is also switched off
    r.form.setChecked(Check::o2SolenoidStuck, true);
    tickAt(1.0);
    EXPECT_NEAR(r.state.dilUsed, kDilPerTick, 1e-15);
    EXPECT_NEAR(r.state.o2Used, kO2PerTick, 1e-15);
    EXPECT_FALSE(lamp(Check::dilSolenoidLamp));
    EXPECT_FALSE(lamp(Check::o2SolenoidLamp));
}

TEST_F(Valves, BypassesDeliverTheirFlow)
{
    r.sim.bypassMouse(Bypass::Diluent, true);
    r.sim.bypassMouse(Bypass::O2, true);
    tickAt(1.0);
    EXPECT_NEAR(r.state.dilUsed, kDilPerTick, 1e-15);
    EXPECT_NEAR(r.state.o2Used, kO2PerTick, 1e-15);
    r.set(Edit::dilBypassFlow, "0");
    r.set(Edit::o2BypassFlow, "0");
    r.ticks(6); // past the lamp refresh
    EXPECT_NEAR(r.state.dilUsed, kDilPerTick, 1e-15);
    EXPECT_TRUE(lamp(Check::dilAdvLamp)) << "no diluent flow, no lamp";
    EXPECT_NEAR(r.state.o2Used, kO2PerTick, 1e-15);
    EXPECT_FALSE(lamp(Check::o2AdvLamp)) << "the oxygen bypass opens its lamp all the same";
}

TEST_F(Valves, LampsCloseOnEverySixthTickUnlessTheValveKeepsActing)
{
    r.form.setChecked(Check::o2SolenoidStuck, true);
    tickAt(1.0);
    r.form.setChecked(Check::o2SolenoidStuck, false);
    for (int t = 2; t <= 5; ++t) {
        tickAt(1.0);
        EXPECT_FALSE(lamp(Check::o2SolenoidLamp)) << "tick " << t;
    }
    tickAt(1.0);
    EXPECT_TRUE(lamp(Check::o2SolenoidLamp)) << "closed by the sixth tick's refresh";

    r.form.setChecked(Check::o2SolenoidStuck, true);
    for (int t = 0; t < 12; ++t) {
        tickAt(1.0);
        EXPECT_FALSE(lamp(Check::o2SolenoidLamp));
    }
}

class AutomaticValve : public testing::TestWithParam<bool>
{ };

TEST_P(AutomaticValve, RestoresExactlyTheThresholdOnDescent)
{
    const bool onOxygen = GetParam();
    Rig r;
    r.quietLoop();
    r.form.setLoopDetails({6.0, 1.0, 6.0, 2.0}); // threshold 8 l
    r.set(Edit::startLoopVolume, "8");
    r.form.setChecked(Check::advOnOxygen, onOxygen);
    r.form.setPosition(Slider::maxDepth, 10);
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    const double ambient = 1.005;
    EXPECT_NEAR(r.state.loopGas / ambient, 8.0, 1e-12);
    EXPECT_NEAR(onOxygen ? r.state.o2Used : r.state.dilUsed, 8.0 * ambient - 8.0, 1e-12);
    EXPECT_EQ(r.form.isChecked(Check::o2AdvLamp), !onOxygen);
    EXPECT_EQ(r.form.isChecked(Check::dilAdvLamp), onOxygen);
}

INSTANTIATE_TEST_SUITE_P(Feeds, AutomaticValve, testing::Bool());

TEST(OverPressureValve, VentsTheExcessOnAscentKeepingTheMix)
{
    Rig r;
    r.quietLoop();
    r.form.setLoopDetails({6.0, 1.0, 6.0, 2.0}); // vents above 9 l
    r.set(Edit::startLoopVolume, "18");
    r.form.setPosition(Slider::startDepth, 10);
    r.form.setPosition(Slider::maxDepth, 10);
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    EXPECT_TRUE(r.form.isChecked(Check::opvLamp)) << "9 l is not above the threshold";
    r.form.setPosition(Slider::maxDepth, 5);
    ASSERT_EQ(r.tick(), "");
    EXPECT_NEAR(r.state.loopGas / (0.1 * r.state.currentDepthM + 1.0), 9.0, 1e-12);
    EXPECT_NEAR(r.state.loopO2Percent, 30.0, 1e-12);
    EXPECT_FALSE(r.form.isChecked(Check::opvLamp));
}

TEST(OverPressureValve, LampClosesAtTheEleventhQuietTick)
{
    Rig r;
    r.quietLoop();
    r.form.setLoopDetails({6.0, 1.0, 6.0, 2.0});
    r.set(Edit::startLoopVolume, "10");
    r.sim.start();
    ASSERT_EQ(r.tick(), ""); // vents from 10 to 9 l
    EXPECT_FALSE(r.form.isChecked(Check::opvLamp));
    r.ticks(10);
    EXPECT_FALSE(r.form.isChecked(Check::opvLamp));
    r.tick();
    EXPECT_TRUE(r.form.isChecked(Check::opvLamp));
}

} // namespace
