#pragma once

#include "drills/drill.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
    bool passed = false;
    /// Empty for an objective judged over completed ticks when none
    /// completed: there is nothing to judge, and the objective fails.
    std::optional<double> value;
};

/// A point of the debrief's chart: depth and PPO2 at a dive time.
struct DrillSample
{
    double minutes = 0.0;
    double depthM = 0.0;
    double ppo2 = 0.0;
};

struct Debrief
{
    std::string title;
    DrillEnd endedBy = DrillEnd::None;
    std::vector<ObjectiveResult> objectives;
    DrillFigures figures;
    /// The first completed tick and then one every 10 s of dive time or more:
    /// the dive as the chart shows it, kept by the drill since a reset clears
    /// the dive's own history.
    std::vector<DrillSample> samples;
};

/// The unit an objective's value is given in, in Russian ("мин", "%").
std::string_view objectiveUnit(ObjectiveKind kind);

/// An objective's value as the debrief shows it: rounded to 0,1 with its
/// unit ("2,5 мин"), and never as zero when it is not; "—" without a value.
std::string objectiveValueText(const ObjectiveResult &objective);

/// The figures as the debrief shows them: a Russian caption and the value in
/// the program's number style with its unit, "—" for a figure without value.
std::vector<std::pair<std::string, std::string>> figureLines(const DrillFigures &figures);

/// How the drill ended, as the debrief says it in Russian.
std::string endedByText(DrillEnd end);

/// The debrief as one JSON object (numbers as their shortest round-trip text,
/// null for a figure without value).
std::string debriefJson(const Debrief &debrief);

/// The debrief as plain Russian text, for saving.
std::string debriefText(const Debrief &debrief);
