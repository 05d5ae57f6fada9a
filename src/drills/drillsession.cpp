#include "drills/drillsession.h"

#include <algorithm>
#include <cmath>

double drawMinutes(std::mt19937_64 &engine, double fromMinutes, double toMinutes)
{
    constexpr double kLargest53 = 9007199254740991.0; // 2^53 - 1
    // The width times the top 53 bits first, then the division: another
    // order rounds differently, and the same seed must draw the same time
    // for whoever recomputes it from the documented formula.
    const double top53 = double(engine() >> 11);
    return fromMinutes + (toMinutes - fromMinutes) * top53 / kLargest53;
}

DrillSession::DrillSession(Drill drill, Simulation &simulation, Mode mode, std::uint64_t seed,
        std::vector<DrillEvent> response)
    : m_drill(std::move(drill)), m_sim(simulation), m_mode(mode), m_seed(seed),
      m_response(std::move(response))
{ }

std::int64_t DrillSession::diveTimeMs() const
{
    return m_sim.state().simClockMs - kSimClockStartMs;
}

void DrillSession::begin()
{
    const SimulationState &s = m_sim.state();
    m_end = DrillEnd::None;
    // The times drawn first, in file order, then every line in the order it
    // falls due, so that each tick looks at the next one only; a stable sort
    // keeps file order among equal times, the drill's lines first.
    std::mt19937_64 engine(m_seed);
    m_drawn.clear();
    m_due.clear();
    for (std::size_t i = 0; i < m_drill.events.size(); ++i) {
        const DrillEvent &e = m_drill.events[i];
        double minutes = e.minutes;
        if (e.toMinutes) {
            minutes = drawMinutes(engine, e.minutes, *e.toMinutes);
            m_drawn.push_back({e.line, e.minutes, *e.toMinutes, minutes});
        }
        m_due.push_back({minutes, Actor::Drill, i});
    }
    for (std::size_t i = 0; i < m_response.size(); ++i)
        m_due.push_back({m_response[i].minutes, Actor::Trainee, i});
    std::stable_sort(m_due.begin(), m_due.end(),
            [](const Due &a, const Due &b) { return a.minutes < b.minutes; });
    m_nextEvent = 0;
    m_notes.clear();
    m_log.clear();
    m_samples.clear();
    m_outsideBandMs.assign(m_drill.objectives.size(), 0);
    m_ticks = 0;
    m_failedInARow = 0;
    m_beenDeep = false;
    m_anyCompleted = false;
    m_belowMs = m_aboveMs = m_ceilingMs = 0;
    m_openCircuitMs = m_outOfGasMs = 0;
    m_lastClockMs = m_endClockMs = s.simClockMs;
    keepEndState(s);
    m_o2AtStart = s.o2SupplyAtStart;
    m_dilAtStart = s.dilSupplyAtStart;
    m_bailoutAtStart = s.bailoutLeft;
}

// What the debrief reports "at the end": a later reset must not change it.
void DrillSession::keepEndState(const SimulationState &s)
{
    m_endOtu = s.oxygen.otu;
    m_endO2Used = s.o2Used;
    m_endDilUsed = s.dilUsed;
    m_endO2Left = s.o2SupplyLeft;
    m_endDilLeft = s.dilSupplyLeft;
    m_endBailoutUsed = s.bailoutDelivered;
    m_endBailoutLeft = s.bailoutLeft;
}

void DrillSession::afterTick(bool completed)
{
    if (ended())
        return;
    const SimulationState &s = m_sim.state();
    ++m_ticks;
    m_failedInARow = completed ? 0 : m_failedInARow + 1;
    if (s.currentDepthM > 1.0)
        m_beenDeep = true;
    if (completed) {
        // A completed tick moved the clock by its whole length; a failed one
        // never reaches the clock.
        const std::int64_t tickMs = s.simClockMs - m_lastClockMs;
        // What the diver breathed, from the loop or a bailout cylinder.
        const double ppo2 = s.breathedPPO2;
        m_lastCompleted = {double(diveTimeMs()) / 60000.0, s.currentDepthM, ppo2};
        if (!m_anyCompleted || s.simClockMs - m_lastSampleMs >= kSampleEveryMs) {
            m_samples.push_back(m_lastCompleted);
            m_lastSampleMs = s.simClockMs;
        }
        if (!m_anyCompleted) {
            m_maxDepth = s.currentDepthM;
            m_minPpo2 = m_maxPpo2 = ppo2;
            m_maxCns = s.oxygen.cnsPercent;
        }
        m_anyCompleted = true;
        m_maxDepth = std::fmax(m_maxDepth, s.currentDepthM);
        m_minPpo2 = std::fmin(m_minPpo2, ppo2);
        m_maxPpo2 = std::fmax(m_maxPpo2, ppo2);
        m_maxCns = std::fmax(m_maxCns, s.oxygen.cnsPercent);
        if (ppo2 < 0.4)
            m_belowMs += tickMs;
        if (ppo2 > 1.6)
            m_aboveMs += tickMs;
        if (s.currentDepthM < s.ceilings.safeAscentDepth)
            m_ceilingMs += tickMs;
        if (s.breathing != Breathing::Loop)
            m_openCircuitMs += tickMs;
        if (s.outOfGas)
            m_outOfGasMs += tickMs;
        for (std::size_t i = 0; i < m_drill.objectives.size(); ++i) {
            const Objective &o = m_drill.objectives[i];
            if (o.kind == ObjectiveKind::Ppo2Between && (ppo2 < o.low || ppo2 > o.high))
                m_outsideBandMs[i] += tickMs;
        }
    }
    m_lastClockMs = m_endClockMs = s.simClockMs;
    keepEndState(s);

    runDueEvents();

    const double diveMs = double(diveTimeMs());
    if (m_beenDeep && s.currentDepthM <= 0.0)
        end(DrillEnd::Surface);
    else if (m_drill.endAfterMinutes && *m_drill.endAfterMinutes * 60000.0 <= diveMs)
        end(DrillEnd::EndAfter);
    else if (m_mode == Mode::Headless && m_failedInARow >= kFailedTicksInARow)
        end(DrillEnd::Error);
    else if (m_mode == Mode::Headless
            && (diveTimeMs() >= kDiveTimeLimitMs || m_ticks >= kTickLimit))
        end(DrillEnd::Limit);
}

void DrillSession::runDueEvents()
{
    const double diveMs = double(diveTimeMs());
    while (m_nextEvent < m_due.size()) {
        const Due &due = m_due[m_nextEvent];
        if (!(due.minutes * 60000.0 <= diveMs))
            break;
        ++m_nextEvent;
        const DrillEvent &e =
                due.by == Actor::Drill ? m_drill.events[due.index] : m_response[due.index];
        if (e.isNote) {
            m_notes.push_back({diveMs / 60000.0, e.note});
            m_log.push_back({diveTimeMs(), due.by, "note " + e.note});
        } else {
            m_log.push_back({diveTimeMs(), due.by, commandWords(e.command)});
            applyCommand(e.command, m_sim);
        }
    }
}

void DrillSession::traineeAction(const ScenarioCommand &action)
{
    if (!ended() && isTraineeAction(action))
        m_log.push_back({diveTimeMs(), Actor::Trainee, commandWords(action)});
}

void DrillSession::endByReset()
{
    if (!ended())
        m_end = DrillEnd::Reset;
}

void DrillSession::end(DrillEnd how)
{
    m_end = how;
    if (runState(m_sim.view().controls) == RunState::Running)
        m_sim.pause();
}

namespace {

double shareLeft(double left, double atStart)
{
    return atStart > 0.0 ? left / atStart * 100.0 : 0.0;
}

// From the first drill event that is not a note to the trainee's first
// action after it, in seconds of dive time.
std::optional<double> reactionSeconds(const std::vector<LogEntry> &log)
{
    const auto failure = std::find_if(log.begin(), log.end(),
            [](const LogEntry &e) { return e.by == Actor::Drill && !e.what.starts_with("note "); });
    if (failure == log.end())
        return std::nullopt;
    const auto action = std::find_if(
            failure, log.end(), [](const LogEntry &e) { return e.by == Actor::Trainee; });
    if (action == log.end())
        return std::nullopt;
    return double(action->diveTimeMs - failure->diveTimeMs) / 1000.0;
}

// The smaller share left of the bailout cylinders that held gas at the dive
// button; 0 when none did.
double bailoutShareLeft(const std::array<double, 2> &left, const std::array<double, 2> &atStart)
{
    double smallest = INFINITY;
    for (std::size_t j = 0; j < 2; ++j) {
        if (atStart[j] > 0.0)
            smallest = std::fmin(smallest, shareLeft(left[j], atStart[j]));
    }
    return std::isinf(smallest) ? 0.0 : smallest;
}

} // namespace

Debrief DrillSession::debrief() const
{
    Debrief d;
    d.title = m_drill.title;
    d.endedBy = m_end;
    d.samples = m_samples;
    // The curves reach the end of the dive, which seldom falls on a sample.
    if (!d.samples.empty() && d.samples.back().minutes < m_lastCompleted.minutes)
        d.samples.push_back(m_lastCompleted);
    d.events = m_log;
    d.reactionS = reactionSeconds(m_log);
    d.seed = m_seed;
    d.drawn = m_drawn;
    DrillFigures &f = d.figures;
    f.diveTimeMin = double(m_endClockMs - kSimClockStartMs) / 60000.0;
    if (m_anyCompleted) {
        f.maxDepthM = m_maxDepth;
        f.minutesPpo2Below04 = double(m_belowMs) / 60000.0;
        f.minutesPpo2Above16 = double(m_aboveMs) / 60000.0;
        f.minPpo2 = m_minPpo2;
        f.maxPpo2 = m_maxPpo2;
        f.minutesAboveCeiling = double(m_ceilingMs) / 60000.0;
        f.maxCnsPercent = m_maxCns;
        f.openCircuitMinutes = double(m_openCircuitMs) / 60000.0;
        f.bailoutUsedL = m_endBailoutUsed;
        f.minutesOutOfGas = double(m_outOfGasMs) / 60000.0;
    }
    f.otu = m_endOtu;
    f.o2UsedL = m_endO2Used;
    f.dilUsedL = m_endDilUsed;

    // Without a completed tick there is no dive to judge: what is judged over
    // the ticks has no value, and nothing passes.
    for (std::size_t i = 0; i < m_drill.objectives.size(); ++i) {
        const Objective &o = m_drill.objectives[i];
        ObjectiveResult r {o.kind, o.name, o.low, o.high, false, std::nullopt};
        switch (o.kind) {
        case ObjectiveKind::Ppo2Between:
            if (m_anyCompleted)
                r.value = double(m_outsideBandMs[i]) / 60000.0;
            r.passed = r.value && *r.value == 0.0;
            break;
        case ObjectiveKind::NoCeilingViolation:
            if (m_anyCompleted)
                r.value = double(m_ceilingMs) / 60000.0;
            r.passed = r.value && *r.value == 0.0;
            break;
        case ObjectiveKind::SurfaceWithin:
            r.value = f.diveTimeMin;
            r.passed = m_anyCompleted && m_end == DrillEnd::Surface && *r.value <= o.high;
            break;
        case ObjectiveKind::CnsBelow:
            if (m_anyCompleted)
                r.value = m_maxCns;
            r.passed = r.value && *r.value < o.high;
            break;
        case ObjectiveKind::ReserveAbove:
            r.value = std::min(
                    shareLeft(m_endO2Left, m_o2AtStart), shareLeft(m_endDilLeft, m_dilAtStart));
            r.passed = m_anyCompleted && *r.value >= o.high;
            break;
        case ObjectiveKind::ReactWithin:
            r.value = d.reactionS;
            r.passed = m_anyCompleted && r.value && *r.value <= o.high;
            break;
        case ObjectiveKind::BailoutReserveAbove:
            r.value = bailoutShareLeft(m_endBailoutLeft, m_bailoutAtStart);
            r.passed = m_anyCompleted && *r.value >= o.high;
            break;
        }
        d.objectives.push_back(std::move(r));
    }
    return d;
}
