#include "setup/options.h"

#include "profile/settingsfile.h"

namespace {

constexpr const char *kSection = "Options";
constexpr const char *kDiveComputer = "DiveComputer";

} // namespace

ProgramOptions loadOptions(const SettingsFile &file)
{
    ProgramOptions o;
    o.diveComputerOpen = file.ReadBool(kSection, kDiveComputer, o.diveComputerOpen);
    return o;
}

void saveOptions(SettingsFile &file, const ProgramOptions &options)
{
    file.WriteBool(kSection, kDiveComputer, options.diveComputerOpen);
}
