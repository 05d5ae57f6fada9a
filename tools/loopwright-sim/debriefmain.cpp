#include "debriefmain.h"

#include "arguments.h"
#include "divefiles.h"
#include "scenario.h"
#include "util/atomicfile.h"

#include <iostream>

namespace {

// "FILE:LINE: reason" for a drill or response that cannot be flown.
bool refused(const std::string &file, const DrillError *error)
{
    if (!error)
        return false;
    std::cerr << file;
    if (error->line > 0)
        std::cerr << ":" << error->line;
    std::cerr << ": " << error->english << '\n';
    return true;
}

} // namespace

int runDebrief(const SimArguments &arguments)
{
    auto loaded = loadDrill(arguments.drill);
    if (refused(arguments.drill, std::get_if<DrillError>(&loaded)))
        return 2;
    ScenarioRunner::Flight flight;
    flight.seed = arguments.seed;
    if (!arguments.response.empty()) {
        auto response = loadResponse(arguments.response);
        if (refused(arguments.response, std::get_if<DrillError>(&response)))
            return 2;
        flight.response = std::get<std::vector<DrillEvent>>(std::move(response));
    }
    std::ios::sync_with_stdio(false);
    ScenarioRunner runner;
    Debrief debrief;
    const int status =
            runner.runDrill(std::get<Drill>(loaded), flight, std::cout, std::cerr, debrief);
    // The trace first: when it is lost, nothing else is written.
    if (!std::cout.flush()) {
        std::cerr << "loopwright-sim: cannot write the trace to standard output\n";
        return 3;
    }
    // A drill that flew has a debrief, however it ended.
    if (debrief.endedBy != DrillEnd::None) {
        try {
            writeFileAtomically(arguments.debriefOut, debriefJson(debrief));
        } catch (const FileWriteError &e) {
            std::cerr << "loopwright-sim: " << e.what() << '\n';
            return 3;
        }
        if (!writeDiveFiles(runner.diveLog(), {arguments.uddf, arguments.csv}, std::cerr))
            return 3;
    }
    return status;
}
