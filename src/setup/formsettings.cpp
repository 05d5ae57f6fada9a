#include "formsettings.h"

#include "profile/settingsfile.h"
#include "typepresets.h"

namespace {

std::string detailKey(int index)
{
    return "Edit" + std::to_string(index + 1);
}

std::string_view checkKey(Check box)
{
    return kChecks[int(box)].control;
}

void readFields(const SettingsFile &file, std::string_view section, FormControls &form)
{
    for (Edit e : kStoredEdits)
        form.setText(e, file.ReadString(section, editName(e), ""));
}

void readDetails(const SettingsFile &file, std::string_view section, FormControls &form)
{
    if (!file.SectionExists(section))
        return;
    for (int i = 0; i < 4; ++i)
        form.setDetailText(i, file.ReadString(section, detailKey(i), ""));
}

void readTypesAndChecks(const SettingsFile &file, const StateSections &s, FormControls &form)
{
    for (int i = 0; i < kTypeCount; ++i) {
        const auto type = RebreatherType(i);
        form.setTypeChecked(type, file.ReadBool(s.types, typeControlName(type), false));
    }
    for (Check box : kStoredChecks)
        form.setChecked(box, file.ReadBool(s.checks, checkKey(box), false));
}

} // namespace

StateSections currentStateSections()
{
    return {"TEdit", "Detales", "TRadioButton", "TCheckBox"};
}

StateSections presetSections(std::string_view name)
{
    const std::string n(name);
    return {n + "Tedit", n + "Detales", n + "TRadiobutton", n + "TCheckbox"};
}

void loadMainWindow(const SettingsFile &file, FormControls &form)
{
    const StateSections s = currentStateSections();
    readFields(file, s.edits, form);
    readTypesAndChecks(file, s, form);
    form.setPresetNames(file.ReadSectionKeys(kPresetListSection));
}

void loadLoopDetails(const SettingsFile &file, FormControls &form)
{
    readDetails(file, currentStateSections().details, form);
}

void saveState(SettingsFile &file, const StateSections &s, const FormControls &form)
{
    for (Edit e : kStoredEdits)
        file.WriteString(s.edits, editName(e), form.text(e));
    for (int i = 0; i < 4; ++i)
        file.WriteString(s.details, detailKey(i), form.detailText(i));
    for (int i = 0; i < kTypeCount; ++i) {
        const auto type = RebreatherType(i);
        file.WriteBool(s.types, typeControlName(type), form.isTypeChecked(type));
    }
    for (Check box : kStoredChecks)
        file.WriteBool(s.checks, checkKey(box), form.isChecked(box));
}

void loadState(const SettingsFile &file, const StateSections &s, FormControls &form)
{
    readFields(file, s.edits, form);
    readDetails(file, s.details, form);
    readTypesAndChecks(file, s, form);
}
