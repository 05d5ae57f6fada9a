#include "debriefmain.h"

#include "scenario.h"
#include "usage.h"
#include "util/atomicfile.h"

#include <iostream>
#include <string_view>

int debriefMain(int argc, char **argv)
{
    if (argc != 5 || std::string_view(argv[1]) != "--debrief"
            || std::string_view(argv[3]) != "--debrief-out") {
        printUsage(std::cerr);
        return 2;
    }
    const char *drillPath = argv[2];
    const char *outPath = argv[4];
    auto loaded = loadDrill(drillPath);
    if (const auto *error = std::get_if<DrillError>(&loaded)) {
        std::cerr << drillPath;
        if (error->line > 0)
            std::cerr << ":" << error->line;
        std::cerr << ": " << error->english << '\n';
        return 2;
    }
    std::ios::sync_with_stdio(false);
    ScenarioRunner runner;
    Debrief debrief;
    const int status = runner.runDrill(std::get<Drill>(loaded), std::cout, std::cerr, debrief);
    int failed = 0;
    if (status == 0) {
        try {
            writeFileAtomically(outPath, debriefJson(debrief));
        } catch (const FileWriteError &e) {
            std::cerr << "loopwright-sim: " << e.what() << '\n';
            failed = 3;
        }
    }
    if (!std::cout.flush()) {
        std::cerr << "loopwright-sim: cannot write the trace to standard output\n";
        failed = 3;
    }
    return failed ? failed : status;
}
