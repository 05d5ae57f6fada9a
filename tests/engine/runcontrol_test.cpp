#include "rig.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

TEST(RunControl, SpeedShortensTheTimersWait)
{
    const std::tuple<const char *, int, int> cases[] = {{"100", 0, 100}, {"100", 99, 1},
            {"10", 99, 1}, {"50", 5, 48}, {"50", 7, 46}, {"5", 0, 10}, {"2000", 50, 500}};
    for (const auto &[tickMs, speed, interval] : cases) {
        Rig r;
        r.set(Edit::tickMs, tickMs);
        r.form.setPosition(Slider::simSpeed, speed);
        r.sim.start();
        EXPECT_EQ(r.tick(), "");
        EXPECT_EQ(r.sim.view().controls.timerIntervalMs, interval) << tickMs << " at " << speed;
    }
}

TEST(RunControl, TheTickWritesTheLimitsBack)
{
    const std::tuple<Edit, const char *, const char *> cases[] = {{Edit::tickMs, "5", "10"},
            {Edit::tickMs, "2000", "1000"}, {Edit::tickMs, "1000", "1000"},
            {Edit::tickMs, "10", "10"}, {Edit::tickMs, " 50", " 50"},
            {Edit::decoStepSeconds, "0", "1"}, {Edit::decoStepSeconds, "61", "60"},
            {Edit::decoStepSeconds, "60", "60"}, {Edit::decoStepSeconds, "1", "1"},
            {Edit::conservatism, "", "0"}, {Edit::conservatism, "15", "15"}};
    for (const auto &[field, typed, shown] : cases) {
        Rig r;
        r.sim.start();
        r.set(field, typed);
        EXPECT_EQ(r.tick(), "");
        EXPECT_EQ(r.text(field), shown) << "typed '" << typed << "'";
    }
}

// Start, pause, continue, reset, the two bypasses, the graph, the timer.
using Enables = std::array<bool, 8>;

void expectEnables(const RunControls &c, Enables e, const char *when)
{
    EXPECT_EQ((Enables {c.startEnabled, c.pauseEnabled, c.continueEnabled, c.resetEnabled,
                      c.o2BypassEnabled, c.dilBypassEnabled, c.graphEnabled, c.timerOn}),
            e)
            << when;
}

TEST(RunControl, EnabledStatesThroughADive)
{
    Rig r;
    const RunControls &c = r.sim.view().controls;
    expectEnables(c, {true, false, false, true, false, false, false, false}, "program start");
    EXPECT_EQ(c.timerIntervalMs, 1000);
    EXPECT_EQ(runState(c), RunState::Idle);
    r.sim.start();
    expectEnables(c, {false, true, false, false, true, true, false, true}, "start");
    EXPECT_EQ(runState(c), RunState::Running);
    r.sim.pause();
    expectEnables(c, {false, false, true, true, false, false, true, false}, "pause");
    EXPECT_EQ(runState(c), RunState::Paused);
    r.state.dilBypassAvailable = false;
    r.sim.resume();
    // Continue enables the diluent bypass whatever the type allows; the next
    // tick puts it right.
    expectEnables(c, {false, true, false, false, true, true, false, true}, "continue");
    r.tick();
    EXPECT_FALSE(c.dilBypassEnabled);
    r.sim.pause();
    r.sim.reset();
    expectEnables(c, {true, false, false, true, false, false, false, false}, "reset");
    EXPECT_EQ(runState(c), RunState::Idle);
    r.sim.start();
    EXPECT_FALSE(c.dilBypassEnabled) << "an O2 CCR has no diluent bypass";
}

// A fast descent stops at the target rather than passing it and creeping
// back at a slow ascent rate; a fast ascent likewise.
TEST(RunControl, DepthComesToRestExactlyAtTheTarget)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.set(Edit::descentRate, "40");
    r.set(Edit::ascentRate, "5");
    r.form.setPosition(Slider::maxDepth, 11);
    r.sim.start();
    r.tick();
    EXPECT_NEAR(r.state.currentDepthM, 2.0 / 3.0, 1e-15);
    r.ticks(15);
    EXPECT_LT(r.state.currentDepthM, 11.0);
    r.tick(); // 17 ticks of 2/3 m would reach 11.33 m
    EXPECT_EQ(r.state.currentDepthM, 11.0);
    r.ticks(5);
    EXPECT_EQ(r.state.currentDepthM, 11.0);
    r.set(Edit::descentRate, "5");
    r.set(Edit::ascentRate, "40");
    r.form.setPosition(Slider::maxDepth, 10);
    r.tick();
    EXPECT_NEAR(r.state.currentDepthM, 11.0 - 2.0 / 3.0, 1e-12);
    r.tick();
    EXPECT_EQ(r.state.currentDepthM, 10.0);
}

// The safe ascent depth a tick shows and records belongs to the tissues that
// tick has loaded, not to those of the tick before.
TEST(RunControl, TheSafeDepthIsThatOfTheTissuesJustLoaded)
{
    Rig r;
    r.set(Edit::startTissueN2, "3,16"); // saturated at 30 m, now at the surface
    r.sim.start();
    r.tick();
    Ceilings loaded;
    computeCeilings(r.state.tissues, loaded);
    EXPECT_EQ(r.state.ceilings.safeAscentDepth, loaded.safeAscentDepth);
}

TEST(RunControl, ClockAdvancesByTheTickWhateverTheSpeed)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.form.setPosition(Slider::simSpeed, 50);
    r.sim.start();
    EXPECT_EQ(r.sim.view().console.diveTime.display(), "0.00.00");
    r.ticks(90);
    EXPECT_EQ(r.sim.view().console.diveTime.display(), "0:01:30");
    EXPECT_EQ(r.state.simClockMs, kSimClockStartMs + 90000);
}

TEST(RunControl, PauseAndContinueLeaveTheDiveAlone)
{
    Rig r;
    r.form.setPosition(Slider::maxDepth, 20);
    r.sim.start();
    r.ticks(30);
    const SimulationState before = r.state;
    r.sim.pause();
    r.sim.resume();
    EXPECT_EQ(r.state.simClockMs, before.simClockMs);
    EXPECT_EQ(r.state.currentDepthM, before.currentDepthM);
    EXPECT_EQ(r.state.loopGas, before.loopGas);
    EXPECT_EQ(r.state.tissues.n2, before.tissues.n2);
}

TEST(RunControl, ResetBringsTheNextDiveBackToTheStart)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.form.setPosition(Slider::maxDepth, 20);
    r.form.setPosition(Slider::o2Consumption, 10);
    r.sim.start();
    r.ticks(70);
    r.form.setChecked(Check::o2SolenoidStuck, true);
    r.sim.pause();
    r.set(Edit::startTissueN2, "0,8x");
    r.sim.reset();

    const ConsoleView &v = r.sim.view().console;
    EXPECT_EQ(r.form.position(Slider::maxDepth), 0);
    EXPECT_EQ(r.form.position(Slider::o2Consumption), 0);
    EXPECT_EQ(r.form.sliderLabel(Slider::o2Consumption), "0");
    EXPECT_EQ(r.state.o2ConsumptionLpm, 0.0);
    EXPECT_EQ(v.o2Used.display(), "0");
    EXPECT_EQ(v.ppo2.display(), "N/A");
    EXPECT_EQ(v.pphe.display(), "N/A");
    EXPECT_EQ(v.diveTime.display(), "");
    EXPECT_EQ(v.diverTop, 73);
    EXPECT_EQ(r.state.simClockMs, kSimClockStartMs);
    EXPECT_EQ(r.state.o2Used, 0.0);
    EXPECT_EQ(r.state.loopGas, 7.0);
    EXPECT_FALSE(r.form.isChecked(Check::o2SolenoidStuck));
    for (Check lamp : {Check::opvLamp, Check::o2SolenoidLamp, Check::dilSolenoidLamp,
                 Check::o2AdvLamp, Check::dilAdvLamp})
        EXPECT_TRUE(r.form.isChecked(lamp));
    EXPECT_EQ(r.history.count(), 0);
    EXPECT_EQ(r.history.depth()[1], 0.0);
    EXPECT_EQ(r.sim.view().deco.n2Cells[0].display(), "0,8x");
    EXPECT_EQ(r.sim.view().deco.ceilingCells[3].display(), "0");
    EXPECT_FALSE(r.sim.view().controls.startDepthLocked);

    r.set(Edit::startTissueN2, "0,79");
    r.sim.start();
    r.tick();
    EXPECT_EQ(r.history.depth()[0], 0.0); // entry 0 again: the clock was back at its start
    EXPECT_EQ(r.state.simClockMs, kSimClockStartMs + 1000);
}

TEST(RunControl, AStartThatFailsHasAlreadyMovedTheButtons)
{
    Rig r;
    r.set(Edit::o2SupplyVolume, "");
    EXPECT_EQ(r.attempt([&] { r.sim.start(); }), "'' is not a valid floating point value");
    const RunControls &c = r.sim.view().controls;
    EXPECT_FALSE(c.startEnabled);
    EXPECT_FALSE(c.resetEnabled);
    EXPECT_TRUE(c.pauseEnabled);
    EXPECT_FALSE(c.timerOn);
    r.sim.pause();
    r.sim.reset();
    EXPECT_EQ(runState(c), RunState::Idle);
    EXPECT_TRUE(c.startEnabled);
    r.set(Edit::o2SupplyVolume, "100");
    r.set(Edit::startTissueN2, "n");
    r.set(Edit::startTissueHe, "he");
    EXPECT_EQ(r.attempt([&] { r.sim.start(); }), "'n' is not a valid floating point value");
}

TEST(RunControl, StartFillsEmptyFieldsAndStartsTheTissues)
{
    Rig r;
    r.set(Edit::dilConstantFlow, "");
    r.set(Edit::presetName, "");
    r.set(Edit::startTissueN2, "1,2");
    r.set(Edit::startTissueHe, "0.3");
    r.sim.start();
    EXPECT_EQ(r.text(Edit::dilConstantFlow), "0");
    EXPECT_EQ(r.text(Edit::presetName), "0");
    for (int i = 0; i < kCompartmentCount; ++i) {
        EXPECT_EQ(r.state.tissues.n2[i], 1.2);
        EXPECT_EQ(r.state.tissues.he[i], 0.3);
    }
}

TEST(RunControl, AFailingReadEndsTheTickAtItsStep)
{
    Rig r;
    r.form.setPosition(Slider::maxDepth, 30);
    r.sim.start();
    r.tick();
    const std::int64_t clock = r.state.simClockMs;
    r.set(Edit::o2ConstantFlow, "abc");
    EXPECT_EQ(r.tick(), "'abc' is not a valid floating point value");
    EXPECT_EQ(r.state.currentDepthM, 0.1); // the depth moved before the failing step
    EXPECT_EQ(r.state.simClockMs, clock); // the clock did not
    EXPECT_TRUE(r.sim.view().controls.timerOn);
    EXPECT_EQ(r.tick(), "'abc' is not a valid floating point value");
    r.set(Edit::o2ConstantFlow, "0,8");
    EXPECT_EQ(r.tick(), "");
    EXPECT_EQ(r.state.simClockMs, clock + 100);
}

TEST(RunControl, ABadTickLengthFailsBeforeAnythingMoves)
{
    Rig r;
    r.form.setPosition(Slider::maxDepth, 30);
    r.sim.start();
    r.set(Edit::tickMs, "1,5");
    EXPECT_EQ(r.tick(), "'1,5' is not a valid integer value");
    EXPECT_EQ(r.state.currentDepthM, 0.0);
    r.set(Edit::tickMs, "100");
    r.set(Edit::decoStepSeconds, "x");
    EXPECT_EQ(r.tick(), "'x' is not a valid integer value");
    EXPECT_EQ(r.state.currentDepthM, 0.05);
    EXPECT_EQ(r.sim.view().console.depth.display(), "0"); // readouts of this tick are done
    EXPECT_EQ(r.state.tissues.n2[0], 0.79); // the tissues are not
}

TEST(RunControl, StartDepthSliderFollowsTheDiverAndLocksOnceMoved)
{
    Rig r;
    r.form.setPosition(Slider::startDepth, 12);
    r.form.setPosition(Slider::maxDepth, 12);
    r.sim.start();
    EXPECT_EQ(r.state.currentDepthM, 12.0);
    r.tick();
    EXPECT_FALSE(r.sim.view().controls.startDepthLocked);
    r.form.setPosition(Slider::startDepth, 40); // a drag while not locked
    r.tick();
    EXPECT_EQ(r.form.position(Slider::startDepth), 12);
    EXPECT_EQ(r.sim.view().console.diverTop, 111); // nearest(12 * 4.81) + 53
    r.form.setPosition(Slider::maxDepth, 20);
    r.tick();
    EXPECT_TRUE(r.sim.view().controls.startDepthLocked);
}

TEST(RunControl, CylinderFieldsShowWhatIsLeft)
{
    Rig r;
    r.set(Edit::o2SupplyVolume, "100");
    r.set(Edit::o2ConstantFlow, "60"); // 0.1 l per 100 ms tick
    r.form.setChecked(Check::setpoint1Active, false);
    r.sim.start();
    r.tick();
    EXPECT_EQ(r.text(Edit::o2SupplyVolume), "99,9");
    r.set(Edit::o2SupplyVolume, "5000"); // typing during a dive changes nothing
    r.tick();
    EXPECT_EQ(r.text(Edit::o2SupplyVolume), "99,8");
    r.set(Edit::o2ConstantFlow, "6"); // the constant flow changes from the next tick
    r.tick();
    EXPECT_NEAR(r.state.o2SupplyLeft, 99.79, 1e-9);
    r.sim.pause();
    r.sim.reset();
    r.sim.start();
    EXPECT_EQ(r.state.o2SupplyLeft, 99.8); // the next dive starts with what the field shows
}

TEST(RunControl, AZeroMaximumLoopVolumeEndsTheTickAtTheCounterlung)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.set(Edit::maxLoopVolume, "0");
    r.sim.start();
    EXPECT_EQ(r.tick(), "Floating point division by zero");
    EXPECT_EQ(r.state.simClockMs, kSimClockStartMs);
    EXPECT_EQ(r.sim.view().console.counterlung, CounterlungLook::Blank);
    EXPECT_EQ(r.tick(), "Floating point division by zero");

    Rig empty;
    empty.quietLoop();
    empty.set(Edit::maxLoopVolume, "0");
    empty.set(Edit::startLoopVolume, "0,01");
    empty.set(Edit::startPPO2, "1");
    empty.sim.start();
    EXPECT_EQ(empty.tick(), "Invalid floating point operation"); // the label shows 0 as well
}

TEST(RunControl, HistoryTakesAMinuteSample)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.form.setPosition(Slider::maxDepth, 5);
    r.sim.start();
    r.ticks(60);
    EXPECT_EQ(r.history.count(), 0);
    r.tick();
    EXPECT_EQ(r.history.count(), 1);
    EXPECT_EQ(r.history.depth()[1], 5.0);
    EXPECT_EQ(r.history.ppo2()[1], r.state.loopPPO2);
}

TEST(RunControl, BypassButtonsActOnlyWhileEnabled)
{
    Rig r;
    r.sim.bypassMouse(Bypass::O2, true);
    EXPECT_FALSE(r.state.o2BypassHeld);
    r.sim.start();
    r.sim.bypassMouse(Bypass::O2, true);
    EXPECT_TRUE(r.state.o2BypassHeld);
    r.sim.bypassMouse(Bypass::O2, false);
    EXPECT_FALSE(r.state.o2BypassHeld);
    r.state.dilBypassAvailable = false;
    r.tick();
    r.sim.bypassMouse(Bypass::Diluent, true);
    EXPECT_FALSE(r.state.dilBypassHeld);
}

TEST(Forecast, PressedBetweenTicksUsesTheTicksLimits)
{
    Rig r;
    r.set(Edit::decoStepSeconds, "0"); // would never reach the forecast's bound
    r.sim.updateNoDecoTime();
    EXPECT_EQ(r.text(Edit::decoStepSeconds), "1");
    EXPECT_EQ(r.sim.view().deco.noDecoTime, "Вечн");

    r.set(Edit::decoStepSeconds, "abc");
    EXPECT_EQ(r.attempt([&] { r.sim.updateNoDecoTime(); }), "'abc' is not a valid integer value");
    EXPECT_EQ(r.state.noDecoTimeText, "Вечн");
}

// Surface-saturated, straight to 30 m on air: 15,5 minutes without a stop, 12,2
// with a conservatism of 10. The text stays until the next press.
TEST(Forecast, FromTheLoopAndTissuesOfTheLastTick)
{
    Rig r;
    r.quietLoop();
    r.set(Edit::startPPO2, "0,21");
    r.set(Edit::dilO2Percent, "21");
    r.form.setPosition(Slider::startDepth, 30);
    r.form.setPosition(Slider::maxDepth, 30);
    r.sim.start();
    EXPECT_EQ(r.tick(), "");
    r.sim.updateNoDecoTime();
    EXPECT_EQ(r.sim.view().deco.noDecoTime, "15,5");
    r.set(Edit::conservatism, "10");
    r.sim.updateNoDecoTime();
    EXPECT_EQ(r.state.noDecoTimeText, "12,2");
    r.tick();
    EXPECT_EQ(r.sim.view().deco.noDecoTime, "12,2");
    r.sim.pause();
    r.sim.reset();
    EXPECT_EQ(r.sim.view().deco.noDecoTime, "12,2");
}

} // namespace
