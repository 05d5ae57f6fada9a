#include "rig.h"

#include "engine/divecomputer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

// One-second ticks at a constant depth, the dive started there.
void diveAt(Rig &r, int depthM)
{
    r.set(Edit::tickMs, "1000");
    r.form.setPosition(Slider::startDepth, depthM);
    r.form.setPosition(Slider::maxDepth, depthM);
    r.sim.start();
}

// At 20 m (P 3,0) and 20 l/min a one-second tick asks 20 × 3 × 1000 / 60000
// = 1 litre. A cylinder that holds less gives what it has and the tick is
// out of gas; the diver goes on breathing the gas's pressures.
TEST(OpenCircuit, GasUseAtAConstantDepthAndACylinderRunningOutMidTick)
{
    const std::tuple<double, int, double, bool, double> cases[] = {
            {2200.0, 60, 2140.0, false, 60.0}, {2.5, 2, 0.5, false, 2.0}, {2.5, 3, 0.0, true, 2.5},
            {2.5, 4, 0.0, true, 2.5},
            {3.0, 3, 0.0, false, 3.0}, // emptied by the last litre it had: not short
            {0.0, 1, 0.0, true, 0.0}}; // not carried: out of gas at once
    for (const auto &[litres, ticks, left, out, delivered] : cases) {
        Rig r;
        r.state.bailout.gases[0].litres = litres;
        diveAt(r, 20);
        r.state.breathing = Breathing::Gas1;
        ASSERT_EQ(r.ticks(ticks), "");
        SCOPED_TRACE(std::to_string(litres) + " l, " + std::to_string(ticks) + " ticks");
        EXPECT_EQ(r.state.bailoutLeft[0], left);
        EXPECT_EQ(r.state.bailoutLeft[1], 1100.0) << "the other cylinder untouched";
        EXPECT_EQ(r.state.outOfGas, out);
        EXPECT_EQ(r.state.bailoutDelivered, delivered);
        EXPECT_NEAR(r.state.breathedPPO2, 0.63, 1e-12);
        EXPECT_NEAR(r.state.breathedPPN2, 2.37, 1e-12);
        EXPECT_EQ(r.state.breathedPPHe, 0.0);
        EXPECT_EQ(breathingView(r.state, RunState::Running).outOfGas, out || left == 0.0);
    }
}

// 18/45 at 30 m (P 4,0): each compartment moves toward 4 × 0,37 nitrogen and
// 4 × 0,45 helium, p = pi + (p0 − pi) 2^(−t / T), from the start's 0,79 and 0.
TEST(OpenCircuit, TissuesLoadFromTheGasAsTheClosedFormSays)
{
    Rig r;
    r.state.bailout.gases[1] = {18.0, 45.0, 2200.0};
    diveAt(r, 30);
    r.state.breathing = Breathing::Gas2;
    ASSERT_EQ(r.ticks(600), "");
    for (const auto &[i, n2Half, heHalf] : {std::tuple {0, 4.0, 1.51}, {15, 635.0, 240.03}}) {
        const std::size_t k = std::size_t(i);
        EXPECT_NEAR(r.state.tissues.n2[k], 1.48 + (0.79 - 1.48) * std::exp2(-10.0 / n2Half), 1e-9);
        EXPECT_NEAR(r.state.tissues.he[k], 1.8 * (1.0 - std::exp2(-10.0 / heHalf)), 1e-9);
    }
    EXPECT_NEAR(r.state.bailoutLeft[1], 2200.0 - 600.0 * 20.0 * 4.0 / 60.0, 1e-9);
}

// Off the loop the diver takes nothing from it: the metabolised oxygen and
// the carbon dioxide stand still while the loop itself stays as it was; back
// on the loop they run again (1 l/min: 1 l and 0,82 l in a minute).
TEST(OpenCircuit, TheMetabolismStandsStill)
{
    Rig r;
    r.quietLoop();
    r.form.setPosition(Slider::o2Consumption, 10);
    diveAt(r, 10);
    r.state.breathing = Breathing::Gas1;
    ASSERT_EQ(r.tick(), "");
    const double loopGas = r.state.loopGas;
    ASSERT_EQ(r.ticks(59), "");
    EXPECT_EQ(r.state.o2Metabolised, 0.0);
    EXPECT_EQ(r.sim.view().console.co2.display(), "0");
    EXPECT_EQ(r.state.loopGas, loopGas);
    r.state.breathing = Breathing::Loop;
    ASSERT_EQ(r.ticks(60), "");
    EXPECT_NEAR(r.state.o2Metabolised, 1.0, 1e-12);
    EXPECT_EQ(r.sim.view().console.co2.display(), "0,8");
    EXPECT_NEAR(r.state.loopGas, loopGas - 1.0, 1e-9);
}

// The 50 % gas at 22 m is breathed at 1,6 exactly: the CNS clock runs at
// 100 % in 45 minutes and the history records 1,6, whatever the loop holds;
// the console and the cells stay on the loop.
TEST(OpenCircuit, ExposureAndHistoryGoByWhatIsBreathed)
{
    Rig r;
    r.quietLoop();
    r.set(Edit::startPPO2, "0,21");
    diveAt(r, 22);
    r.state.breathing = Breathing::Gas2;
    ASSERT_EQ(r.ticks(60), "");
    EXPECT_NEAR(r.state.oxygen.cnsPercent, 100.0 / 45.0, 1e-9);
    EXPECT_EQ(r.history.ppo2()[0], 1.6);
    EXPECT_EQ(r.state.cells.vote.voted, r.state.loopPPO2);
    EXPECT_LT(r.state.loopPPO2, 1.0);
    EXPECT_EQ(r.sim.view().console.ppo2.value(), numtext::nearest2(r.state.loopPPO2));
}

// A bailout acts from the next tick; start and reset put the diver on the
// loop with full cylinders first of all (a start that fails at its last read
// did that much) and take the loop's pressures for the breathed ones last.
TEST(OpenCircuit, ASwitchActsAtTheNextTickAndStartAndResetGoBackToTheLoop)
{
    Rig r;
    diveAt(r, 20);
    const double onLoop = r.state.breathedPPO2;
    EXPECT_EQ(onLoop, r.state.loopPPO2);
    r.state.breathing = Breathing::Gas1;
    EXPECT_EQ(r.state.breathedPPO2, onLoop);
    ASSERT_EQ(r.ticks(5), "");
    EXPECT_EQ(r.state.bailoutLeft[0], 2195.0);
    r.sim.pause();
    r.sim.reset();
    EXPECT_EQ(r.state.breathing, Breathing::Loop);
    EXPECT_EQ(r.state.bailoutLeft[0], 2200.0);
    EXPECT_EQ(r.state.bailoutDelivered, 0.0);
    EXPECT_EQ(r.state.breathedPPO2, 0.0) << "reset's loop";

    r.state.breathing = Breathing::Gas2;
    r.state.bailoutLeft = {1.0, 1.0};
    r.state.bailout.gases[1].litres = 700.0;
    r.state.outOfGas = true;
    r.set(Edit::startTissueHe, "x");
    EXPECT_EQ(r.attempt([&] { r.sim.start(); }), "'x' is not a valid floating point value");
    EXPECT_EQ(r.state.breathing, Breathing::Loop);
    EXPECT_FALSE(r.state.outOfGas);
    EXPECT_EQ(r.state.bailoutLeft[0], 2200.0);
    EXPECT_EQ(r.state.bailoutLeft[1], 700.0);
    EXPECT_EQ(r.state.breathedPPO2, 0.0) << "the last step was not reached";
}

// The bailout plan reads the ascent rate, then the conservatism, whether or
// not a gas is carried; a negative conservatism counts as 0.
TEST(BailoutPlanOfTheDive, ReadsItsFieldsInOrderAndCountsNegativeConservatismAsZero)
{
    Rig r;
    r.set(Edit::startTissueN2, "2");
    diveAt(r, 30);
    r.state.bailout.gases = {BailoutGas {21, 0, 0}, BailoutGas {50, 0, 0}};
    r.set(Edit::ascentRate, "x");
    r.set(Edit::conservatism, "y");
    EXPECT_EQ(r.attempt([&] { r.sim.bailoutPlan(); }), "'x' is not a valid floating point value");
    r.set(Edit::ascentRate, "9");
    EXPECT_EQ(r.attempt([&] { r.sim.bailoutPlan(); }), "'y' is not a valid floating point value");
    r.set(Edit::conservatism, "-20");
    EXPECT_FALSE(r.sim.bailoutPlan());
    r.state.bailout.gases[0].litres = 2200.0;
    const DecoPlan negative = r.sim.bailoutPlan()->ascent;
    r.set(Edit::conservatism, "0");
    EXPECT_EQ(negative.stops, r.sim.bailoutPlan()->ascent.stops);
    EXPECT_FALSE(negative.stops.empty());
    r.set(Edit::conservatism, "20");
    EXPECT_GT(r.sim.bailoutPlan()->ascent.seconds, negative.seconds);
}

} // namespace
