#include "drills/commands.h"

#include "engine/loopdetails.h"
#include "util/blanks.h"
#include "util/error.h"
#include "util/numtext.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ScriptFileError readScriptFile(
        const std::filesystem::path &path, std::string &content, bool regularOnly)
{
    content.clear();
    // Opening a named pipe waits for its writer: as a shell's reader does,
    // unless only a regular file will do (the window must not wait).
    const int fd =
            ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (regularOnly ? O_NONBLOCK : 0));
    if (fd < 0)
        return ScriptFileError::CannotOpen;
    struct stat st
    { };
    ScriptFileError result = ScriptFileError::None;
    if (::fstat(fd, &st) != 0 || ::fcntl(fd, F_SETFL, 0) != 0)
        result = ScriptFileError::CannotRead;
    else if (S_ISDIR(st.st_mode) || (regularOnly && !S_ISREG(st.st_mode)))
        result = ScriptFileError::NotARegularFile;
    char buffer[65536];
    while (result == ScriptFileError::None) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno != EINTR)
                result = ScriptFileError::CannotRead;
        } else if (content.size() + std::size_t(n) > kMaxScriptFileBytes) {
            result = ScriptFileError::TooLarge;
        } else {
            content.append(buffer, std::size_t(n));
        }
    }
    ::close(fd);
    if (result != ScriptFileError::None)
        content.clear();
    return result;
}

namespace scriptwords {

namespace {
// A line read from a file with CR LF endings keeps its CR.
constexpr Blanks kBlanks = Blanks::SpaceTabCr;
} // namespace

std::string_view trim(std::string_view s)
{
    return trimBlanks(s, kBlanks);
}

std::string_view next(std::string_view &rest)
{
    rest = trim(rest);
    std::size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end], kBlanks))
        ++end;
    const std::string_view word = rest.substr(0, end);
    rest = trim(rest.substr(end));
    return word;
}

bool Lines::next(std::string_view &line)
{
    if (m_rest.empty())
        return false;
    ++m_number;
    const std::size_t end = m_rest.find_first_of("\r\n");
    line = m_rest.substr(0, end);
    if (end == std::string_view::npos)
        m_rest = {};
    else
        m_rest.remove_prefix(end + (m_rest.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    if (line.size() > kMaxLineBytes)
        throw LineRejection {"the line is longer than 64 KiB", "строка длиннее 64 КиБ"};
    return true;
}

} // namespace scriptwords

namespace {

using Kind = ScenarioCommand::Kind;

std::vector<std::string_view> words(std::string_view rest)
{
    std::vector<std::string_view> out;
    while (!scriptwords::trim(rest).empty())
        out.push_back(scriptwords::next(rest));
    return out;
}

// What the line says, quoted as much as a message needs.
std::string quoted(std::string_view s)
{
    return "'" + errors::excerpt(s) + "'";
}

std::string guillemets(std::string_view s)
{
    return "«" + errors::excerpt(s) + "»";
}

// A line's command with what it expects, in both languages.
void expectArguments(const std::vector<std::string_view> &args, std::size_t n,
        std::string_view command, std::string_view usage, std::string_view usageRu)
{
    if (args.size() != n)
        throw LineRejection {quoted(command) + " expects " + std::string(usage),
                guillemets(command) + ": " + std::string(usageRu)};
}

long long wholeArgument(std::string_view text, std::string_view what, std::string_view whatRu)
{
    try {
        return numtext::parseWhole(text);
    } catch (const LoopwrightError &) {
        throw LineRejection {std::string(what) + " must be a whole number, not " + quoted(text),
                std::string(whatRu) + " должно быть целым числом, а не " + guillemets(text)};
    }
}

bool flagArgument(std::string_view text)
{
    if (text == "0" || text == "1")
        return text == "1";
    throw LineRejection {
            "expected 0 or 1, not " + quoted(text), "ожидается 0 или 1, а не " + guillemets(text)};
}

Bypass bypassArgument(std::string_view text)
{
    if (text == "O2Bypass")
        return Bypass::O2;
    if (text == "DilBypass")
        return Bypass::Diluent;
    throw LineRejection {"unknown bypass button " + quoted(text) + " (O2Bypass or DilBypass)",
            "неизвестная кнопка байпаса " + guillemets(text) + " (O2Bypass или DilBypass)"};
}

// A cell's value: a number, not below zero.
double cellValue(std::string_view text, std::string_view what, std::string_view whatRu)
{
    double value = 0.0;
    try {
        value = numtext::parseDecimal(text);
    } catch (const LoopwrightError &) {
        value = NAN;
    }
    if (!std::isfinite(value))
        throw LineRejection {std::string(what) + " must be a number, not " + quoted(text),
                std::string(whatRu) + ": нужно число, а не " + guillemets(text)};
    if (value < 0.0)
        throw LineRejection {std::string(what) + " cannot be negative",
                std::string(whatRu) + ": нужно число не меньше нуля, а не " + guillemets(text)};
    return value;
}

// What a command's parser gets: its word, the rest of the line as written
// (a field's text keeps its blanks) and that rest split into words.
struct CommandLine
{
    std::string_view command;
    std::string_view rest;
    std::vector<std::string_view> args;

    void expect(std::size_t n, std::string_view usage, std::string_view usageRu) const
    {
        expectArguments(args, n, command, usage, usageRu);
    }
};

void parseField(const CommandLine &l, ScenarioCommand &c)
{
    std::string_view rest = l.rest;
    const std::string_view name = scriptwords::next(rest);
    if (name.empty())
        throw LineRejection {
                "'field' expects a field name and its text", "«field»: нужны имя поля и его текст"};
    const auto edit = findEdit(name);
    if (!edit)
        throw LineRejection {
                "unknown field " + quoted(name), "неизвестное поле " + guillemets(name)};
    c.edit = *edit;
    c.text = std::string(rest);
}

void parseSlider(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(2, "a slider name and a position", "нужны имя ползунка и положение");
    const auto slider = findSlider(l.args[0]);
    if (!slider)
        throw LineRejection {"unknown slider " + quoted(l.args[0]),
                "неизвестный ползунок " + guillemets(l.args[0])};
    c.slider = *slider;
    c.count = wholeArgument(l.args[1], "the position", "положение");
}

void parseCheck(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(2, "a check box name and 0 or 1", "нужны имя флажка и 0 или 1");
    const auto check = findInputCheck(l.args[0]);
    if (!check)
        throw LineRejection {"unknown check box " + quoted(l.args[0]),
                "неизвестный флажок " + guillemets(l.args[0])};
    c.check = *check;
    c.count = flagArgument(l.args[1]);
}

void parseDetails(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(4, "four volumes: inhale, exhale, counterlung and dead space",
            "нужны четыре объёма: вдох, выдох, противолёгкое и мёртвое пространство");
    for (std::size_t i = 0; i < 4; ++i)
        c.details[i] = std::string(l.args[i]);
}

void parseFlag(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(1, "0 or 1", "нужно 0 или 1");
    c.count = flagArgument(l.args[0]);
}

void parseSupply(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(2, "O2 or Dil and open or closed", "нужны O2 или Dil и open или closed");
    if (l.args[0] != "O2" && l.args[0] != "Dil")
        throw LineRejection {"unknown cylinder " + quoted(l.args[0]) + " (O2 or Dil)",
                "неизвестный баллон " + guillemets(l.args[0]) + " (O2 или Dil)"};
    if (l.args[1] != "open" && l.args[1] != "closed")
        throw LineRejection {"expected open or closed, not " + quoted(l.args[1]),
                "ожидается open или closed, а не " + guillemets(l.args[1])};
    c.cylinder = l.args[0] == "O2" ? Cylinder::O2 : Cylinder::Diluent;
    c.count = l.args[1] == "open";
}

// cell K ok|dead|stuck X|stuck now|limit X|limit none|sensitivity S|slow H
void parseCell(const CommandLine &l, ScenarioCommand &c)
{
    const std::vector<std::string_view> &args = l.args;
    if (args.size() < 2)
        throw LineRejection {"'cell' expects a cell number and what happens to it: ok, dead, "
                             "stuck X, stuck now, limit X, limit none, sensitivity S or slow H",
                "«cell»: нужны номер датчика и что с ним: ok, dead, stuck X, stuck now, limit X, "
                "limit none, sensitivity S или slow H"};
    int number = 0;
    try {
        number = numtext::parseWhole(args[0]);
    } catch (const LoopwrightError &) { }
    if (number < 1 || number > 3)
        throw LineRejection {"the cell number must be 1, 2 or 3, not " + quoted(args[0]),
                "номер датчика должен быть 1, 2 или 3, а не " + guillemets(args[0])};
    c.cell = number;
    const std::string_view action = args[1];
    const bool bare = action == "ok" || action == "dead";
    if (!bare && action != "stuck" && action != "limit" && action != "sensitivity"
            && action != "slow")
        throw LineRejection {"unknown cell state " + quoted(action)
                        + " (ok, dead, stuck, limit, sensitivity, slow)",
                "неизвестное состояние датчика " + guillemets(action)
                        + " (ok, dead, stuck, limit, sensitivity, slow)"};
    const std::string usage = "cell " + std::string(args[0]) + " " + std::string(action);
    if (bare) {
        expectArguments(args, 2, usage, "no value", "значение не нужно");
        c.cellAction = action == "ok" ? CellAction::Ok : CellAction::Dead;
        return;
    }
    c.text = std::string(args.size() > 2 ? args[2] : std::string_view());
    if (action == "stuck") {
        expectArguments(args, 3, usage, "a PPO2 or 'now'", "нужно PPO2 или now");
        c.cellAction = args[2] == "now" ? CellAction::StuckNow : CellAction::Stuck;
        if (c.cellAction == CellAction::Stuck)
            c.value = cellValue(args[2], "the stuck PPO2", "PPO2 заклинившего датчика");
    } else if (action == "limit") {
        expectArguments(args, 3, usage, "a PPO2 or 'none'", "нужно PPO2 или none");
        c.cellAction = args[2] == "none" ? CellAction::NoLimit : CellAction::Limit;
        if (c.cellAction == CellAction::Limit)
            c.value = cellValue(args[2], "the limit", "ограничение тока");
    } else if (action == "sensitivity") {
        expectArguments(args, 3, usage, "a sensitivity", "нужна чувствительность");
        c.cellAction = CellAction::Sensitivity;
        c.value = cellValue(args[2], "the sensitivity", "чувствительность");
    } else {
        expectArguments(args, 3, usage, "a half-time in seconds", "нужно время в секундах");
        c.cellAction = CellAction::Slow;
        c.value = cellValue(args[2], "the half-time", "время запаздывания");
    }
}

void parseGradientFactorPair(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(2, "GF low and GF high in percent", "нужны GF низкий и GF высокий в процентах");
    const auto pair = parseGradientFactors(l.args[0], l.args[1]);
    if (!pair)
        throw LineRejection {"GF low and high must be whole percents written in digits, "
                             "10 <= low <= high <= 100, not "
                        + quoted(l.args[0]) + " and " + quoted(l.args[1]),
                "GF низкий и высокий должны быть целыми процентами из цифр, 10 <= низкий "
                "<= высокий <= 100, а не "
                        + guillemets(l.args[0]) + " и " + guillemets(l.args[1])};
    c.gradientFactors = *pair;
}

// A number as the program reads numbers (comma or point), finite.
double finiteArgument(std::string_view text, std::string_view what, std::string_view whatRu)
{
    double value = NAN;
    try {
        value = numtext::parseDecimal(text);
    } catch (const LoopwrightError &) { }
    if (!std::isfinite(value))
        throw LineRejection {std::string(what) + " must be a number, not " + quoted(text),
                std::string(whatRu) + ": нужно число, а не " + guillemets(text)};
    return value;
}

// bailout-gas J O2 HE LITRES
void parseBailoutGas(const CommandLine &l, ScenarioCommand &c)
{
    const std::vector<std::string_view> &args = l.args;
    l.expect(4, "a gas number (1 or 2), its oxygen and helium in percent and its litres",
            "нужны номер газа (1 или 2), кислород и гелий в процентах и литры");
    if (args[0] != "1" && args[0] != "2")
        throw LineRejection {"the bailout gas must be 1 or 2, not " + quoted(args[0]),
                "газ байлаута должен быть 1 или 2, а не " + guillemets(args[0])};
    BailoutGas gas;
    gas.o2Percent = finiteArgument(args[1], "the oxygen", "кислород");
    gas.hePercent = finiteArgument(args[2], "the helium", "гелий");
    gas.litres = finiteArgument(args[3], "the litres", "литры");
    if (!(BailoutGas::kMinimumO2 <= gas.o2Percent && gas.o2Percent <= 100.0))
        throw LineRejection {"the oxygen must be from 5 to 100 %, not " + quoted(args[1]),
                "кислорода должно быть от 5 до 100 %, а не " + guillemets(args[1])};
    if (gas.hePercent < 0.0)
        throw LineRejection {"the helium cannot be negative", "гелий не может быть отрицательным"};
    if (!BailoutGas::validMix(gas.o2Percent, gas.hePercent))
        throw LineRejection {"the oxygen and the helium together cannot be more than 100 %",
                "кислорода и гелия вместе не может быть больше 100 %"};
    if (!BailoutGas::validLitres(gas.litres))
        throw LineRejection {"the litres cannot be negative", "литры не могут быть отрицательными"};
    c.gas = args[0] == "1" ? 0 : 1;
    c.bailoutGas = gas;
    // The numbers as written, for the debrief's log.
    c.text = std::string(args[1]) + " " + std::string(args[2]) + " " + std::string(args[3]);
}

void parseRmv(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(1, "a breathing rate in litres per minute",
            "нужен расход на дыхание в литрах в минуту");
    c.text = std::string(l.args[0]);
    c.value = finiteArgument(l.args[0], "the breathing rate", "расход на дыхание");
    if (!BailoutSettings::validRmv(c.value))
        throw LineRejection {"the breathing rate must be above 0, not " + quoted(l.args[0]),
                "расход на дыхание должен быть больше нуля, а не " + guillemets(l.args[0])};
}

void parseBailout(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(1, "1, 2 or loop", "нужно 1, 2 или loop");
    const std::string_view to = l.args[0];
    if (to != "1" && to != "2" && to != "loop")
        throw LineRejection {"expected 1, 2 or loop, not " + quoted(to),
                "ожидается 1, 2 или loop, а не " + guillemets(to)};
    c.breathing = to == "1" ? Breathing::Gas1 : to == "2" ? Breathing::Gas2 : Breathing::Loop;
}

void parseNothing(const CommandLine &l, ScenarioCommand &)
{
    l.expect(0, "no arguments", "аргументы не нужны");
}

void parseBypass(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(1, "O2Bypass or DilBypass", "нужно O2Bypass или DilBypass");
    c.bypass = bypassArgument(l.args[0]);
}

void parseTicks(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(1, "a number of ticks", "нужно число тактов");
    c.count = wholeArgument(l.args[0], "the number of ticks", "число тактов");
    if (c.count < 0)
        throw LineRejection {"the number of ticks cannot be negative",
                "число тактов не может быть отрицательным"};
}

void parseMinutes(const CommandLine &l, ScenarioCommand &c)
{
    l.expect(1, "a number of minutes", "нужно число минут");
    c.text = std::string(l.args[0]);
    try {
        c.minutes = numtext::parseDecimal(l.args[0]);
    } catch (const LoopwrightError &) {
        throw LineRejection {"the minutes must be a number, not " + quoted(l.args[0]),
                "минуты должны быть числом, а не " + guillemets(l.args[0])};
    }
    if (!(c.minutes >= 0.0) || !std::isfinite(c.minutes))
        throw LineRejection {
                "the minutes must be zero or more", "минуты не могут быть отрицательными"};
}

// The command written back: its word, then its arguments as a file has them.
std::string fieldWords(const ScenarioCommand &c)
{
    const FieldInfo &f = kFields[std::size_t(editIndex(c.edit))];
    const std::string_view name = f.parameter.empty() ? f.control : f.parameter;
    return "field " + std::string(name) + (c.text.empty() ? "" : " " + c.text);
}

std::string sliderWords(const ScenarioCommand &c)
{
    return "slider " + std::string(kSliders[std::size_t(c.slider)].parameter) + " "
            + std::to_string(c.count);
}

std::string checkWords(const ScenarioCommand &c)
{
    return "check " + std::string(kChecks[std::size_t(c.check)].parameter) + " "
            + std::to_string(c.count);
}

std::string detailsWords(const ScenarioCommand &c)
{
    return "details " + c.details[0] + " " + c.details[1] + " " + c.details[2] + " " + c.details[3];
}

std::string countWords(const ScenarioCommand &c)
{
    return c.word + " " + std::to_string(c.count);
}

std::string supplyWords(const ScenarioCommand &c)
{
    return std::string("supply ") + (c.cylinder == Cylinder::O2 ? "O2" : "Dil")
            + (c.count ? " open" : " closed");
}

std::string cellWords(const ScenarioCommand &c)
{
    static constexpr std::pair<CellAction, const char *> kActions[] = {{CellAction::Ok, "ok"},
            {CellAction::Dead, "dead"}, {CellAction::Stuck, "stuck"},
            {CellAction::StuckNow, "stuck now"}, {CellAction::Limit, "limit"},
            {CellAction::NoLimit, "limit none"}, {CellAction::Sensitivity, "sensitivity"},
            {CellAction::Slow, "slow"}};
    std::string out = "cell " + std::to_string(c.cell);
    for (const auto &[action, words] : kActions) {
        if (action == c.cellAction)
            out += std::string(" ") + words;
    }
    const bool valued = c.cellAction == CellAction::Stuck || c.cellAction == CellAction::Limit
            || c.cellAction == CellAction::Sensitivity || c.cellAction == CellAction::Slow;
    return valued ? out + " " + c.text : out;
}

std::string gradientFactorWords(const ScenarioCommand &c)
{
    return "gf " + std::to_string(c.gradientFactors.low) + " "
            + std::to_string(c.gradientFactors.high);
}

std::string plainWords(const ScenarioCommand &c)
{
    return c.word;
}

std::string bypassWords(const ScenarioCommand &c)
{
    return c.word + (c.bypass == Bypass::O2 ? " O2Bypass" : " DilBypass");
}

std::string minutesWords(const ScenarioCommand &c)
{
    return "minutes " + c.text;
}

std::string bailoutGasWords(const ScenarioCommand &c)
{
    return "bailout-gas " + std::to_string(c.gas + 1) + " " + c.text;
}

std::string rmvWords(const ScenarioCommand &c)
{
    return "rmv " + c.text;
}

std::string bailoutWords(const ScenarioCommand &c)
{
    return c.breathing == Breathing::Loop ? "bailout loop"
                                          : "bailout " + std::to_string(gasIndex(c.breathing) + 1);
}

// The scenario language: adding a command is adding a row here (with its
// kind, and its step in applyCommand or the runner).
struct CommandEntry
{
    std::string_view word;
    Kind kind;
    unsigned uses;
    void (*parse)(const CommandLine &, ScenarioCommand &);
    std::string (*words)(const ScenarioCommand &);
};

constexpr unsigned kAnywhere = kDrillSetup | kDrillTimed | kTraineeAction;

constexpr CommandEntry kCommands[] = {
        {"field", Kind::Field, kAnywhere, parseField, fieldWords},
        {"slider", Kind::Slider, kAnywhere, parseSlider, sliderWords},
        {"check", Kind::Check, kAnywhere, parseCheck, checkWords},
        {"details", Kind::Details, kDrillSetup, parseDetails, detailsWords},
        {"diluent-bypass-available", Kind::DilBypassAvailable, kDrillSetup, parseFlag, countWords},
        {"press", Kind::Press, kDrillTimed | kTraineeAction, parseBypass, bypassWords},
        {"release", Kind::Release, kDrillTimed | kTraineeAction, parseBypass, bypassWords},
        {"supply", Kind::Supply, kAnywhere, parseSupply, supplyWords},
        {"cell", Kind::Cell, kDrillSetup | kDrillTimed, parseCell, cellWords},
        {"gf", Kind::GradientFactors, kDrillSetup | kTraineeAction, parseGradientFactorPair,
                gradientFactorWords},
        {"bailout-gas", Kind::BailoutGasSetting, kDrillSetup | kTraineeAction, parseBailoutGas,
                bailoutGasWords},
        {"rmv", Kind::Rmv, kDrillSetup | kTraineeAction, parseRmv, rmvWords},
        // The dive button puts the diver back on the loop: no use in a set-up.
        {"bailout", Kind::Bailout, kDrillTimed | kTraineeAction, parseBailout, bailoutWords},
        {"start", Kind::Start, 0, parseNothing, plainWords},
        {"pause", Kind::Pause, 0, parseNothing, plainWords},
        {"continue", Kind::Continue, 0, parseNothing, plainWords},
        {"reset", Kind::Reset, 0, parseNothing, plainWords},
        {"ticks", Kind::Ticks, 0, parseTicks, countWords},
        {"minutes", Kind::Minutes, 0, parseMinutes, minutesWords},
        {"forecast", Kind::Forecast, 0, parseNothing, plainWords},
        {"plan", Kind::Plan, 0, parseNothing, plainWords},
        {"bailoutplan", Kind::BailoutPlan, 0, parseNothing, plainWords},
};

const CommandEntry *findCommand(std::string_view word)
{
    for (const CommandEntry &entry : kCommands) {
        if (entry.word == word)
            return &entry;
    }
    return nullptr;
}

const CommandEntry &entryOf(Kind kind)
{
    for (const CommandEntry &entry : kCommands) {
        if (entry.kind == kind)
            return entry;
    }
    return kCommands[0]; // every kind has its row
}

} // namespace

std::optional<unsigned> commandUses(std::string_view word)
{
    if (const CommandEntry *entry = findCommand(word))
        return entry->uses;
    return std::nullopt;
}

std::string commandsFor(CommandUse use)
{
    std::string out;
    for (const CommandEntry &entry : kCommands) {
        if (entry.uses & use)
            out += (out.empty() ? "" : ", ") + std::string(entry.word);
    }
    return out;
}

ScenarioCommand parseCommandLine(std::string_view line)
{
    CommandLine l;
    l.rest = line;
    l.command = scriptwords::next(l.rest);
    const CommandEntry *entry = findCommand(l.command);
    if (!entry)
        throw LineRejection {"unknown command " + quoted(l.command),
                "неизвестная команда " + guillemets(l.command)};
    l.args = words(l.rest);
    ScenarioCommand c;
    c.word = std::string(l.command);
    c.kind = entry->kind;
    entry->parse(l, c);
    return c;
}

std::string commandWords(const ScenarioCommand &c)
{
    return entryOf(c.kind).words(c);
}

bool isTraineeAction(const ScenarioCommand &c)
{
    return (entryOf(c.kind).uses & kTraineeAction) != 0
            && !(c.kind == Kind::Check && isFaultBox(c.check));
}

void applyCommand(const ScenarioCommand &c, Simulation &simulation)
{
    ParameterSource &form = simulation.params();
    SimulationState &state = simulation.state();
    switch (c.kind) {
    case Kind::Field:
        form.setText(c.edit, c.text);
        break;
    case Kind::Slider:
        if (c.slider == Slider::startDepth && simulation.view().controls.startDepthLocked)
            break; // a locked slider does not follow the mouse
        form.setPosition(c.slider, int(std::clamp<long long>(c.count, -1000000, 1000000)));
        break;
    case Kind::Check:
        simulation.setFailure(c.check, c.count != 0);
        break;
    case Kind::Details:
        deriveLoopDetails({c.details[0], c.details[1], c.details[2], c.details[3]}, form);
        break;
    case Kind::DilBypassAvailable:
        state.dilBypassAvailable = c.count != 0;
        break;
    case Kind::Supply:
        (c.cylinder == Cylinder::O2 ? state.o2ValveOpen : state.dilValveOpen) = c.count != 0;
        break;
    case Kind::Cell:
        state.cells.apply(c.cell - 1, c.cellAction, c.value);
        break;
    case Kind::GradientFactors:
        state.gradientFactors = c.gradientFactors;
        break;
    case Kind::BailoutGasSetting:
        state.bailout.gases[std::size_t(c.gas)] = c.bailoutGas;
        break;
    case Kind::Rmv:
        state.bailout.rmvLpm = c.value;
        break;
    case Kind::Bailout:
        state.breathing = c.breathing;
        break;
    case Kind::Press:
    case Kind::Release:
        simulation.bypassMouse(c.bypass, c.kind == Kind::Press);
        break;
    default:
        break; // the run commands belong to their runner
    }
}
