#pragma once

#include "deco/gradientfactors.h"
#include "engine/bailout.h"

#include <string>

class SettingsFile;

/// How the user left the program's windows, kept in the "Options" section of
/// the settings file, and the bailout the diver carries, in the "Bailout"
/// section; no other section is touched.
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
    /// The bailout gases and the breathing rate ("Gas1O2", "Gas1He",
    /// "Gas1Litres", the same for gas 2, "RMV"): each value missing or out of
    /// its range reads as its default; a helium that would take the mix past
    /// 100 % with the oxygen read reads as 0.
    BailoutSettings bailout;
};

/// The options stored in \a file; absent or unreadable entries take the
/// defaults above.
ProgramOptions loadOptions(const SettingsFile &file);

/// Writes \a options; throws as SettingsFile::WriteString does. The default
/// gradient factors, and each bailout value at its default, are written as no
/// entry at all, so that a file that never had them does not change.
void saveOptions(SettingsFile &file, const ProgramOptions &options);
