#include "setup/options.h"

#include "profile/settingsfile.h"

namespace {

constexpr const char *kSection = "Options";
constexpr const char *kDiveComputer = "DiveComputer";
constexpr const char *kLanguage = "Language";
constexpr const char *kGfLow = "GFLow";
constexpr const char *kGfHigh = "GFHigh";

// A hand-edited value may have blanks around it.
std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

ProgramOptions loadOptions(const SettingsFile &file)
{
    ProgramOptions o;
    o.diveComputerOpen = file.ReadBool(kSection, kDiveComputer, o.diveComputerOpen);
    o.language = file.ReadString(kSection, kLanguage, "");
    const std::string low = file.ReadString(kSection, kGfLow, "");
    const std::string high = file.ReadString(kSection, kGfHigh, "");
    if (const auto pair = parseGradientFactors(trimmed(low), trimmed(high)))
        o.gradientFactors = *pair;
    return o;
}

void saveOptions(SettingsFile &file, const ProgramOptions &options)
{
    file.WriteBool(kSection, kDiveComputer, options.diveComputerOpen);
    // No choice made: nothing written, so that the system's language decides.
    if (!options.language.empty())
        file.WriteString(kSection, kLanguage, options.language);
    if (options.gradientFactors == GradientFactors {}) {
        file.DeleteKey(kSection, kGfLow);
        file.DeleteKey(kSection, kGfHigh);
    } else {
        file.WriteString(kSection, kGfLow, std::to_string(options.gradientFactors.low));
        file.WriteString(kSection, kGfHigh, std::to_string(options.gradientFactors.high));
    }
}
