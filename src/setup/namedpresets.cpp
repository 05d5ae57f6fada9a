#include "namedpresets.h"

#include "formsettings.h"
#include "presetname.h"
#include "profile/settingsfile.h"
#include "util/error.h"

namespace {

std::string selectedName(const FormControls &form)
{
    std::optional<std::string> name = form.selectedPreset();
    if (!name)
        throw LoopwrightError("List index out of bounds (-1)");
    return *name;
}

} // namespace

void savePresetAs(SettingsFile &file, FormControls &form)
{
    const std::string name = form.text(Edit::presetName);
    if (name.empty())
        return;
    // A name with '=' or brackets, or with blanks around it, would come back
    // as another preset or not at all: better refuse it than lose the set-up.
    if (const std::string problem = presetNameProblem(name); !problem.empty())
        throw LoopwrightError(problem);
    SettingsBatch batch(file);
    file.WriteString(kPresetListSection, name, "");
    saveState(file, presetSections(name), form);
    batch.Commit();
    form.setPresetNames(file.ReadSectionKeys(kPresetListSection));
}

void deleteSelectedPreset(SettingsFile &file, FormControls &form)
{
    const std::string name = selectedName(form);
    const StateSections s = presetSections(name);
    SettingsBatch batch(file);
    for (const std::string *section : {&s.edits, &s.types, &s.checks, &s.details})
        file.EraseSection(*section);
    file.DeleteKey(kPresetListSection, name);
    batch.Commit();
    form.setPresetNames(file.ReadSectionKeys(kPresetListSection));
}

void loadSelectedPreset(const SettingsFile &file, FormControls &form)
{
    loadState(file, presetSections(selectedName(form)), form);
}
