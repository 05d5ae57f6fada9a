#pragma once

#include <optional>
#include <ostream>

/// loopwright-sim's usage text: every option, one line each.
void printUsage(std::ostream &out);

/// "--help" (or "-h") or "--version" anywhere on the command line: prints the
/// usage or "loopwright-sim VERSION" to standard output and gives the exit
/// status, 0 (3 when standard output cannot take it); nothing when neither is
/// asked for.
std::optional<int> helpOrVersion(int argc, char **argv);
