#include "arguments.h"

#include "util/atomicfile.h"

#include <charconv>
#include <optional>
#include <string_view>

#include <sys/stat.h>

namespace {

using Mode = SimArguments::Mode;

enum class Role { Input, Output, Value };

// The modes an option belongs to.
enum : unsigned { kScenario = 1, kDebrief = 2, kBoth = kScenario | kDebrief };

unsigned bit(Mode mode)
{
    return mode == Mode::Scenario ? kScenario : kDebrief;
}

// One option: adding an option to the program is adding a row here (and its
// member in SimArguments). The row without a name is the argument that is
// no option. A file (Input, Output) takes part in the clobbering rule.
struct OptionEntry
{
    std::string_view name;
    std::string SimArguments::*value;
    Role role;
    unsigned modes;
    bool required;
    std::string_view what; ///< the value, as the usage error names it
};

constexpr OptionEntry kOptions[] = {
        {"", &SimArguments::scenario, Role::Input, kScenario, true, "a SCENARIO"},
        {"--uddf", &SimArguments::uddf, Role::Output, kBoth, false, "a FILE"},
        {"--csv", &SimArguments::csv, Role::Output, kBoth, false, "a FILE"},
        {"--debrief", &SimArguments::drill, Role::Input, kDebrief, true, "a DRILL"},
        {"--debrief-out", &SimArguments::debriefOut, Role::Output, kDebrief, true,
                "a DEBRIEF.json"},
        {"--response", &SimArguments::response, Role::Input, kDebrief, false, "a FILE"},
        {"--seed", &SimArguments::seedText, Role::Value, kDebrief, false, "a NUMBER"},
};

const OptionEntry *findOption(std::string_view name)
{
    for (const OptionEntry &o : kOptions) {
        if (o.name == name)
            return &o;
    }
    return nullptr;
}

std::string shown(const OptionEntry &o)
{
    return o.name.empty() ? std::string("the scenario") : "'" + std::string(o.name) + "'";
}

// What a file argument is, compared by the file rather than its spelling.
struct FileArgument
{
    const OptionEntry *option = nullptr;
    std::string path;
    std::optional<ReplaceTarget> output; ///< an output that can be replaced
    std::optional<struct stat> input; ///< an input that exists
};

// Whether an output would replace the input read from \a input.
bool isFile(const ReplaceTarget &output, const struct stat &input)
{
    return output.exists && output.device == input.st_dev && output.inode == input.st_ino;
}

std::optional<UsageError> clobbering(const SimArguments &a)
{
    std::vector<FileArgument> files;
    for (const OptionEntry &o : kOptions) {
        const std::string &path = a.*o.value;
        if (!(o.modes & bit(a.mode)) || o.role == Role::Value || path.empty())
            continue;
        FileArgument f {&o, path, std::nullopt, std::nullopt};
        if (o.role == Role::Output) {
            // One that cannot be replaced is refused on its own later.
            try {
                f.output = resolveReplaceTarget(path);
            } catch (const FileWriteError &) { }
        } else if (struct stat st {}; ::stat(path.c_str(), &st) == 0) {
            f.input = st;
        }
        files.push_back(std::move(f));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (std::size_t j = i + 1; j < files.size(); ++j) {
            const FileArgument &a1 = files[i];
            const FileArgument &a2 = files[j];
            const FileArgument *out = a1.output ? &a1 : a2.output ? &a2 : nullptr;
            const FileArgument *other = out == &a1 ? &a2 : &a1;
            if (!out)
                continue;
            const bool same = other->output ? sameTarget(*out->output, *other->output)
                                            : other->input && isFile(*out->output, *other->input);
            if (same)
                return UsageError {shown(*a1.option) + " and " + shown(*a2.option)
                        + " name the same file ('" + a1.path + "', '" + a2.path
                        + "'): one would overwrite the other"};
        }
    }
    return std::nullopt;
}

} // namespace

std::variant<SimArguments, UsageError> parseSimArguments(const std::vector<std::string> &args)
{
    SimArguments a;
    for (const std::string &arg : args) {
        if (arg == "--debrief" || arg.starts_with("--debrief="))
            a.mode = Mode::Debrief;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const OptionEntry *option = nullptr;
        std::string value;
        if (arg.size() > 1 && arg.front() == '-') {
            const std::size_t equals = arg.find('=');
            option = arg.starts_with("--") ? findOption(std::string_view(arg).substr(0, equals))
                                           : nullptr;
            if (!option)
                return UsageError {"unknown option '" + arg + "'"};
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
                value = args[++i];
            }
            if (value.empty())
                return UsageError {shown(*option) + " needs " + std::string(option->what)};
        } else {
            option = findOption("");
            value = arg;
        }
        if (!(option->modes & bit(a.mode))) {
            if (option->name.empty())
                return UsageError {"unexpected argument '" + arg + "' with --debrief"};
            return UsageError {shown(*option)
                    + (a.mode == Mode::Debrief ? " cannot be used with --debrief"
                                               : " is used with --debrief only")};
        }
        std::string &slot = a.*option->value;
        if (!slot.empty())
            return UsageError {option->name.empty()
                            ? "more than one scenario ('" + slot + "', '" + value + "')"
                            : shown(*option) + " is given twice"};
        slot = value;
    }
    for (const OptionEntry &o : kOptions) {
        if ((o.modes & bit(a.mode)) && o.required && (a.*o.value).empty())
            return UsageError {
                    o.name.empty() ? std::string("no scenario to run") : shown(o) + " is missing"};
    }
    if (!a.seedText.empty()) {
        const char *end = a.seedText.data() + a.seedText.size();
        const auto [stop, error] = std::from_chars(a.seedText.data(), end, a.seed);
        const bool digits = a.seedText.find_first_not_of("0123456789") == std::string::npos;
        if (!digits || error != std::errc() || stop != end)
            return UsageError {"'--seed' needs a whole number from 0 to 18446744073709551615, not '"
                    + a.seedText + "'"};
    }
    if (auto error = clobbering(a))
        return *error;
    return a;
}

std::vector<std::string> simOutputs(const SimArguments &a)
{
    std::vector<std::string> out;
    for (const OptionEntry &o : kOptions) {
        if ((o.modes & bit(a.mode)) && o.role == Role::Output && !(a.*o.value).empty())
            out.push_back(a.*o.value);
    }
    return out;
}
