#include "setup/options.h"

#include "profile/cp1251.h"
#include "profile/settingsfile.h"

namespace {

constexpr const char *kSection = "Options";
constexpr const char *kDiveComputer = "DiveComputer";
constexpr const char *kLanguage = "Language";
constexpr const char *kGfLow = "GFLow";
constexpr const char *kGfHigh = "GFHigh";
constexpr const char *kExportFolder = "ExportFolder";

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
    o.exportFolder = file.ReadString(kSection, kExportFolder, "");
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
    // A folder with a character the file's code page lacks, or a line break,
    // would read back as another folder.
    const std::string &folder = options.exportFolder;
    if (!folder.empty() && cp1251::firstUnencodable(folder).empty()
            && folder.find_first_of("\r\n") == std::string::npos)
        file.WriteString(kSection, kExportFolder, folder);
    else
        file.DeleteKey(kSection, kExportFolder);
}
