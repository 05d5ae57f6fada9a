#include "scenario.h"

#include "engine/loopdetails.h"
#include "util/error.h"
#include "util/numtext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace {

using Kind = ScenarioCommand::Kind;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Splits off the first blank-separated word.
std::string_view nextWord(std::string_view &rest)
{
    rest = trim(rest);
    std::size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end]))
        ++end;
    const std::string_view word = rest.substr(0, end);
    rest = trim(rest.substr(end));
    return word;
}

std::vector<std::string_view> words(std::string_view rest)
{
    std::vector<std::string_view> out;
    while (!trim(rest).empty())
        out.push_back(nextWord(rest));
    return out;
}

struct Rejection
{
    std::string reason;
};

void expectArguments(const std::vector<std::string_view> &args, std::size_t n,
        std::string_view command, std::string_view usage)
{
    if (args.size() != n)
        throw Rejection {"'" + std::string(command) + "' expects " + std::string(usage)};
}

long long wholeArgument(std::string_view text, std::string_view what)
{
    try {
        return numtext::parseWhole(text);
    } catch (const LoopwrightError &) {
        throw Rejection {
                std::string(what) + " must be a whole number, not '" + std::string(text) + "'"};
    }
}

bool flagArgument(std::string_view text)
{
    if (text == "0" || text == "1")
        return text == "1";
    throw Rejection {"expected 0 or 1, not '" + std::string(text) + "'"};
}

Bypass bypassArgument(std::string_view text)
{
    if (text == "O2Bypass")
        return Bypass::O2;
    if (text == "DilBypass")
        return Bypass::Diluent;
    throw Rejection {"unknown bypass button '" + std::string(text) + "' (O2Bypass or DilBypass)"};
}

ScenarioCommand parseLine(std::string_view line)
{
    ScenarioCommand c;
    std::string_view rest = line;
    const std::string_view command = nextWord(rest);
    c.word = std::string(command);
    if (command == "field") {
        const std::string_view name = nextWord(rest);
        if (name.empty())
            throw Rejection {"'field' expects a field name and its text"};
        const auto edit = findEdit(name);
        if (!edit)
            throw Rejection {"unknown field '" + std::string(name) + "'"};
        c.kind = Kind::Field;
        c.edit = *edit;
        c.text = std::string(rest);
        return c;
    }
    const std::vector<std::string_view> args = words(rest);
    if (command == "slider") {
        expectArguments(args, 2, command, "a slider name and a position");
        const auto slider = findSlider(args[0]);
        if (!slider)
            throw Rejection {"unknown slider '" + std::string(args[0]) + "'"};
        c.kind = Kind::Slider;
        c.slider = *slider;
        c.count = wholeArgument(args[1], "the position");
    } else if (command == "check") {
        expectArguments(args, 2, command, "a check box name and 0 or 1");
        const auto check = findInputCheck(args[0]);
        if (!check)
            throw Rejection {"unknown check box '" + std::string(args[0]) + "'"};
        c.kind = Kind::Check;
        c.check = *check;
        c.count = flagArgument(args[1]);
    } else if (command == "details") {
        expectArguments(
                args, 4, command, "four volumes: inhale, exhale, counterlung and dead space");
        c.kind = Kind::Details;
        for (int i = 0; i < 4; ++i)
            c.details[i] = std::string(args[i]);
    } else if (command == "diluent-bypass-available") {
        expectArguments(args, 1, command, "0 or 1");
        c.kind = Kind::DilBypassAvailable;
        c.count = flagArgument(args[0]);
    } else if (command == "start" || command == "pause" || command == "continue"
            || command == "reset" || command == "forecast" || command == "plan") {
        expectArguments(args, 0, command, "no arguments");
        c.kind = command == "start"     ? Kind::Start
                : command == "pause"    ? Kind::Pause
                : command == "continue" ? Kind::Continue
                : command == "reset"    ? Kind::Reset
                : command == "plan"     ? Kind::Plan
                                        : Kind::Forecast;
    } else if (command == "press" || command == "release") {
        expectArguments(args, 1, command, "O2Bypass or DilBypass");
        c.kind = command == "press" ? Kind::Press : Kind::Release;
        c.bypass = bypassArgument(args[0]);
    } else if (command == "ticks") {
        expectArguments(args, 1, command, "a number of ticks");
        c.kind = Kind::Ticks;
        c.count = wholeArgument(args[0], "the number of ticks");
        if (c.count < 0)
            throw Rejection {"the number of ticks cannot be negative"};
    } else if (command == "minutes") {
        expectArguments(args, 1, command, "a number of minutes");
        c.kind = Kind::Minutes;
        try {
            c.minutes = numtext::parseDecimal(args[0]);
        } catch (const LoopwrightError &) {
            throw Rejection {"the minutes must be a number, not '" + std::string(args[0]) + "'"};
        }
        if (!(c.minutes >= 0.0) || !std::isfinite(c.minutes))
            throw Rejection {"the minutes must be zero or more"};
    } else {
        throw Rejection {"unknown command '" + std::string(command) + "'"};
    }
    return c;
}

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
    int lineNumber = 0;
    while (!text.empty() || lineNumber == 0) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t hash = line.find('#');
        line = trim(line.substr(0, hash));
        if (!line.empty()) {
            try {
                ScenarioCommand c = parseLine(line);
                c.line = lineNumber;
                commands.push_back(std::move(c));
            } catch (const Rejection &r) {
                return ScenarioError {lineNumber, r.reason};
            }
        }
        if (text.empty())
            break;
    }
    return commands;
}

ScenarioRunner::ScenarioRunner() : m_simulation(m_form, m_state, m_history) { }

const char *ScenarioRunner::traceHeader()
{
    return "event,tick,clock_ms,depth,loop_gas,loop_o2_gas,ppo2,ppn2,pphe,o2_used,dil_used,"
           "o2_metabolised,o2_left,dil_left,safe_ascent_depth,governing,tissue_n2_1,"
           "tissue_n2_16,tissue_he_1,tissue_he_16,lamps,interval_ms,history_count,text,cns,otu";
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
          << csvField(text) << ',' << number(s.oxygen.cnsPercent) << ',' << number(s.oxygen.otu)
          << '\n';
}

void ScenarioRunner::runTick(std::ostream &trace)
{
    ++m_ticks;
    std::string message;
    bool completed = false;
    try {
        m_simulation.tick();
        completed = true;
    } catch (const LoopwrightError &e) {
        message = e.what();
    }
    m_log.afterTick(m_simulation, completed);
    writeRow(trace, "tick", message);
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
        m_form.setText(c.edit, c.text);
        break;
    case Kind::Slider:
        if (c.slider == Slider::startDepth && controls.startDepthLocked)
            break; // a locked slider does not follow the mouse
        m_form.setPosition(c.slider, int(std::clamp<long long>(c.count, -1000000, 1000000)));
        break;
    case Kind::Check:
        m_form.setChecked(c.check, c.count != 0);
        break;
    case Kind::Details:
        report([&] {
            deriveLoopDetails({c.details[0], c.details[1], c.details[2], c.details[3]}, m_form);
        });
        break;
    case Kind::DilBypassAvailable:
        m_simulation.state().dilBypassAvailable = c.count != 0;
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
    case Kind::Press:
    case Kind::Release:
        m_simulation.bypassMouse(c.bypass, c.kind == Kind::Press);
        break;
    case Kind::Ticks:
        if (!controls.timerOn)
            return refuse("unless the simulation is running");
        for (long long i = 0; i < c.count; ++i)
            runTick(trace);
        break;
    case Kind::Minutes: {
        if (!controls.timerOn)
            return refuse("unless the simulation is running");
        const double targetMs = c.minutes * 60000.0;
        double elapsedMs = 0.0;
        while (elapsedMs < targetMs) {
            runTick(trace);
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
    }
    return true;
}
