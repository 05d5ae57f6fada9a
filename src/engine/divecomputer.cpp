#include "engine/divecomputer.h"

#include "util/error.h"
#include "util/numtext.h"

namespace {

bool belowTenth(double left, double atStart)
{
    return left < 0.1 * atStart;
}

// On a bailout gas whose cylinder gave out in the last tick or holds nothing
// for the next.
bool outOfGas(const SimulationState &s)
{
    return s.breathing != Breathing::Loop
            && (s.outOfGas || s.bailoutLeft[gasIndex(s.breathing)] <= 0.0);
}

BailoutOutlook bailoutOutlook(const std::optional<BailoutPlan> &plan)
{
    BailoutOutlook b;
    if (!plan) {
        b.status = BailoutOutlook::Status::NoGas;
        return b;
    }
    if (plan->ascent.endless) {
        b.status = BailoutOutlook::Status::Endless;
        return b;
    }
    b.status = BailoutOutlook::Status::Planned;
    b.ttsMinutes = plan->ascent.ttsMinutes;
    b.stops = plan->ascent.stops;
    for (std::size_t j = 0; j < 2; ++j) {
        const BailoutGasNeed &g = plan->gases[j];
        b.gases[j] = {
                g.carried, wholeNeedLitres(g.needL), wholeContentLitres(g.contentL), g.enough};
    }
    return b;
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
    // The computer knows the loop only through its cells; a bailout gas by
    // its mix and the depth.
    const double ppo2 = s.breathing == Breathing::Loop ? s.cells.vote.voted : s.breathedPPO2;
    if (outOfGas(s))
        v.warnings.push_back(DiveWarning::OutOfGas);
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

BreathingView breathingView(const SimulationState &s, RunState run)
{
    BreathingView v;
    if (run == RunState::Idle)
        return v;
    v.diving = true;
    v.breathing = s.breathing;
    v.gases = s.bailout.gases;
    for (std::size_t j = 0; j < 2; ++j)
        v.litresLeft[j] = wholeContentLitres(s.bailoutLeft[j]);
    v.outOfGas = outOfGas(s);
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
        // The bailout plan first: a setpoint that cannot be read spoils only
        // the loop's plan.
        const std::optional<BailoutPlan> bailout = simulation.bailoutPlan();
        v.bailout = bailoutOutlook(bailout);
        if (simulation.state().breathing == Breathing::Loop)
            v.plan = simulation.decoPlan();
        else if (bailout)
            v.plan = bailout->ascent;
        if (v.plan && !v.plan->stops.empty())
            v.noStop = OutlookView::NoStop::Deco;
    } catch (const LoopwrightError &e) {
        v.status = e.what();
    }
    return v;
}
