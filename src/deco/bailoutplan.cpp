#include "deco/bailoutplan.h"

#include <algorithm>
#include <cmath>

namespace {

bool usableAt(const BailoutGas &gas, double pressure)
{
    const double ppo2 = pressure * gas.fractionO2();
    return gas.carried() && 0.16 <= ppo2 && ppo2 <= 1.6;
}

// The choice at the ambient pressure \a p; one gas at least is carried.
int gasAtPressure(const BailoutGases &gases, double p)
{
    const bool first = usableAt(gases[0], p);
    const bool second = usableAt(gases[1], p);
    if (first && second)
        return gases[1].fractionO2() > gases[0].fractionO2() ? 1 : 0;
    if (first)
        return 0;
    if (second)
        return 1;
    return gases[0].carried() ? 0 : 1;
}

} // namespace

std::optional<int> bailoutGasAt(const BailoutGases &gases, double depthM)
{
    if (!gases[0].carried() && !gases[1].carried())
        return std::nullopt;
    return gasAtPressure(gases, 0.1 * depthM + 1.0);
}

std::optional<BailoutPlan> planBailout(const TissueState &tissues, double depthM,
        const BailoutAscent &ascent, const std::array<double, 2> &contents)
{
    const BailoutGases &gases = ascent.gases;
    if (!gases[0].carried() && !gases[1].carried())
        return std::nullopt;
    struct Inert
    {
        double n2;
        double he;
    };
    const std::array<Inert, 2> inert {Inert {gases[0].fractionN2(), gases[0].fractionHe()},
            Inert {gases[1].fractionN2(), gases[1].fractionHe()}};
    LoadFractions fractions;
    std::array<double, 2> need {0.0, 0.0};
    const double conservatism = ascent.conservatismPercent;
    const double rmv = ascent.rmvLpm;
    const BreatheSecond openCircuit = [&](TissueState &t, double x) {
        const double p = 0.1 * x + 1.0;
        const int j = gasAtPressure(gases, p);
        tissueLoadingStep(t, fractions, 1000.0, p * inert[j].n2, p * inert[j].he, conservatism);
        need[std::size_t(j)] += rmv * p / 60.0;
    };
    BailoutPlan plan;
    plan.ascent = planAscent(tissues, depthM, ascent.limits, openCircuit);
    for (std::size_t j = 0; j < 2; ++j) {
        BailoutGasNeed &g = plan.gases[j];
        g.carried = gases[j].carried();
        g.needL = need[j];
        g.contentL = contents[j];
        g.enough = g.needL <= g.contentL;
    }
    return plan;
}

long long wholeNeedLitres(double needL)
{
    return static_cast<long long>(std::ceil(needL));
}

long long wholeContentLitres(double contentL)
{
    return static_cast<long long>(std::floor(std::max(contentL, 0.0)));
}

std::string bailoutPlanSummary(const std::optional<BailoutPlan> &plan)
{
    if (!plan)
        return kNoBailoutGasText;
    std::string text = planSummary(plan->ascent);
    if (plan->ascent.endless)
        return text;
    text += " |";
    for (std::size_t j = 0; j < 2; ++j) {
        const BailoutGasNeed &g = plan->gases[j];
        if (g.carried)
            text += ' ' + std::to_string(j + 1) + ':' + std::to_string(wholeNeedLitres(g.needL))
                    + '/' + std::to_string(wholeContentLitres(g.contentL));
    }
    return text;
}
