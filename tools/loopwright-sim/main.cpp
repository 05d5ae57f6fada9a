// loopwright-sim: runs a dive scenario through the simulation engine without
// a window and writes the trace of every tick as CSV to standard output, and
// on request the dive as UDDF and CSV files; or flies a drill and writes its
// debrief.
//
// Exit statuses: 0 done; 1 the run stopped (a command not allowed, a drill
// whose dive did not start, too many failing ticks in a row); 2 a usage
// error or a scenario or drill that cannot be read or is malformed, nothing
// run; 3 a file that cannot be written (the trace, an export, the debrief).

#include "arguments.h"
#include "debriefmain.h"
#include "divefiles.h"
#include "scenario.h"
#include "usage.h"
#include "util/atomicfile.h"

#include <iostream>

namespace {

int runScenario(const SimArguments &a)
{
    std::string content;
    switch (readScriptFile(a.scenario, content)) {
    case ScriptFileError::None:
        break;
    case ScriptFileError::CannotOpen:
        std::cerr << a.scenario << ": cannot open the scenario\n";
        return 2;
    case ScriptFileError::TooLarge:
        std::cerr << a.scenario << ": the scenario is larger than 64 MiB\n";
        return 2;
    case ScriptFileError::CannotRead:
    case ScriptFileError::NotARegularFile:
        std::cerr << a.scenario << ": cannot read the scenario\n";
        return 2;
    }
    auto parsed = parseScenario(content);
    if (const auto *error = std::get_if<ScenarioError>(&parsed)) {
        std::cerr << a.scenario << ":" << error->line << ": " << error->reason << '\n';
        return 2;
    }
    std::ios::sync_with_stdio(false);
    ScenarioRunner runner;
    const int status =
            runner.run(std::get<std::vector<ScenarioCommand>>(parsed), std::cout, std::cerr);
    // A lost trace is a failure whatever the run said (a full disk, a closed
    // pipe), and the dive's files are then not written either.
    if (!std::cout.flush()) {
        std::cerr << "loopwright-sim: cannot write the trace to standard output\n";
        return 3;
    }
    if (!writeDiveFiles(runner.diveLog(), {a.uddf, a.csv}, std::cerr))
        return 3;
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    if (const auto status = helpOrVersion(argc, argv))
        return *status;
    const auto parsed = parseSimArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto *usage = std::get_if<UsageError>(&parsed)) {
        std::cerr << "loopwright-sim: " << usage->reason << '\n';
        printUsage(std::cerr);
        return 2;
    }
    const SimArguments &arguments = std::get<SimArguments>(parsed);
    // An output that can never be written is refused before anything runs.
    for (const std::string &output : simOutputs(arguments)) {
        try {
            resolveReplaceTarget(output);
        } catch (const FileWriteError &e) {
            std::cerr << "loopwright-sim: " << e.what() << '\n';
            return 3;
        }
    }
    return arguments.mode == SimArguments::Mode::Debrief ? runDebrief(arguments)
                                                         : runScenario(arguments);
}
