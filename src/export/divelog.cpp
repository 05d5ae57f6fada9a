#include "export/divelog.h"

#include "engine/simulation.h"
#include "util/error.h"

#include <algorithm>

namespace {

std::optional<double> activeSetpoint(const ParameterSource &params)
{
    try {
        if (params.setpoint1Active())
            return params.setpoint1();
        if (params.setpoint2Active())
            return params.setpoint2();
    } catch (const LoopwrightError &) {
        // A setpoint that cannot be read is not recorded.
    }
    return std::nullopt;
}

// The plan goes first: with stops there is no no-stop time, and the
// forecast, the costlier of the two on a shallow dive, need not run. A plan
// that cannot be made says nothing about stops, so the forecast still runs,
// as the dive computer shows its no-stop time then.
void addOutlook(const Simulation &simulation, DiveSample &sample)
{
    bool hasStops = false;
    try {
        // On a bailout gas the computer plans the ascent on the bailout gases.
        std::optional<DecoPlan> plan;
        if (simulation.state().breathing == Breathing::Loop)
            plan = simulation.decoPlan();
        else if (const auto bailout = simulation.bailoutPlan())
            plan = bailout->ascent;
        hasStops = plan && !plan->stops.empty();
        if (hasStops && !plan->endless)
            sample.firstStop = plan->stops.front();
    } catch (const LoopwrightError &) { }
    if (hasStops)
        return;
    try {
        // A forecast proved endless gives no no-stop time, nor would one
        // whose step cannot be read: on a shallow dive this spares the
        // forecast's longest run at every sample.
        if (simulation.liveForecastNeverEnds())
            return;
        const ForecastResult forecast = simulation.liveNoDecoForecast();
        if (forecast.elapsedSeconds <= kForecastLimitSeconds)
            sample.noStopSeconds = forecast.elapsedSeconds;
    } catch (const LoopwrightError &) { }
}

} // namespace

void DiveLog::start(const Simulation &simulation)
{
    m_record = {};
    const SimulationState &s = simulation.state();
    m_record.greatestDepthM = s.currentDepthM;
    m_record.highestPpo2 = s.breathedPPO2;
    readMixes(simulation);
    takeSample(simulation, 0);
}

void DiveLog::afterTick(const Simulation &simulation, bool completed)
{
    if (!completed || !holdsDive())
        return;
    const SimulationState &s = simulation.state();
    m_record.greatestDepthM = std::max(m_record.greatestDepthM, s.currentDepthM);
    m_record.highestPpo2 = std::max(m_record.highestPpo2, s.breathedPPO2);
    m_record.durationMs = s.simClockMs - kSimClockStartMs;
    // The diluent and the bailout mixes the dive last had: the tick has just
    // read them.
    readMixes(simulation);
    if (m_record.durationMs >= m_record.samples.back().diveTimeMs + kSampleSpacingMs)
        takeSample(simulation, m_record.durationMs);
}

void DiveLog::takeSample(const Simulation &simulation, std::int64_t diveTimeMs)
{
    const SimulationState &s = simulation.state();
    DiveSample sample;
    sample.diveTimeMs = diveTimeMs;
    sample.depthM = s.currentDepthM;
    sample.ppo2 = s.breathedPPO2;
    sample.breathing = s.breathing;
    sample.setpoint = activeSetpoint(simulation.params());
    sample.cnsPercent = s.oxygen.cnsPercent;
    sample.otu = s.oxygen.otu;
    sample.safeAscentDepthM = s.ceilings.safeAscentDepth;
    sample.cells = s.cells.readings;
    sample.gf99 = s.gf99;
    sample.surfaceGf = s.surfaceGf;
    sample.gradientFactors = s.gradientFactors;
    addOutlook(simulation, sample);
    m_record.samples.push_back(sample);
}

void DiveLog::readMixes(const Simulation &simulation)
{
    try {
        const double o2 = simulation.params().dilO2Percent();
        m_record.diluent = GasMix {o2, simulation.params().dilHePercent()};
    } catch (const LoopwrightError &) { }
    const BailoutGases &bailout = simulation.state().bailout.gases;
    for (std::size_t j = 0; j < 2; ++j)
        m_record.bailout[j] = GasMix {bailout[j].o2Percent, bailout[j].hePercent};
}
