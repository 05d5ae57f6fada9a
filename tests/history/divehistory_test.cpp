#include "history/divehistory.h"

#include <gtest/gtest.h>

namespace {

// Runs \a steps steps of \a tickMs from the clock's start, recording the step
// number as the depth so that each entry tells which step wrote it.
DiveHistory runSteps(int steps, int tickMs)
{
    DiveHistory h;
    std::int64_t clock = kSimClockStartMs;
    for (int step = 1; step <= steps; ++step) {
        h.record(clock, step, 1.0, 0.0);
        clock += tickMs;
    }
    return h;
}

TEST(DiveHistory, FirstStepWritesEntryZeroAndMinutesFollow)
{
    const DiveHistory h = runSteps(121, 1000);
    EXPECT_EQ(h.count(), 2);
    EXPECT_EQ(h.depth()[0], 1.0);
    EXPECT_EQ(h.depth()[1], 61.0); // clock start + 60 000
    EXPECT_EQ(h.depth()[2], 121.0);
}

TEST(DiveHistory, StepsThatDoNotDivideAMinuteDrift)
{
    const DiveHistory h = runSteps(1 + 86 * 3, 700);
    ASSERT_EQ(h.count(), 3);
    EXPECT_EQ(h.depth()[1], 87.0);
    EXPECT_EQ(h.depth()[2], 173.0);
    EXPECT_EQ(h.lastSampleTimeMs(), kSimClockStartMs + 3 * 60200);
}

TEST(DiveHistory, FullRecordOverwritesOnlyTheLastEntry)
{
    const DiveHistory h = runSteps(60 * 602 + 1, 1000);
    EXPECT_EQ(h.count(), 600);
    EXPECT_EQ(h.depth()[599], 60.0 * 599 + 1);
    EXPECT_EQ(h.depth()[600], 60.0 * 602 + 1);
}

TEST(DiveHistory, SafeDepthIsNeverNegative)
{
    DiveHistory h;
    h.record(kSimClockStartMs, 10.0, 1.0, -3.5);
    EXPECT_EQ(h.safeDepth()[0], 0.0);
    h.record(kSimClockStartMs + 60000, 10.0, 1.0, 4.2);
    EXPECT_EQ(h.safeDepth()[1], 4.2);
}

TEST(DiveHistory, ClearKeepsTheSampleTimeAndTheNextDiveStartsAtEntryZero)
{
    DiveHistory h = runSteps(200, 1000);
    const auto last = h.lastSampleTimeMs();
    h.clear();
    EXPECT_EQ(h.count(), 0);
    EXPECT_EQ(h.depth()[1], 0.0);
    EXPECT_EQ(h.lastSampleTimeMs(), last);
    h.record(kSimClockStartMs, 5.0, 0.7, 0.0);
    EXPECT_EQ(h.count(), 0);
    EXPECT_EQ(h.depth()[0], 5.0);
}

} // namespace
