#include "engine/oxygenexposure.h"

#include <algorithm>
#include <cmath>

namespace {

// limit = slope * ppo2 + intercept on the first segment whose upper bound
// the PPO2 does not exceed; the last one covers everything above 1.5.
struct Segment
{
    double upTo;
    double slope;
    double intercept;
};

constexpr Segment kSegments[] = {
        {0.6, -1800.0, 1800.0},
        {0.7, -1500.0, 1620.0},
        {0.8, -1200.0, 1410.0},
        {0.9, -900.0, 1170.0},
        {1.1, -600.0, 900.0},
        {1.5, -300.0, 570.0},
};
constexpr Segment kAbove {0.0, -750.0, 1245.0};

} // namespace

double cnsLimitMinutes(double ppo2)
{
    const Segment *segment = &kAbove;
    for (const Segment &s : kSegments) {
        if (ppo2 <= s.upTo) {
            segment = &s;
            break;
        }
    }
    return std::max(1.0, segment->slope * ppo2 + segment->intercept);
}

void OxygenExposure::breathe(double ppo2, double dtMin)
{
    if (ppo2 > 0.5) {
        cnsPercent += 100.0 * dtMin / cnsLimitMinutes(ppo2);
        otu += dtMin * std::pow((ppo2 - 0.5) / 0.5, 0.83);
    } else if (ppo2 <= 0.5) {
        cnsPercent *= std::exp2(-dtMin / 90.0);
    }
}
