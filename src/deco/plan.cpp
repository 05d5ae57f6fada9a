#include "deco/plan.h"

#include "deco/ceilings.h"
#include "util/numtext.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr long long kForeverSeconds = 86400;

} // namespace

AscentGas inertSplit(double loopPPN2, double loopPPHe)
{
    AscentGas gas;
    const double inert = loopPPN2 + loopPPHe;
    if (inert > 0.0) {
        gas.fractionN2 = loopPPN2 / inert;
        gas.fractionHe = 1.0 - gas.fractionN2;
    }
    return gas;
}

DecoPlan planAscent(TissueState tissues, double depthM, const AscentLimits &limits,
        const BreatheSecond &breathe)
{
    const double gl = limits.gfLow;
    const double gh = limits.gfHigh;
    DecoPlan plan;
    double d = depthM;
    long long t = 0;
    // Checked after every increase of t, even one that reached the surface.
    auto passedLimit = [&] {
        if (t > kForeverSeconds)
            plan.endless = true;
        return plan.endless;
    };
    if (safeAscentDepthAt(tissues, gh) <= 0.0) {
        // Nothing holds the diver down: straight up, second by second. The
        // seconds are counted, never worked out by division, as the depth
        // steps add up in binary.
        while (d > 0.0) {
            d = std::max(0.0, d - limits.ascentRateMpm / 60.0);
            breathe(tissues, d);
            t += 1;
            if (passedLimit())
                break;
        }
    } else {
        std::optional<double> firstStop;
        while (d > 0.0) {
            // Not below 0: at a depth of 4.9e-324 m, d / 3 is 0.
            double next = 3.0 * std::ceil(d / 3.0) - 3.0;
            if (next < 0.0)
                next = 0.0;
            // Until the first stop is known the factor is gfLow, and the safe
            // ascent depth at it is the one just found no deeper than next.
            double c = 0.0;
            if (!firstStop) {
                c = safeAscentDepthAt(tissues, gl);
                if (c > next)
                    firstStop = d;
            }
            if (firstStop) {
                // The next stop's factor on the line from gfLow at the first
                // stop to gfHigh at the surface: already above gfLow there.
                const double g = gh + ((gl - gh) * next) / *firstStop;
                c = safeAscentDepthAt(tissues, g);
            }
            if (c > next) {
                for (int s = 0; s < 60; ++s)
                    breathe(tissues, d);
                t += 60;
                if (!plan.stops.empty() && plan.stops.back().depthM == d)
                    ++plan.stops.back().minutes;
                else
                    plan.stops.push_back({d, 1});
                if (passedLimit())
                    break;
                continue;
            }
            do {
                d = std::max(next, d - limits.ascentRateMpm / 60.0);
                breathe(tissues, d);
                t += 1;
            } while (!passedLimit() && d != next);
            if (plan.endless)
                break;
        }
    }
    plan.seconds = t;
    plan.ttsMinutes = int(std::ceil(double(t) / 60.0));
    return plan;
}

DecoPlan planAscent(TissueState tissues, double depthM, const AscentGas &gas)
{
    LoadFractions fractions;
    const BreatheSecond loop = [&fractions, &gas](TissueState &t, double x) {
        const double ambient = 0.1 * x + 1.0;
        const double ppo2 = std::min(gas.setpoint, ambient);
        const double inert = ambient - ppo2;
        tissueLoadingStep(t, fractions, 1000.0, inert * gas.fractionN2, inert * gas.fractionHe,
                gas.conservatismPercent);
    };
    return planAscent(tissues, depthM, {gas.ascentRateMpm, gas.gfLow, gas.gfHigh}, loop);
}

std::string stopDepthText(double depthM)
{
    return numtext::formatGeneral(numtext::nearest1(depthM));
}

std::string planSummary(const DecoPlan &plan)
{
    if (plan.endless)
        return "Вечн";
    std::string text = std::to_string(plan.ttsMinutes);
    for (const DecoStop &stop : plan.stops)
        text += ' ' + stopDepthText(stop.depthM) + '/' + std::to_string(stop.minutes);
    return text;
}
