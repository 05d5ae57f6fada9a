#include "deco/ceilings.h"

#include <algorithm>

namespace {

// The inert pressure S of compartment i and its a and b, weighted by the
// nitrogen and helium pressures; a compartment holding no inert gas at all
// takes the nitrogen coefficients.
struct Mixed
{
    double sum;
    double a;
    double b;
};

inline Mixed mixed(const TissueState &tissues, int i)
{
    const Compartment &c = kCompartmentTable[i];
    const double pN2 = tissues.n2[i];
    const double pHe = tissues.he[i];
    const double sum = pN2 + pHe;
    // Written as selects rather than a branch so the loops vectorise; the
    // weighted form divides 0 by 0 when the sum is 0, and is then unused.
    const bool empty = sum == 0.0;
    const double a = empty ? c.n2CoefA : (c.n2CoefA * pN2 + c.heCoefA * pHe) / sum;
    const double b = empty ? c.n2CoefB : (c.n2CoefB * pN2 + c.heCoefB * pHe) / sum;
    return {sum, a, b};
}

} // namespace

void compartmentCeilings(const TissueState &tissues, std::array<double, kCompartmentCount> &out)
{
    for (int i = 0; i < kCompartmentCount; ++i) {
        const Mixed m = mixed(tissues, i);
        out[i] = (m.sum - m.a) * m.b;
    }
}

void compartmentCeilings(
        const TissueState &tissues, double g, std::array<double, kCompartmentCount> &out)
{
    if (g == 1.0) {
        compartmentCeilings(tissues, out);
        return;
    }
    for (int i = 0; i < kCompartmentCount; ++i) {
        const Mixed m = mixed(tissues, i);
        out[i] = (m.sum - m.a * g) / (g / m.b - g + 1.0);
    }
}

double safeAscentDepthAt(const TissueState &tissues, double g)
{
    std::array<double, kCompartmentCount> ceiling {};
    compartmentCeilings(tissues, g, ceiling);
    return depthOfPressure(ceiling[governingCompartment(ceiling) - 1]);
}

GradientFactorPair leadingGradientFactors(const TissueState &tissues, double p, double q)
{
    // One pass for both pressures, written with selects so that it
    // vectorises as the ceilings do; the greatest is picked afterwards.
    std::array<double, kCompartmentCount> atP {};
    std::array<double, kCompartmentCount> atQ {};
    for (int i = 0; i < kCompartmentCount; ++i) {
        const Mixed m = mixed(tissues, i);
        const double gp = 100.0 * (m.sum - p) / (p / m.b + m.a - p);
        const double gq = 100.0 * (m.sum - q) / (q / m.b + m.a - q);
        atP[i] = m.sum > p ? gp : 0.0;
        atQ[i] = m.sum > q ? gq : 0.0;
    }
    GradientFactorPair greatest;
    for (int i = 0; i < kCompartmentCount; ++i) {
        greatest.atP = std::max(greatest.atP, atP[i]);
        greatest.atQ = std::max(greatest.atQ, atQ[i]);
    }
    return greatest;
}

double leadingGradientFactor(const TissueState &tissues, double p)
{
    return leadingGradientFactors(tissues, p, p).atP;
}

int governingCompartment(const std::array<double, kCompartmentCount> &ceiling)
{
    int governing = 0;
    for (int i = 0; i < kCompartmentCount; ++i) {
        if (ceiling[i] > ceiling[governing])
            governing = i;
    }
    return governing + 1;
}

void computeCeilings(const TissueState &tissues, Ceilings &out)
{
    compartmentCeilings(tissues, out.ceiling);
    out.governing = governingCompartment(out.ceiling);
    out.maxCeiling = out.ceiling[out.governing - 1];
    out.safeAscentDepth = depthOfPressure(out.maxCeiling);
}
