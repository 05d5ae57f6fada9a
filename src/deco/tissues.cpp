#include "deco/tissues.h"

#include <cmath>

void startTissues(TissueState &tissues, double startN2, double startHe)
{
    tissues.n2.fill(startN2);
    tissues.he.fill(startHe);
}

void LoadFractions::update(double stepMin)
{
    if (stepMin == m_stepMin)
        return;
    m_stepMin = stepMin;
    for (int i = 0; i < kCompartmentCount; ++i) {
        m_n2[i] = 1.0 - std::exp2(-stepMin / kCompartmentTable[i].n2HalfTimeMin);
        m_he[i] = 1.0 - std::exp2(-stepMin / kCompartmentTable[i].heHalfTimeMin);
    }
}

void loadTissues(TissueState &tissues, const LoadFractions &fractions, double ppN2, double ppHe,
        double conservatismPercent)
{
    const double inspiredN2 = conservatismPercent * (ppN2 / 100.0) + ppN2;
    const double inspiredHe = conservatismPercent * (ppHe / 100.0) + ppHe;
    for (int i = 0; i < kCompartmentCount; ++i)
        tissues.n2[i] = tissues.n2[i] + (inspiredN2 - tissues.n2[i]) * fractions.n2()[i];
    for (int i = 0; i < kCompartmentCount; ++i)
        tissues.he[i] = tissues.he[i] + (inspiredHe - tissues.he[i]) * fractions.he()[i];
}

void tissueLoadingStep(TissueState &tissues, LoadFractions &fractions, double tickMs, double ppN2,
        double ppHe, double conservatismPercent)
{
    fractions.update(tickMs / 60000.0);
    loadTissues(tissues, fractions, ppN2, ppHe, conservatismPercent);
}
