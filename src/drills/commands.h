#pragma once

#include "deco/gradientfactors.h"
#include "engine/simulation.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

enum class Cylinder { O2, Diluent };

/// One line of the scenario language, already checked. Scenarios use every
/// command; drills use the set-up commands and, at their times, the actions.
struct ScenarioCommand
{
    enum class Kind {
        Field,
        Slider,
        Check,
        Details,
        DilBypassAvailable,
        Supply,
        Cell,
        GradientFactors,
        BailoutGasSetting,
        Rmv,
        Bailout,
        Start,
        Pause,
        Continue,
        Reset,
        Press,
        Release,
        Ticks,
        Minutes,
        Forecast,
        Plan,
        BailoutPlan
    };
    Kind kind = Kind::Start;
    int line = 0;
    std::string word; ///< the command as written, for messages
    Edit edit = Edit::maxLoopVolume;
    Slider slider = Slider::o2Consumption;
    Check check = Check::o2SolenoidStuck;
    Bypass bypass = Bypass::O2;
    Cylinder cylinder = Cylinder::O2;
    /// The field's text; for the other commands the number as written (a
    /// cell's value, the minutes).
    std::string text;
    std::array<std::string, 4> details; ///< loop detail texts
    GradientFactors gradientFactors; ///< of "gf LOW HIGH"
    long long count = 0; ///< slider position, tick count, 0/1 flags (1: open)
    double minutes = 0.0;
    int cell = 1; ///< the oxygen cell, 1..3
    CellAction cellAction = CellAction::Ok;
    double value = 0.0; ///< the cell's stuck value, limit, sensitivity or half-time; the RMV
    int gas = 0; ///< the bailout gas of "bailout-gas", 0 or 1
    BailoutGas bailoutGas; ///< its mix and litres
    Breathing breathing = Breathing::Loop; ///< of "bailout 1|2|loop"
};

/// Where a command may stand besides a scenario, which takes them all: in a
/// drill's set-up, after "at" among a drill's events, or as a trainee's
/// action (a response's line, something done in the window).
enum CommandUse : unsigned { kDrillSetup = 1, kDrillTimed = 2, kTraineeAction = 4 };

/// The uses of the command \a word: a combination of CommandUse, 0 for the
/// run commands; none for a word that is no command.
std::optional<unsigned> commandUses(std::string_view word);

/// The commands with \a use, in the order of the scenario language's table:
/// "field, slider, check, ...".
std::string commandsFor(CommandUse use);

/// Why a line is refused, in English for the headless runner and in Russian
/// for the window.
struct LineRejection
{
    std::string english;
    std::string russian;
};

/// Checks one line without its comment (not empty): the command and its
/// arguments. Throws LineRejection.
ScenarioCommand parseCommandLine(std::string_view line);

/// The command in the scenario language's words, as a file would hold it
/// (names by parameter, "supply O2 closed", "slider MaxDepth 30"): what a
/// drill's debrief writes in its log.
std::string commandWords(const ScenarioCommand &c);

/// Whether \a c is something a diver does: a trainee's action of a kind the
/// table allows that sets no failure (the failure boxes are the drill's).
bool isTraineeAction(const ScenarioCommand &c);

/// Carries out a command that needs no run button: field, slider, check,
/// details, diluent-bypass-available, supply, cell, gf, bailout-gas, rmv,
/// bailout, press and release. A locked start-depth slider ignores the
/// command, as it ignores the mouse; a failure box checked while a drill flies
/// is the drill's failure (see Simulation::setFailure). Throws LoopwrightError
/// for what a handler meets (a loop detail that is not a number).
void applyCommand(const ScenarioCommand &c, Simulation &simulation);

/// Why a scenario or drill file could not be read.
enum class ScriptFileError { None, CannotOpen, CannotRead, NotARegularFile, TooLarge };

/// The largest scenario or drill file read, in bytes: a hundred thousand
/// timed lines fit many times over, and a device without end (/dev/zero)
/// is refused instead of filling the memory.
inline constexpr std::size_t kMaxScriptFileBytes = 64 * 1024 * 1024;

/// Reads the scenario or drill file at \a path whole into \a content. A pipe
/// (a shell's process substitution) is read like a file unless
/// \a regularOnly, as the window asks, where a pipe without a writer would
/// wait for ever.
ScriptFileError readScriptFile(
        const std::filesystem::path &path, std::string &content, bool regularOnly = false);

/// Blank-separated words, as the scenario language splits them.
namespace scriptwords {
std::string_view trim(std::string_view s);
std::string_view next(std::string_view &rest);

/// The longest line, in bytes without its line end, that a scenario or a
/// drill may hold: enough for any command or briefing, and a bound on what a
/// damaged or hostile file can make the program hold and show.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

/// The lines of a scenario or drill text in order. A line ends at LF, at
/// CR LF or at a lone CR (files written on any system); the last line needs
/// no end.
class Lines
{
public:
    explicit Lines(std::string_view text) : m_rest(text) { }
    /// The next line without its end; false after the last. Throws
    /// LineRejection for a line longer than kMaxLineBytes.
    bool next(std::string_view &line);
    /// The number of the line last returned, from 1.
    int number() const { return m_number; }

private:
    std::string_view m_rest;
    int m_number = 0;
};
} // namespace scriptwords
