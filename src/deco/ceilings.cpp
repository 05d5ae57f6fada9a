#include "deco/ceilings.h"

void compartmentCeilings(const TissueState &tissues, std::array<double, kCompartmentCount> &out)
{
    for (int i = 0; i < kCompartmentCount; ++i) {
        const Compartment &c = kCompartmentTable[i];
        const double pN2 = tissues.n2[i];
        const double pHe = tissues.he[i];
        const double sum = pN2 + pHe;
        // Written as selects rather than a branch so the loop vectorises; the
        // weighted form divides 0 by 0 when the sum is 0, and is then unused.
        const bool empty = sum == 0.0;
        const double a = empty ? c.n2CoefA : (c.n2CoefA * pN2 + c.heCoefA * pHe) / sum;
        const double b = empty ? c.n2CoefB : (c.n2CoefB * pN2 + c.heCoefB * pHe) / sum;
        out[i] = (sum - a) * b;
    }
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
