#include "engine/divecomputer.h"
#include "engine/oxygencells.h"

#include "rig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kNaN = NAN;

struct VoteCase
{
    double r1, r2, r3;
    double voted;
    int out;
    bool disagree;
};

// Readings chosen so that every step of the vote is exact in binary.
TEST(CellVote, AtItsEdges)
{
    const VoteCase cases[] = {{1.3, 1.3, 1.3, 1.3, 0, false}, // all equal
            {0.0, 0.0, 0.0, 0.0, 0, false}, // and all zero
            {1.5, 1.25, 1.25, 4.0 / 3.0, 0, false}, // exactly 20 % off m: stays in
            {1.5000000000000002, 1.25, 1.25, 1.25, 1, false}, // just beyond: out
            {0.0, 1.125, 1.375, 1.25, 1, false}, // the others exactly 20 % of m apart
            {0.0, 1.0, 1.5, 2.5 / 3.0, 1, true}, // the others further apart
            {1.0, 1.25, 1.5, 1.375, 1, false}, // a tie: the lower cell is judged
            {1.5, 1.25, 1.0, 1.25, 1, true}, // the same tie the other way round
            {1.2, 1.2, 1.6, 1.2, 3, false}, // two limited cells out-vote the true one
            {0.0, 0.0, 1.2, 0.0, 3, false}, // two dead ones: m is 0
            {kNaN, 1.0, 1.0, kNaN, 0, false}, {1.0, 1.0, kNaN, kNaN, 0, false}};
    for (const VoteCase &c : cases) {
        const CellVote v = voteCells(c.r1, c.r2, c.r3);
        const auto row = testing::Message() << c.r1 << " " << c.r2 << " " << c.r3;
        if (std::isnan(c.voted))
            EXPECT_TRUE(std::isnan(v.voted)) << row;
        else
            EXPECT_EQ(v.voted, c.voted) << row;
        EXPECT_EQ(v.votedOut, c.out) << row;
        EXPECT_EQ(v.disagree, c.disagree) << row;
    }
}

TEST(CellTarget, DeadStuckSensitivityAndLimit)
{
    CellSettings dead;
    dead.condition = CellCondition::Dead;
    dead.stuckAt = 0.9;
    CellSettings stuck = dead;
    stuck.condition = CellCondition::Stuck;
    CellSettings weak;
    weak.sensitivity = 0.75;
    CellSettings limited;
    limited.limited = true;
    limited.limit = 1.2;
    EXPECT_EQ(cellTarget(dead, kNaN), 0.0);
    EXPECT_EQ(cellTarget(stuck, 1.5), 0.9);
    EXPECT_EQ(cellTarget(weak, 1.5), 1.125);
    EXPECT_EQ(cellTarget(limited, 1.5), 1.2);
    EXPECT_EQ(cellTarget(limited, 1.1), 1.1);
    EXPECT_TRUE(std::isnan(cellTarget(limited, kNaN)));
    limited.sensitivity = 2.0;
    EXPECT_EQ(cellTarget(limited, 0.5), 1.0) << "the limit holds the product down";
    EXPECT_EQ(cellTarget(limited, 0.7), 1.2);
}

// A quiet loop at 0,3 on the surface: the loop's PPO2 does not move, so a
// slow cell's reading follows r(t) = T + (r0 - T) · 2^(-t / h) exactly.
TEST(CellLag, FollowsItsClosedFormWithTheNormalisedTickLength)
{
    for (const auto &[tickText, dt] : {std::pair {"1000", 1.0}, {"250", 0.25}, {"4", 0.01}}) {
        Rig r;
        r.quietLoop();
        r.set(Edit::tickMs, tickText);
        r.state.cells.apply(0, CellAction::Slow, 30.0);
        r.sim.start();
        EXPECT_EQ(r.state.cells.readings[0], 0.3) << "the dive button settles without lag";
        r.state.cells.apply(0, CellAction::Stuck, 1.3);
        for (int n = 1; n <= 200; ++n) {
            ASSERT_EQ(r.tick(), "");
            ASSERT_NEAR(r.state.cells.readings[0], 1.3 - 1.0 * std::exp2(-n * dt / 30.0), 1e-12)
                    << tickText << " ms, tick " << n;
            ASSERT_EQ(
                    r.sim.view().console.ppo2.value(), numtext::nearest2(r.state.cells.vote.voted))
                    << "the read-out shows this tick's vote";
        }
        EXPECT_EQ(r.state.cells.readings[1], 0.3);
    }
}

TEST(Cells, ACommandWaitsForTheNextStepAndStuckNowKeepsTheReading)
{
    OxygenCells cells;
    cells.settle(1.0);
    cells.apply(1, CellAction::Dead);
    EXPECT_EQ(cells.readings[1], 1.0);
    EXPECT_EQ(cells.vote, (CellVote {1.0, 0, false}));
    cells.step(1.0, 1.0);
    EXPECT_EQ(cells.readings[1], 0.0);
    EXPECT_EQ(cells.vote.votedOut, 2);
    cells.apply(0, CellAction::StuckNow);
    cells.step(1.5, 1.0);
    EXPECT_EQ(cells.readings[0], 1.0);
    EXPECT_EQ(cells.readings[2], 1.5);
    cells.apply(0, CellAction::Ok);
    cells.apply(0, CellAction::Limit, 1.2);
    EXPECT_FALSE(cells.settings()[0].isOk());
    cells.apply(0, CellAction::NoLimit);
    EXPECT_TRUE(cells.settings()[0].isOk());
    // A new half-time counts from the next step, the tick length unchanged:
    // half way in one half-time of 1 s, then 1 - 2^-0.5 of the rest at 2 s.
    OxygenCells slow;
    slow.settle(0.0);
    slow.apply(0, CellAction::Slow, 1.0);
    slow.step(1.0, 1.0);
    EXPECT_EQ(slow.readings[0], 0.5);
    slow.apply(0, CellAction::Slow, 2.0);
    slow.step(1.0, 1.0);
    EXPECT_DOUBLE_EQ(slow.readings[0], 0.5 + 0.5 * (1.0 - std::exp2(-0.5)));
}

// Start and reset set the readings as their last step; reset makes the
// cells OK right after it opens the valves. A handler or tick that fails
// before its cell step leaves readings and vote as they were.
TEST(Cells, StartResetAndFailingTicks)
{
    Rig r;
    EXPECT_EQ(r.state.cells.vote, (CellVote {0.0, 0, false}));
    r.state.cells.apply(2, CellAction::Limit, 0.25);
    r.state.cells.apply(1, CellAction::Slow, 30.0);
    r.set(Edit::startTissueHe, "x"); // the last thing the dive button reads
    EXPECT_NE(r.attempt([&] { r.sim.start(); }), "");
    EXPECT_EQ(r.state.cells.readings, (std::array {0.0, 0.0, 0.0})) << "start failed at its end";
    r.set(Edit::startTissueHe, "0");
    r.sim.start();
    EXPECT_EQ(r.state.cells.readings, (std::array {0.3, 0.3, 0.25}));
    EXPECT_EQ(r.state.cells.vote.voted, (0.3 + 0.3 + 0.25) / 3);

    r.set(Edit::dilO2Percent, "x"); // read at the start of the tick
    r.form.setPosition(Slider::maxDepth, 10);
    EXPECT_NE(r.tick(), "");
    EXPECT_EQ(r.state.cells.readings, (std::array {0.3, 0.3, 0.25}));
    r.set(Edit::dilO2Percent, "21");
    r.set(Edit::conservatism, "x"); // read after the cell step
    EXPECT_NE(r.tick(), "");
    EXPECT_EQ(r.state.cells.readings[0], r.state.loopPPO2);
    EXPECT_NE(r.state.cells.readings[1], r.state.loopPPO2);

    r.sim.pause();
    r.set(Edit::startLoopVolume, "x");
    EXPECT_NE(r.attempt([&] { r.sim.reset(); }), "");
    EXPECT_TRUE(r.state.cells.settings()[2].isOk() && r.state.cells.settings()[1].isOk());
    EXPECT_EQ(r.state.cells.readings[2], 0.25) << "the reset failed before its end";
    r.set(Edit::startLoopVolume, "7");
    r.sim.reset();
    EXPECT_EQ(r.state.cells.readings, (std::array {0.0, 0.0, 0.0}));
}

// Setpoint 1,3 at 30 m on air with cells 1 and 2 limited at 1,2: the
// controller keeps adding oxygen, the true cell is voted out, and the diver
// breathes above 1,6 while the console, the colour and the warnings say 1,2.
TEST(Cells, TwoLimitedCellsDriveTheLoopAboveWhatTheyShow)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.set(Edit::setpoint1, "1,3");
    r.set(Edit::o2SolenoidFlow, "2");
    r.form.setPosition(Slider::o2Consumption, 10);
    r.form.setPosition(Slider::maxDepth, 30);
    r.sim.start();
    ASSERT_EQ(r.ticks(600), "");
    EXPECT_NEAR(r.state.loopPPO2, 1.3, 0.1);
    r.state.cells.apply(0, CellAction::Limit, 1.2);
    r.state.cells.apply(1, CellAction::Limit, 1.2);
    int ticks = 0;
    while (r.state.loopPPO2 <= 1.6 && ticks < 600) {
        ASSERT_EQ(r.tick(), "");
        ++ticks;
    }
    ASSERT_GT(r.state.loopPPO2, 1.6);
    EXPECT_EQ(r.state.cells.vote, (CellVote {1.2, 3, false}));
    EXPECT_EQ(r.sim.view().console.ppo2.value(), 1.2);
    EXPECT_EQ(r.sim.view().console.ppo2Colour, kPpo2Red);
    EXPECT_FALSE(r.form.isChecked(Check::o2SolenoidLamp)) << "the solenoid still fires";
    EXPECT_TRUE(exposureView(r.state, RunState::Running).warnings.empty());
    r.set(Edit::setpoint1, "1,2");
    ASSERT_EQ(r.tick(), "");
    EXPECT_EQ(r.sim.view().console.ppo2Colour, kPpo2Blue) << "the colour goes by the vote too";
    r.state.cells.apply(0, CellAction::Stuck, 2.0);
    r.state.cells.apply(1, CellAction::Stuck, 2.0);
    ASSERT_EQ(r.tick(), "");
    EXPECT_EQ(r.sim.view().console.ppo2Colour, kPpo2Red) << "judged on this tick's vote";
}

// Without a setpoint box the ascent plan holds the PPO2 the cells vote: a
// richer vote plans shorter stops, whatever the loop holds.
TEST(Cells, ThePlanWithoutASetpointHoldsTheVote)
{
    Rig r;
    r.form.setChecked(Check::setpoint1Active, false);
    r.set(Edit::startTissueN2, "2");
    r.form.setPosition(Slider::startDepth, 30);
    r.form.setPosition(Slider::maxDepth, 30);
    r.sim.start();
    ASSERT_EQ(r.tick(), "");
    r.state.cells.vote.voted = 0.4;
    const DecoPlan lean = r.sim.decoPlan();
    r.state.cells.vote.voted = 1.4;
    EXPECT_LT(r.sim.decoPlan().ttsMinutes, lean.ttsMinutes);
}

} // namespace
