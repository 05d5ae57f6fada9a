#pragma once

#include "deco/gradientfactors.h"

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
    /// The dive computer's gradient factors ("GFLow", "GFHigh"); a pair
    /// missing in part or not valid reads as the defaults.
    GradientFactors gradientFactors;
    /// The folder of the last dive export ("ExportFolder"), UTF-8; empty
    /// until the first. A folder the settings file cannot spell is not kept.
    std::string exportFolder;
};

/// The options stored in \a file; absent or unreadable entries take the
/// defaults above.
ProgramOptions loadOptions(const SettingsFile &file);

/// Writes \a options; throws as SettingsFile::WriteString does. The default
/// gradient factors are written as no entry at all, so that a file that
/// never had them does not change.
void saveOptions(SettingsFile &file, const ProgramOptions &options);
