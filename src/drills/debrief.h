#pragma once

#include "drills/drill.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// How a drill ended. Error: headless, too many ticks in a row ended on an
/// error for the dive to be going anywhere.
enum class DrillEnd { None, Surface, EndAfter, Reset, Limit, Error };

/// "surface", "end-after", "reset", "limit", "error" ("" while it runs).
std::string_view drillEndName(DrillEnd end);

/// The figures of a drill. Those over the completed ticks are empty when no
/// tick completed; the others are what the dive showed at the end.
struct DrillFigures
{
    double diveTimeMin = 0.0;
    std::optional<double> maxDepthM;
    std::optional<double> minutesPpo2Below04;
    std::optional<double> minutesPpo2Above16;
    std::optional<double> minPpo2;
    std::optional<double> maxPpo2;
    std::optional<double> minutesAboveCeiling;
    std::optional<double> maxCnsPercent;
    double otu = 0.0;
    double o2UsedL = 0.0;
    double dilUsedL = 0.0;
    /// Over the completed ticks, 0 when none completed: the minutes on a
    /// bailout gas, the litres the bailout cylinders delivered, the minutes
    /// a bailout cylinder gave less than the diver asked for.
    double openCircuitMinutes = 0.0;
    double bailoutUsedL = 0.0;
    double minutesOutOfGas = 0.0;
};

struct ObjectiveResult
{
    ObjectiveKind kind = ObjectiveKind::NoCeilingViolation;
    std::string name;
    double low = 0.0; ///< the objective's limits, as the drill gives them
    double high = 0.0;
    bool passed = false;
    /// Empty for an objective judged over completed ticks when none
    /// completed, and for a reaction time when the trainee did nothing after
    /// the failure: there is nothing to judge, and the objective fails.
    std::optional<double> value;
};

/// A point of the debrief's chart: depth and PPO2 at a dive time.
struct DrillSample
{
    double minutes = 0.0;
    double depthM = 0.0;
    double ppo2 = 0.0;
};

/// Who did what the log records.
enum class Actor { Drill, Trainee };

/// A line of the drill's log: a drill's event that ran (its command, or its
/// note as "note TEXT") or a trainee's action, in the scenario language's
/// words, at its dive time.
struct LogEntry
{
    std::int64_t diveTimeMs = 0;
    Actor by = Actor::Drill;
    std::string what;

    friend bool operator==(const LogEntry &, const LogEntry &) = default;
};

/// The time drawn for an "at FROM..TO" line.
struct DrawnTime
{
    int line = 0;
    double fromMinutes = 0.0;
    double toMinutes = 0.0;
    double minutes = 0.0;

    friend bool operator==(const DrawnTime &, const DrawnTime &) = default;
};

struct Debrief
{
    std::string title;
    DrillEnd endedBy = DrillEnd::None;
    std::vector<ObjectiveResult> objectives;
    DrillFigures figures;
    /// The first completed tick, then one every 10 s of dive time or more,
    /// and the last completed tick: the dive as the chart shows it, kept by
    /// the drill since a reset clears the dive's own history.
    std::vector<DrillSample> samples;
    /// Everything that happened from the dive button to the end, in order.
    std::vector<LogEntry> events;
    /// Seconds from the first drill event that is not a note to the
    /// trainee's first action after it; none when either never came.
    std::optional<double> reactionS;
    std::uint64_t seed = 1; ///< what the drawn times came from
    std::vector<DrawnTime> drawn; ///< in file order
};

/// The debrief as one JSON object (numbers as their shortest round-trip text,
/// null for a figure without value).
std::string debriefJson(const Debrief &debrief);

/// A JSON string of \a s: quotes, backslashes and control characters
/// escaped, the rest as UTF-8.
std::string jsonString(std::string_view s);
