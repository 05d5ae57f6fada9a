#include "debriefmain.h"

#include "arguments.h"
#include "scenario.h"
#include "util/atomicfile.h"

#include <iostream>

int runDebrief(const SimArguments &arguments)
{
    auto loaded = loadDrill(arguments.drill);
    if (const auto *error = std::get_if<DrillError>(&loaded)) {
        std::cerr << arguments.drill;
        if (error->line > 0)
            std::cerr << ":" << error->line;
        std::cerr << ": " << error->english << '\n';
        return 2;
    }
    std::ios::sync_with_stdio(false);
    ScenarioRunner runner;
    Debrief debrief;
    const int status = runner.runDrill(std::get<Drill>(loaded), std::cout, std::cerr, debrief);
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
    }
    return status;
}
