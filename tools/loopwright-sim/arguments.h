#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

/// What loopwright-sim was asked to do.
struct SimArguments
{
    enum class Mode { Scenario, Debrief };
    Mode mode = Mode::Scenario;
    std::string scenario; ///< scenario mode: the one argument that is no option
    std::string drill; ///< --debrief
    std::string debriefOut; ///< --debrief-out
    std::string response; ///< --response: the trainee's scripted actions
    std::string seedText; ///< --seed as given
    std::uint64_t seed = 1; ///< --seed: what the drill's ranges are drawn from
    std::string uddf; ///< --uddf
    std::string csv; ///< --csv
};

/// A command line that cannot be run, with the reason for standard error
/// (exit status 2).
struct UsageError
{
    std::string reason;
};

/// Parses the arguments after the program's name. Every option takes one
/// value, as "--name VALUE" or "--name=VALUE", and may be given once; the
/// mode is the debrief's when --debrief is among them. Refused: an unknown
/// option, an option of the other mode, a missing value or argument, a seed
/// that is not a whole number from 0 to 2^64 - 1 in digits, and two files
/// that are one (two outputs, or an output and an input, compared by the
/// file they resolve to, links and hard links included).
std::variant<SimArguments, UsageError> parseSimArguments(const std::vector<std::string> &args);

/// The outputs of \a arguments, in the order given by the options' table.
std::vector<std::string> simOutputs(const SimArguments &arguments);
