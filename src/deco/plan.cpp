#include "deco/plan.h"

#include "deco/ceilings.h"
#include "util/numtext.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long long kForeverSeconds = 86400;

class Ascent
{
public:
    Ascent(TissueState tissues, const AscentGas &gas) : m_tissues(tissues), m_gas(gas) { }

    // One second breathing the loop at depth x.
    void breatheSecond(double x)
    {
        const double ambient = 0.1 * x + 1.0;
        const double ppo2 = std::min(m_gas.setpoint, ambient);
        const double inert = ambient - ppo2;
        tissueLoadingStep(m_tissues, m_fractions, 1000.0, inert * m_gas.fractionN2,
                inert * m_gas.fractionHe, m_gas.conservatismPercent);
    }

    double safeAscentDepth()
    {
        computeCeilings(m_tissues, m_ceilings);
        return m_ceilings.safeAscentDepth;
    }

private:
    TissueState m_tissues;
    AscentGas m_gas;
    LoadFractions m_fractions;
    Ceilings m_ceilings;
};

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

DecoPlan planAscent(TissueState tissues, double depthM, const AscentGas &gas)
{
    Ascent ascent(tissues, gas);
    DecoPlan plan;
    double d = depthM;
    long long t = 0;
    // Checked after every increase of t, even one that reached the surface.
    auto passedLimit = [&] {
        if (t > kForeverSeconds)
            plan.endless = true;
        return plan.endless;
    };
    while (d > 0.0) {
        double next = 3.0 * std::ceil(d / 3.0) - 3.0;
        if (next < 0.0)
            next = 0.0;
        if (ascent.safeAscentDepth() > next) {
            for (int s = 0; s < 60; ++s)
                ascent.breatheSecond(d);
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
            d = std::max(next, d - gas.ascentRateMpm / 60.0);
            ascent.breatheSecond(d);
            t += 1;
        } while (!passedLimit() && d != next);
        if (plan.endless)
            break;
    }
    plan.seconds = t;
    plan.ttsMinutes = int(std::ceil(double(t) / 60.0));
    return plan;
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
