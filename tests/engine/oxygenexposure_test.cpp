#include "engine/oxygenexposure.h"

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

} // namespace
