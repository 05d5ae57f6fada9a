#include "usage.h"

#include "util/version.h"

#include <iostream>
#include <string_view>

void printUsage(std::ostream &out)
{
    out << "usage: loopwright-sim [--uddf FILE] [--csv FILE] SCENARIO\n"
           "       loopwright-sim --debrief DRILL --debrief-out FILE [--response FILE]\n"
           "                      [--seed N] [--uddf FILE] [--csv FILE]\n"
           "       loopwright-sim --help | --version\n"
           "Runs a dive scenario, or flies a drill, and writes a CSV trace of every tick\n"
           "to standard output.\n"
           "\n"
           "  SCENARIO             the scenario file to run\n"
           "  --uddf FILE          also write the dive to FILE as UDDF, for a dive log\n"
           "  --csv FILE           also write the dive to FILE as CSV, for a spreadsheet\n"
           "  --debrief DRILL      fly the drill file DRILL\n"
           "  --debrief-out FILE   write the drill's debrief to FILE as JSON\n"
           "  --response FILE      the trainee's actions for the drill ('at' lines)\n"
           "  --seed N             draw the drill's random times from N (default 1)\n"
           "  -h, --help           show this text and exit\n"
           "  --version            show the version and exit\n"
           "\n"
           "Exit status: 0 done, 1 the run stopped, 2 a wrong command line or a file\n"
           "that cannot be read, 3 an output that cannot be written. See loopwright-sim(1).\n";
}

std::optional<int> helpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            printUsage(std::cout);
            return std::cout.flush() ? 0 : 3;
        }
        if (arg == "--version") {
            std::cout << "loopwright-sim " << kLoopwrightVersion << '\n';
            return std::cout.flush() ? 0 : 3;
        }
    }
    return std::nullopt;
}
