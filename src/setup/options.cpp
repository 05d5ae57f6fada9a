#include "setup/options.h"

#include "profile/cp1251.h"
#include "profile/settingsfile.h"
#include "util/error.h"
#include "util/numtext.h"

#include <cmath>
#include <optional>

namespace {

constexpr const char *kSection = "Options";
constexpr const char *kDiveComputer = "DiveComputer";
constexpr const char *kLanguage = "Language";
constexpr const char *kGfLow = "GFLow";
constexpr const char *kGfHigh = "GFHigh";
constexpr const char *kExportFolder = "ExportFolder";

constexpr const char *kBailout = "Bailout";
constexpr const char *kGasKeys[2][3] = {
        {"Gas1O2", "Gas1He", "Gas1Litres"}, {"Gas2O2", "Gas2He", "Gas2Litres"}};
constexpr const char *kRmv = "RMV";

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

// A value of the bailout section as the program reads numbers; none when
// missing or not a number.
std::optional<double> bailoutValue(const SettingsFile &file, const char *key)
{
    const std::string text = file.ReadString(kBailout, key, "");
    try {
        const double value = numtext::parseDecimal(trimmed(text));
        if (std::isfinite(value))
            return value;
    } catch (const LoopwrightError &) { }
    return std::nullopt;
}

BailoutSettings loadBailout(const SettingsFile &file)
{
    BailoutSettings b;
    for (std::size_t j = 0; j < 2; ++j) {
        BailoutGas &gas = b.gases[j];
        // Oxygen first, then the helium that fits with it.
        const auto o2 = bailoutValue(file, kGasKeys[j][0]);
        if (o2 && BailoutGas::validMix(*o2, 0.0))
            gas.o2Percent = *o2;
        const auto he = bailoutValue(file, kGasKeys[j][1]);
        if (he && BailoutGas::validMix(gas.o2Percent, *he))
            gas.hePercent = *he;
        const auto litres = bailoutValue(file, kGasKeys[j][2]);
        if (litres && BailoutGas::validLitres(*litres))
            gas.litres = *litres;
    }
    const auto rmv = bailoutValue(file, kRmv);
    if (rmv && BailoutSettings::validRmv(*rmv))
        b.rmvLpm = *rmv;
    return b;
}

void saveValue(SettingsFile &file, const char *key, double value, double byDefault)
{
    if (value == byDefault)
        file.DeleteKey(kBailout, key);
    else
        file.WriteString(kBailout, key, numtext::formatShortest(value));
}

void saveBailout(SettingsFile &file, const BailoutSettings &b)
{
    const BailoutSettings defaults;
    for (std::size_t j = 0; j < 2; ++j) {
        saveValue(file, kGasKeys[j][0], b.gases[j].o2Percent, defaults.gases[j].o2Percent);
        saveValue(file, kGasKeys[j][1], b.gases[j].hePercent, defaults.gases[j].hePercent);
        saveValue(file, kGasKeys[j][2], b.gases[j].litres, defaults.gases[j].litres);
    }
    saveValue(file, kRmv, b.rmvLpm, defaults.rmvLpm);
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
    o.bailout = loadBailout(file);
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
    saveBailout(file, options.bailout);
}
