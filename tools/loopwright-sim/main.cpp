// loopwright-sim: runs a dive scenario through the simulation engine without
// a window and writes the trace of every tick as CSV to standard output, and
// on request the dive as UDDF and CSV files.

#include "debriefmain.h"
#include "divefiles.h"
#include "scenario.h"
#include "usage.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char **argv)
{
    if (const auto status = helpOrVersion(argc, argv))
        return *status;
    if (argc > 1 && std::string_view(argv[1]) == "--debrief")
        return debriefMain(argc, argv);
    // Options first or last, the scenario is the one other argument.
    DiveFiles files;
    std::string path;
    bool usable = true;
    for (int i = 1; i < argc && usable; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--uddf" || arg == "--csv") && i + 1 < argc)
            (arg == "--uddf" ? files.uddf : files.csv) = argv[++i];
        else if (arg.starts_with("-") || !path.empty())
            usable = false;
        else
            path = arg;
    }
    if (!usable || path.empty()) {
        printUsage(std::cerr);
        return 2;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": cannot open the scenario\n";
        return 2;
    }
    // Read piece by piece rather than through rdbuf(): a failing read (a
    // folder opens, then every read fails) must not pass for an empty file.
    std::ostringstream content;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        content.write(buffer, in.gcount());
    if (in.bad()) {
        std::cerr << path << ": cannot read the scenario\n";
        return 2;
    }
    auto parsed = parseScenario(content.str());
    if (const auto *error = std::get_if<ScenarioError>(&parsed)) {
        std::cerr << path << ":" << error->line << ": " << error->reason << '\n';
        return 2;
    }
    std::ios::sync_with_stdio(false);
    ScenarioRunner runner;
    const int status =
            runner.run(std::get<std::vector<ScenarioCommand>>(parsed), std::cout, std::cerr);
    // A lost trace is a failure whatever the run said (a full disk, a closed pipe).
    if (!std::cout.flush()) {
        std::cerr << "loopwright-sim: cannot write the trace to standard output\n";
        return 3;
    }
    if (!writeDiveFiles(runner.diveLog(), files, std::cerr))
        return 3;
    return status;
}
