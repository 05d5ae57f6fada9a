#pragma once

#include "deco/compartments.h"

#include <array>

/// Inert gas pressures of the 16 compartments, kg/cm² absolute. Index 0 is
/// compartment 1.
struct TissueState
{
    std::array<double, kCompartmentCount> n2 {};
    std::array<double, kCompartmentCount> he {};
};

/// Sets every compartment to the start pressures (dive button).
void startTissues(TissueState &tissues, double startN2, double startHe);

/// Load fractions 1 - 2^(-dt/T½) of every compartment for one step of
/// \a stepMin minutes. A step length repeats tick after tick, so the
/// fractions are kept and recomputed only when the step changes.
class LoadFractions
{
public:
    void update(double stepMin);
    const std::array<double, kCompartmentCount> &n2() const { return m_n2; }
    const std::array<double, kCompartmentCount> &he() const { return m_he; }

private:
    double m_stepMin = -1.0;
    std::array<double, kCompartmentCount> m_n2 {};
    std::array<double, kCompartmentCount> m_he {};
};

/// Haldane constant-pressure loading over one step, nitrogen of every
/// compartment first, then helium. The conservatism (percent) raises both
/// inspired pressures: p * (1 + c/100), computed as c * (p / 100) + p.
void loadTissues(TissueState &tissues, const LoadFractions &fractions, double ppN2, double ppHe,
        double conservatismPercent);

/// One step of \a tickMs milliseconds (the simulation tick).
void tissueLoadingStep(TissueState &tissues, LoadFractions &fractions, double tickMs, double ppN2,
        double ppHe, double conservatismPercent);
