#pragma once

#include <string>

class SettingsFile;

/// How the user left the program's windows, kept in the "Options" section of
/// the settings file; no other section is touched.
struct ProgramOptions
{
    bool diveComputerOpen = true; ///< the dive computer window shows at start
    /// The interface language the user chose from the menu ("ru", "en");
    /// empty until then, which leaves the choice to the system's language.
    std::string language;
};

/// The options stored in \a file; absent or unreadable entries take the
/// defaults above.
ProgramOptions loadOptions(const SettingsFile &file);

/// Writes \a options; throws as SettingsFile::WriteString does.
void saveOptions(SettingsFile &file, const ProgramOptions &options);
