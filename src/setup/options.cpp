#include "setup/options.h"

#include "profile/settingsfile.h"

namespace {

constexpr const char *kSection = "Options";
constexpr const char *kDiveComputer = "DiveComputer";
constexpr const char *kLanguage = "Language";

} // namespace

ProgramOptions loadOptions(const SettingsFile &file)
{
    ProgramOptions o;
    o.diveComputerOpen = file.ReadBool(kSection, kDiveComputer, o.diveComputerOpen);
    o.language = file.ReadString(kSection, kLanguage, "");
    return o;
}

void saveOptions(SettingsFile &file, const ProgramOptions &options)
{
    file.WriteBool(kSection, kDiveComputer, options.diveComputerOpen);
    // No choice made: nothing written, so that the system's language decides.
    if (!options.language.empty())
        file.WriteString(kSection, kLanguage, options.language);
}
