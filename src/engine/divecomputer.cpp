#include "engine/divecomputer.h"

#include "util/error.h"
#include "util/numtext.h"

namespace {

bool belowTenth(double left, double atStart)
{
    return left < 0.1 * atStart;
}

} // namespace

ExposureView exposureView(const SimulationState &s, RunState run)
{
    ExposureView v;
    if (run == RunState::Idle)
        return v;
    v.cnsPercent = s.oxygen.cnsPercent;
    v.otu = s.oxygen.otu;
    if (s.oxygen.cnsPercent >= 100.0)
        v.cnsLevel = AlertLevel::Red;
    else if (s.oxygen.cnsPercent >= 80.0)
        v.cnsLevel = AlertLevel::Amber;
    v.gf99 = s.gf99;
    v.surfaceGf = s.surfaceGf;
    if (s.surfaceGf >= 100.0)
        v.surfaceGfLevel = AlertLevel::Red;
    else if (s.surfaceGf >= double(s.gradientFactors.high))
        v.surfaceGfLevel = AlertLevel::Amber;
    // The computer knows the loop only through its cells.
    const double ppo2 = s.cells.vote.voted;
    if (ppo2 < 0.16)
        v.warnings.push_back(DiveWarning::Hypoxia);
    else if (ppo2 > 1.6)
        v.warnings.push_back(DiveWarning::Hyperoxia);
    if (s.currentDepthM < s.ceilings.safeAscentDepth)
        v.warnings.push_back(DiveWarning::Ceiling);
    if (belowTenth(s.o2SupplyLeft, s.o2SupplyAtStart))
        v.warnings.push_back(DiveWarning::OxygenLow);
    if (belowTenth(s.dilSupplyLeft, s.dilSupplyAtStart))
        v.warnings.push_back(DiveWarning::DiluentLow);
    return v;
}

CellsView cellsView(const Simulation &simulation, RunState run)
{
    CellsView v;
    if (run == RunState::Idle)
        return v;
    const SimulationState &s = simulation.state();
    for (std::size_t k = 0; k < 3; ++k)
        v.readings[k].setNumber(numtext::nearest2(s.cells.readings[k]));
    v.voted.setNumber(numtext::nearest2(s.cells.vote.voted));
    v.votedOut = s.cells.vote.votedOut;
    v.disagree = s.cells.vote.disagree;
    try {
        const double dilO2Percent = simulation.params().dilO2Percent();
        v.diluentPpo2.setNumber(
                numtext::nearest2(dilO2Percent / 100.0 * (0.1 * s.currentDepthM + 1.0)));
    } catch (const LoopwrightError &) { }
    return v;
}

OutlookView outlookView(const Simulation &simulation)
{
    OutlookView v;
    try {
        const ForecastResult forecast = simulation.liveNoDecoForecast();
        // The forecast has read the field: a second read cannot fail.
        v.negativeConservatismIgnored = simulation.params().conservatism() < 0.0;
        const std::optional<double> minutes = forecastMinutes(forecast.elapsedSeconds);
        v.noStop = minutes ? OutlookView::NoStop::Minutes : OutlookView::NoStop::Endless;
        v.noStopMinutes = minutes.value_or(0.0);
        v.plan = simulation.decoPlan();
        if (!v.plan->stops.empty())
            v.noStop = OutlookView::NoStop::Deco;
    } catch (const LoopwrightError &e) {
        v.status = e.what();
    }
    return v;
}
