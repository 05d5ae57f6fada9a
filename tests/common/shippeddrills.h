#pragma once

#include <algorithm>
#include <string>

/// A drill shipped in drills/ (and drills/en/) with its responses in
/// tests/drills/responses, written for seed 1.
struct ShippedDrillCase
{
    const char *name;
    const char *wrongPasses; ///< '+' or '-' per objective; the correct response passes all
};

inline constexpr ShippedDrillCase kShippedDrills[] = {{"o2-solenoid-stuck", "--++-"},
        {"dil-solenoid-stuck", "--+-"}, {"o2-cylinder-empty", "-+"}, {"dil-valve-closed", "-+-"},
        {"setpoint-switch", "-++"}, {"deco-dive", "-+++"}, {"cells-current-limited", "-++-"},
        {"cell-dead", "-+-"}, {"cells-slow-descent", "-+"}, {"loop-lost-40m", "--+++"},
        {"bailout-deco", "-++++"}};

/// A drill's name as a test's name: "o2_solenoid_stuck".
inline std::string testName(std::string name)
{
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}
