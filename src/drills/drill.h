#pragma once

#include "drills/commands.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// What the debrief judges.
enum class ObjectiveKind {
    Ppo2Between,
    NoCeilingViolation,
    SurfaceWithin,
    CnsBelow,
    ReserveAbove,
    BailoutReserveAbove,
    ReactWithin
};

struct Objective
{
    ObjectiveKind kind = ObjectiveKind::NoCeilingViolation;
    std::string name; ///< its words as written after "objective"
    double low = 0.0; ///< the band of ppo2-between
    double high = 0.0; ///< its upper edge; the limit of the other kinds
};

/// An "at" line: a command, or a note for the trainee, due at a dive time,
/// or at a time drawn for each dive from FROM..TO minutes.
struct DrillEvent
{
    int line = 0;
    double minutes = 0.0; ///< the time, or the range's start
    std::optional<double> toMinutes; ///< the range's end, for "at FROM..TO"
    bool isNote = false;
    std::string note;
    ScenarioCommand command; ///< when not a note
};

/// A checked drill: its set-up (in file order), its timed events (in file
/// order), its objectives and how it ends.
struct Drill
{
    std::string title;
    std::vector<std::string> brief; ///< one entry per "brief" line
    std::vector<ScenarioCommand> setup;
    std::vector<DrillEvent> events;
    std::vector<Objective> objectives;
    std::optional<double> endAfterMinutes;
};

/// Why a drill is refused: the line (0 for the file as a whole) and the reason
/// in both languages.
struct DrillError
{
    int line = 0;
    std::string english;
    std::string russian;

    /// "строка 12: неизвестная команда «foo»", for the window.
    std::string russianMessage() const;
};

/// Checks a whole drill (UTF-8 text, a leading byte order mark allowed).
std::variant<Drill, DrillError> parseDrill(std::string_view text);

/// Reads and checks a drill file; \a regularOnly refuses anything but a
/// regular file (see readScriptFile).
std::variant<Drill, DrillError> loadDrill(
        const std::filesystem::path &path, bool regularOnly = false);

/// Checks a trainee's scripted response: "at" lines only (a blank line and a
/// comment aside), each with a trainee's action (isTraineeAction) at a fixed
/// time, no note and no range.
std::variant<std::vector<DrillEvent>, DrillError> parseResponse(std::string_view text);

/// Reads and checks a response file.
std::variant<std::vector<DrillEvent>, DrillError> loadResponse(const std::filesystem::path &path);

/// Applies the set-up commands in file order (before "ПОГРУЖЕНИЕ").
void applyDrillSetup(const Drill &drill, Simulation &simulation);

/// The folder of the shipped drills for a program in \a executableFolder: the
/// installed one (PREFIX/share/loopwright/drills for PREFIX/bin), else the
/// source tree's when run from a build; empty when neither exists.
std::filesystem::path shippedDrillsFolder(const std::filesystem::path &executableFolder);
