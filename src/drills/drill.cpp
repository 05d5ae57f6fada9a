#include "drills/drill.h"

#include "engine/loopdetails.h"
#include "util/error.h"
#include "util/numtext.h"

#include <cmath>

namespace {

using Kind = ScenarioCommand::Kind;
using scriptwords::next;
using scriptwords::trim;

LineRejection refuse(std::string english, std::string russian)
{
    return {std::move(english), std::move(russian)};
}

// What the file says, quoted as much as a message needs.
std::string q(std::string_view s)
{
    return "'" + errors::excerpt(s) + "'";
}

std::string g(std::string_view s)
{
    return "«" + errors::excerpt(s) + "»";
}

// A number as the program reads numbers (comma or point), finite.
double number(std::string_view text, std::string_view what, std::string_view whatRu)
{
    double value = 0.0;
    try {
        value = numtext::parseDecimal(text);
    } catch (const LoopwrightError &) {
        value = NAN;
    }
    if (!std::isfinite(value))
        throw refuse(std::string(what) + " must be a number, not " + q(text),
                std::string(whatRu) + ": нужно число, а не " + g(text));
    return value;
}

double minutesArgument(std::string_view text)
{
    const double m = number(text, "the minutes", "минуты");
    if (m < 0.0)
        throw refuse("the minutes must be zero or more", "минуты не могут быть отрицательными");
    return m;
}

bool validUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, min = 0x80, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, min = 0x800, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (i + std::size_t(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (cc & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += std::size_t(extra) + 1;
    }
    return true;
}

Objective parseObjective(std::string_view rest)
{
    Objective o;
    std::vector<std::string_view> w;
    for (std::string_view r = rest; !trim(r).empty();)
        w.push_back(next(r));
    for (std::string_view word : w)
        o.name += (o.name.empty() ? "" : " ") + std::string(word);
    const std::string_view kind = w.empty() ? std::string_view() : w[0];
    auto expect = [&](std::size_t n, const char *usage, const char *usageRu) {
        if (w.size() != n + 1)
            throw refuse(q(kind) + " expects " + usage, g(kind) + ": " + usageRu);
    };
    if (kind == "ppo2-between") {
        expect(2, "the lowest and the highest PPO2", "нужны наименьшее и наибольшее PPO2");
        o.kind = ObjectiveKind::Ppo2Between;
        o.low = number(w[1], "the lowest PPO2", "наименьшее PPO2");
        o.high = number(w[2], "the highest PPO2", "наибольшее PPO2");
        if (o.low > o.high)
            throw refuse(
                    "the lowest PPO2 is above the highest", "наименьшее PPO2 больше наибольшего");
    } else if (kind == "no-ceiling-violation") {
        expect(0, "no arguments", "аргументы не нужны");
        o.kind = ObjectiveKind::NoCeilingViolation;
    } else if (kind == "surface-within") {
        expect(1, "a number of minutes", "нужно число минут");
        o.kind = ObjectiveKind::SurfaceWithin;
        o.high = minutesArgument(w[1]);
    } else if (kind == "cns-below" || kind == "reserve-above" || kind == "bailout-reserve-above") {
        expect(1, "a percentage", "нужен процент");
        o.kind = kind == "cns-below"      ? ObjectiveKind::CnsBelow
                : kind == "reserve-above" ? ObjectiveKind::ReserveAbove
                                          : ObjectiveKind::BailoutReserveAbove;
        o.high = number(w[1], "the percentage", "процент");
    } else if (kind == "react-within") {
        expect(1, "a number of seconds", "нужно число секунд");
        o.kind = ObjectiveKind::ReactWithin;
        o.high = number(w[1], "the seconds", "секунды");
        if (o.high < 0.0)
            throw refuse(
                    "the seconds must be zero or more", "секунды не могут быть отрицательными");
    } else {
        constexpr const char *kKinds = " (ppo2-between, no-ceiling-violation, surface-within, "
                                       "cns-below, reserve-above, bailout-reserve-above, "
                                       "react-within)";
        throw refuse(
                "unknown objective " + q(kind) + kKinds, "неизвестная цель " + g(kind) + kKinds);
    }
    return o;
}

// "MINUTES" or "FROM..TO".
void parseDueTime(std::string_view text, DrillEvent &e)
{
    const std::size_t dots = text.find("..");
    if (dots == std::string_view::npos) {
        e.minutes = minutesArgument(text);
        return;
    }
    e.minutes = minutesArgument(text.substr(0, dots));
    e.toMinutes = minutesArgument(text.substr(dots + 2));
    if (*e.toMinutes < e.minutes)
        throw refuse("the range " + q(text) + " ends before it begins",
                "промежуток " + g(text) + " кончается раньше, чем начинается");
}

// "at TIME COMMAND ...": a command allowed for \a use, or a note.
DrillEvent parseEvent(std::string_view rest, CommandUse use)
{
    DrillEvent e;
    const std::string_view time = next(rest);
    std::string_view command = rest;
    const std::string_view word = next(command);
    if (word.empty())
        throw refuse("'at' expects minutes and a command", "«at»: нужны минуты и команда");
    parseDueTime(time, e);
    if (word == "note" && use == kDrillTimed) {
        if (command.empty())
            throw refuse("'note' expects a text", "«note»: нужен текст");
        e.isNote = true;
        e.note = std::string(command);
        return e;
    }
    if (commandUses(word).value_or(0) & use) {
        e.command = parseCommandLine(rest);
        if (use == kTraineeAction && !isTraineeAction(e.command))
            throw refuse(q(commandWords(e.command)) + " sets a failure: a trainee cannot",
                    g(commandWords(e.command)) + " задаёт неисправность, а не действие водолаза");
        return e;
    }
    const std::string allowed = commandsFor(use) + (use == kDrillTimed ? ", note" : "");
    if (use == kTraineeAction)
        throw refuse(q(word) + " is not a trainee's action (" + allowed + ")",
                g(word) + " — не действие водолаза (" + allowed + ")");
    throw refuse(q(word) + " cannot be timed (" + allowed + ")",
            g(word) + " нельзя задать по времени (" + allowed + ")");
}

void parseLine(std::string_view line, int lineNumber, Drill &drill)
{
    std::string_view rest = line;
    const std::string_view word = next(rest);
    if (word == "title") {
        if (!drill.title.empty())
            throw refuse("the drill has a title already", "у тренировки уже есть название");
        if (rest.empty())
            throw refuse("'title' expects a text", "«title»: нужен текст");
        drill.title = std::string(rest);
    } else if (word == "brief") {
        drill.brief.emplace_back(rest);
    } else if (word == "at") {
        drill.events.push_back(parseEvent(rest, kDrillTimed));
        drill.events.back().line = lineNumber;
    } else if (word == "objective") {
        drill.objectives.push_back(parseObjective(rest));
    } else if (word == "end-after") {
        if (drill.endAfterMinutes)
            throw refuse("the drill has an end-after already", "у тренировки уже есть end-after");
        std::string_view args = rest;
        const std::string_view minutes = next(args);
        if (minutes.empty() || !args.empty())
            throw refuse(
                    "'end-after' expects a number of minutes", "«end-after»: нужно число минут");
        drill.endAfterMinutes = minutesArgument(minutes);
    } else if (word == "note") {
        throw refuse("a note is shown during the dive: write 'at MINUTES note TEXT'",
                "заметка показывается во время погружения: пишите «at МИНУТЫ note ТЕКСТ»");
    } else if (commandUses(word) == 0u) {
        throw refuse(q(word) + " is a run command, not allowed in a drill",
                "команда запуска " + g(word) + " в тренировке не допускается");
    } else if (word == "bailout") {
        throw refuse("'bailout' in the set-up would be undone by the dive button, which "
                     "puts the diver on the loop: write it after 'at MINUTES'",
                "«bailout» в подготовке отменит «ПОГРУЖЕНИЕ», которое возвращает дайвера "
                "на контур: пишите после «at МИНУТЫ»");
    } else if (commandUses(word) && !(*commandUses(word) & kDrillSetup)) {
        throw refuse(q(word) + " is allowed only after 'at MINUTES'",
                g(word) + " допускается только после «at МИНУТЫ»");
    } else {
        ScenarioCommand c = parseCommandLine(line);
        if (c.kind == Kind::Cell && c.cellAction == CellAction::StuckNow)
            throw refuse("'stuck now' needs the cell's reading, which comes with the dive: "
                         "write it after 'at MINUTES'",
                    "«stuck now» требует показаний датчика, а они появятся только в "
                    "погружении: пишите после «at МИНУТЫ»");
        if (c.kind == Kind::Details) {
            // Checked now, so that a drill is refused before its set-up
            // changes anything rather than half-way through it.
            for (const std::string &volume : c.details) {
                if (std::fabs(number(volume, "a volume", "объём")) > kMaxLoopVolume)
                    throw refuse("the volume " + q(volume) + " is above 1E15 l",
                            "объём " + g(volume) + " больше 1E15 л");
            }
        }
        c.line = lineNumber;
        drill.setup.push_back(std::move(c));
    }
}

} // namespace

std::string DrillError::russianMessage() const
{
    return line > 0 ? "строка " + std::to_string(line) + ": " + russian : russian;
}

namespace {

// Every line of \a text that is not blank or a comment, with its number, to
// \a parse; the first refusal becomes the error.
template<typename Parse>
std::optional<DrillError> forEachLine(std::string_view text, Parse &&parse)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    scriptwords::Lines lines(text);
    try {
        for (std::string_view line; lines.next(line);) {
            if (!validUtf8(line))
                return DrillError {lines.number(), "the line is not UTF-8 text",
                        "строка не в кодировке UTF-8"};
            line = trim(line.substr(0, line.find('#')));
            if (!line.empty())
                parse(line, lines.number());
        }
    } catch (const LineRejection &r) {
        return DrillError {lines.number(), r.english, r.russian};
    }
    return std::nullopt;
}

// The file at \a path read whole, or why it cannot be (\a what names it).
std::variant<std::string, DrillError> readDrillFile(const std::filesystem::path &path,
        bool regularOnly, std::string_view what, std::string_view whatRu)
{
    std::string content;
    const std::string w(what);
    const std::string r(whatRu);
    switch (readScriptFile(path, content, regularOnly)) {
    case ScriptFileError::None:
        return content;
    case ScriptFileError::CannotOpen:
        return DrillError {0, "cannot open the " + w, "не удаётся открыть файл " + r};
    case ScriptFileError::NotARegularFile:
        return DrillError {
                0, "the " + w + " is not a regular file", "файл " + r + " — не обычный файл"};
    case ScriptFileError::TooLarge:
        return DrillError {
                0, "the " + w + " is larger than 64 MiB", "файл " + r + " больше 64 МиБ"};
    case ScriptFileError::CannotRead:
        break;
    }
    return DrillError {0, "cannot read the " + w, "не удаётся прочитать файл " + r};
}

} // namespace

std::variant<Drill, DrillError> parseDrill(std::string_view text)
{
    Drill drill;
    if (auto error = forEachLine(
                text, [&](std::string_view line, int number) { parseLine(line, number, drill); }))
        return *error;
    return drill;
}

std::variant<std::vector<DrillEvent>, DrillError> parseResponse(std::string_view text)
{
    std::vector<DrillEvent> response;
    auto parse = [&](std::string_view line, int number) {
        std::string_view rest = line;
        if (next(rest) != "at")
            throw refuse("a response holds only 'at MINUTES ACTION' lines",
                    "в ответе допускаются только строки «at МИНУТЫ ДЕЙСТВИЕ»");
        DrillEvent e = parseEvent(rest, kTraineeAction);
        if (e.toMinutes)
            throw refuse("a trainee's action comes at a time, not in a range",
                    "действие водолаза задаётся временем, а не промежутком");
        e.line = number;
        response.push_back(std::move(e));
    };
    if (auto error = forEachLine(text, parse))
        return *error;
    return response;
}

std::variant<Drill, DrillError> loadDrill(const std::filesystem::path &path, bool regularOnly)
{
    auto content = readDrillFile(path, regularOnly, "drill", "тренировки");
    if (auto *error = std::get_if<DrillError>(&content))
        return *error;
    return parseDrill(std::get<std::string>(content));
}

std::variant<std::vector<DrillEvent>, DrillError> loadResponse(const std::filesystem::path &path)
{
    auto content = readDrillFile(path, false, "response", "ответа");
    if (auto *error = std::get_if<DrillError>(&content))
        return *error;
    return parseResponse(std::get<std::string>(content));
}

void applyDrillSetup(const Drill &drill, Simulation &simulation)
{
    simulation.state().drillFaults.emplace();
    for (const ScenarioCommand &c : drill.setup)
        applyCommand(c, simulation);
}

std::filesystem::path shippedDrillsFolder(const std::filesystem::path &executableFolder)
{
    std::error_code error;
    for (const std::filesystem::path &folder :
            {executableFolder / ".." / LOOPWRIGHT_DRILLS_INSTALLED,
                    std::filesystem::path(LOOPWRIGHT_DRILLS_SOURCE)}) {
        if (std::filesystem::is_directory(folder, error))
            return folder.lexically_normal();
    }
    return {};
}
