#include "scenario.h"

#include "drills/drillsession.h"

#include "util/error.h"
#include "util/numtext.h"

#include <cstdio>
#include <ostream>

namespace {

using Kind = ScenarioCommand::Kind;

std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"')
            quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

std::string number(double v)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

const char *stateName(RunState s)
{
    switch (s) {
    case RunState::Running:
        return "running";
    case RunState::Paused:
        return "paused";
    case RunState::Idle:
        break;
    }
    return "idle";
}

} // namespace

std::variant<std::vector<ScenarioCommand>, ScenarioError> parseScenario(std::string_view text)
{
    std::vector<ScenarioCommand> commands;
    scriptwords::Lines lines(text);
    try {
        for (std::string_view line; lines.next(line);) {
            line = scriptwords::trim(line.substr(0, line.find('#')));
            if (line.empty())
                continue;
            ScenarioCommand c = parseCommandLine(line);
            c.line = lines.number();
            commands.push_back(std::move(c));
        }
    } catch (const LineRejection &r) {
        return ScenarioError {lines.number(), r.english};
    }
    return commands;
}

ScenarioRunner::ScenarioRunner() : m_simulation(m_form, m_state, m_history) { }

const char *ScenarioRunner::traceHeader()
{
    return "event,tick,clock_ms,depth,loop_gas,loop_o2_gas,ppo2,ppn2,pphe,o2_used,dil_used,"
           "o2_metabolised,o2_left,dil_left,safe_ascent_depth,governing,tissue_n2_1,"
           "tissue_n2_16,tissue_he_1,tissue_he_16,lamps,interval_ms,history_count,text,cns,otu,"
           "cell1,cell2,cell3,voted_ppo2,gf99,surf_gf,breathing,bailout1_left,bailout2_left,"
           "breathed_ppo2";
}

void ScenarioRunner::writeRow(std::ostream &trace, const char *event, const std::string &text)
{
    const SimulationState &s = m_simulation.state();
    std::string lamps;
    for (Check lamp : {Check::o2SolenoidLamp, Check::dilSolenoidLamp, Check::o2AdvLamp,
                 Check::dilAdvLamp, Check::opvLamp})
        lamps += m_form.isChecked(lamp) ? '1' : '0';
    trace << event << ',' << m_ticks << ',' << (s.simClockMs - kSimClockStartMs) << ','
          << number(s.currentDepthM) << ',' << number(s.loopGas) << ',' << number(s.loopO2Gas)
          << ',' << number(s.loopPPO2) << ',' << number(s.loopPPN2) << ',' << number(s.loopPPHe)
          << ',' << number(s.o2Used) << ',' << number(s.dilUsed) << ',' << number(s.o2Metabolised)
          << ',' << number(s.o2SupplyLeft) << ',' << number(s.dilSupplyLeft) << ','
          << number(s.ceilings.safeAscentDepth) << ',' << s.ceilings.governing << ','
          << number(s.tissues.n2[0]) << ',' << number(s.tissues.n2[15]) << ','
          << number(s.tissues.he[0]) << ',' << number(s.tissues.he[15]) << ',' << lamps << ','
          << m_simulation.view().controls.timerIntervalMs << ',' << m_history.count() << ','
          << csvField(text) << ',' << number(s.oxygen.cnsPercent) << ',' << number(s.oxygen.otu);
    for (double reading : s.cells.readings)
        trace << ',' << number(reading);
    trace << ',' << number(s.cells.vote.voted) << ',' << number(numtext::nearest(s.gf99)) << ','
          << number(numtext::nearest(s.surfaceGf)) << ',' << breathingName(s.breathing) << ','
          << number(s.bailoutLeft[0]) << ',' << number(s.bailoutLeft[1]) << ','
          << number(s.breathedPPO2) << '\n';
}

bool ScenarioRunner::runTick(std::ostream &trace)
{
    ++m_ticks;
    std::string message;
    bool completed = false;
    try {
        m_simulation.tick();
        completed = true;
    } catch (const LoopwrightError &e) {
        message = e.what();
        completed = false;
    }
    m_log.afterTick(m_simulation, completed);
    writeRow(trace, "tick", message);
    m_failedInARow = completed ? 0 : m_failedInARow + 1;
    if (!completed)
        m_lastError = message;
    return completed;
}

bool ScenarioRunner::stuck() const
{
    return m_failedInARow >= DrillSession::kFailedTicksInARow;
}

void ScenarioRunner::reportStuck(std::ostream &errors, int line) const
{
    if (line > 0)
        errors << "line " << line << ": ";
    errors << m_failedInARow << " ticks in a row ended on an error, the last on: " << m_lastError
           << "; the run stops\n";
}

int ScenarioRunner::run(
        const std::vector<ScenarioCommand> &commands, std::ostream &trace, std::ostream &errors)
{
    trace << traceHeader() << '\n';
    for (const ScenarioCommand &c : commands) {
        if (!execute(c, trace, errors))
            return 1;
    }
    return 0;
}

int ScenarioRunner::runDrill(const Drill &drill, const Flight &flight, std::ostream &trace,
        std::ostream &errors, Debrief &debrief)
{
    trace << traceHeader() << '\n';
    // From the set-up on, the failures the drill sets are its own.
    m_state.drillFaults.emplace();
    for (const ScenarioCommand &c : drill.setup)
        execute(c, trace, errors);
    try {
        m_simulation.start();
    } catch (const LoopwrightError &e) {
        errors << "start: " << e.what() << '\n';
    }
    m_log.start(m_simulation);
    if (!m_simulation.view().controls.timerOn) {
        errors << "the dive did not start: the drill cannot run\n";
        return 1;
    }
    DrillSession session(
            drill, m_simulation, DrillSession::Mode::Headless, flight.seed, flight.response);
    session.begin();
    while (!session.ended())
        session.afterTick(runTick(trace));
    debrief = session.debrief();
    if (session.endedBy() == DrillEnd::Error) {
        reportStuck(errors, 0);
        return 1;
    }
    return 0;
}

bool ScenarioRunner::execute(const ScenarioCommand &c, std::ostream &trace, std::ostream &errors)
{
    const RunControls &controls = m_simulation.view().controls;
    auto refuse = [&](const char *why) {
        errors << "line " << c.line << ": '" << c.word << "' is not allowed " << why << " (the "
               << stateName(runState(controls)) << " simulation)\n";
        return false;
    };
    // What a handler meets is shown, as the window's message box would, and
    // the scenario goes on.
    auto report = [&](auto &&handler) {
        try {
            handler();
        } catch (const LoopwrightError &e) {
            errors << "line " << c.line << ": " << c.word << ": " << e.what() << '\n';
        }
    };
    switch (c.kind) {
    case Kind::Field:
    case Kind::Slider:
    case Kind::Check:
    case Kind::Details:
    case Kind::DilBypassAvailable:
    case Kind::Supply:
    case Kind::Cell:
    case Kind::GradientFactors:
    case Kind::BailoutGasSetting:
    case Kind::Rmv:
    case Kind::Bailout:
    case Kind::Press:
    case Kind::Release:
        report([&] { applyCommand(c, m_simulation); });
        break;
    case Kind::Start:
        if (!controls.startEnabled)
            return refuse("while the dive button is disabled");
        report([&] { m_simulation.start(); });
        m_log.start(m_simulation);
        break;
    case Kind::Pause:
        if (!controls.pauseEnabled)
            return refuse("while the pause button is disabled");
        report([&] { m_simulation.pause(); });
        break;
    case Kind::Continue:
        if (!controls.continueEnabled)
            return refuse("while the continue button is disabled");
        report([&] { m_simulation.resume(); });
        break;
    case Kind::Reset:
        if (!controls.resetEnabled)
            return refuse("while the reset button is disabled");
        report([&] { m_simulation.reset(); });
        break;
    case Kind::Ticks:
        if (!controls.timerOn)
            return refuse("unless the simulation is running");
        for (long long i = 0; i < c.count; ++i) {
            runTick(trace);
            if (stuck()) {
                reportStuck(errors, c.line);
                return false;
            }
        }
        break;
    case Kind::Minutes: {
        if (!controls.timerOn)
            return refuse("unless the simulation is running");
        const double targetMs = c.minutes * 60000.0;
        double elapsedMs = 0.0;
        while (elapsedMs < targetMs) {
            runTick(trace);
            if (stuck()) {
                reportStuck(errors, c.line);
                return false;
            }
            // Each tick counts the length it ran with, the normalised text of
            // its field; without one there is no time to add up.
            try {
                elapsedMs += m_form.whole(Edit::tickMs);
            } catch (const LoopwrightError &e) {
                errors << "line " << c.line
                       << ": 'minutes' cannot count simulated time: " << e.what() << '\n';
                return false;
            }
        }
        break;
    }
    case Kind::Forecast:
        report([&] { m_simulation.updateNoDecoTime(); });
        writeRow(trace, "forecast", m_simulation.state().noDecoTimeText);
        break;
    case Kind::Plan: {
        // Like the window's dive computer, a plan that cannot be made says why
        // in its own place rather than as a handler's error.
        std::string text;
        try {
            text = planSummary(m_simulation.decoPlan());
        } catch (const LoopwrightError &e) {
            text = e.what();
        }
        writeRow(trace, "plan", text);
        break;
    }
    case Kind::BailoutPlan: {
        std::string text;
        try {
            text = bailoutPlanSummary(m_simulation.bailoutPlan());
        } catch (const LoopwrightError &e) {
            text = e.what();
        }
        writeRow(trace, "bailoutplan", text);
        break;
    }
    }
    return true;
}
