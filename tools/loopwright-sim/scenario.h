#pragma once

#include "drills/commands.h"
#include "drills/debrief.h"
#include "engine/memoryform.h"
#include "engine/simulation.h"
#include "export/divelog.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct ScenarioError
{
    int line = 0;
    std::string reason;
};

/// Checks a whole scenario before anything runs: unknown commands and names
/// and malformed lines give the first error with its line number.
std::variant<std::vector<ScenarioCommand>, ScenarioError> parseScenario(std::string_view text);

/// Runs checked commands on a fresh simulation (every input at its default,
/// as at program start) and writes the trace as CSV.
class ScenarioRunner
{
public:
    ScenarioRunner();

    /// Returns the exit status: 0, or 1 when a command is not allowed in the
    /// current run state or DrillSession::kFailedTicksInARow ticks in a row
    /// ended on an error (the message goes to \a errors and the run stops).
    /// Errors that a handler meets (a field that does not convert) are
    /// reported on \a errors as the window's message box would show them, and
    /// the run goes on.
    int run(const std::vector<ScenarioCommand> &commands, std::ostream &trace,
            std::ostream &errors);

    /// What a drill is flown with besides itself.
    struct Flight
    {
        std::vector<DrillEvent> response; ///< the trainee's scripted actions
        std::uint64_t seed = 1; ///< for the times of its ranges
    };

    /// Flies a drill: applies its set-up, presses "ПОГРУЖЕНИЕ" and ticks
    /// until the drill ends, writing the trace and recording the dive for
    /// export; \a debrief receives the result. Returns 0, or 1 when the dive
    /// did not start (\a debrief is then left as it was) or the drill ended on
    /// failing ticks (the debrief says so); the message goes to \a errors.
    int runDrill(const Drill &drill, const Flight &flight, std::ostream &trace,
            std::ostream &errors, Debrief &debrief);

    static const char *traceHeader();

    const Simulation &simulation() const { return m_simulation; }
    const MemoryForm &form() const { return m_form; }
    long long ticksRun() const { return m_ticks; }
    /// The dive as recorded for export, as the window records it.
    const DiveLog &diveLog() const { return m_log; }

private:
    bool execute(const ScenarioCommand &c, std::ostream &trace, std::ostream &errors);
    bool runTick(std::ostream &trace);
    void writeRow(std::ostream &trace, const char *event, const std::string &text);
    bool stuck() const;
    void reportStuck(std::ostream &errors, int line) const;

    MemoryForm m_form;
    SimulationState m_state;
    DiveHistory m_history;
    Simulation m_simulation;
    DiveLog m_log;
    long long m_ticks = 0;
    long long m_failedInARow = 0;
    std::string m_lastError;
};
