#pragma once

#include "formcontrols.h"

#include <array>
#include <string>
#include <string_view>

class SettingsFile;

/// The main window's fields in the order of their keys in the settings file:
/// the creation order, in which Edit13 came before Edit12.
inline constexpr std::array<Edit, kEditCount> kStoredEdits = {Edit::maxLoopVolume,
        Edit::startLoopVolume, Edit::descentRate, Edit::minLoopVolume, Edit::startPPO2,
        Edit::setpoint1, Edit::o2SupplyVolume, Edit::setpoint2, Edit::ascentRate,
        Edit::dilSupplyVolume, Edit::o2SolenoidFlow, Edit::dilSolenoidFlow, Edit::o2ConstantFlow,
        Edit::dilO2Percent, Edit::startTissueN2, Edit::dilHePercent, Edit::startTissueHe,
        Edit::regenerationRatio, Edit::dilConstantFlow, Edit::tickMs, Edit::decoStepSeconds,
        Edit::conservatism, Edit::dilBypassFlow, Edit::o2BypassFlow, Edit::presetName};

/// The check boxes in the order of their keys: inputs and valve lamps mixed,
/// as the window created them.
inline constexpr std::array<Check, kCheckCount> kStoredChecks = {Check::o2SolenoidStuck,
        Check::dilSolenoidStuck, Check::setpoint1Active, Check::setpoint2Active,
        Check::o2SolenoidLamp, Check::dilSolenoidLamp, Check::advOnOxygen, Check::opvLamp,
        Check::dilSolenoidDisabled, Check::o2AdvLamp, Check::dilAdvLamp};

/// The section whose keys are the names of the saved presets, in file order.
inline constexpr std::string_view kPresetListSection = "Listboxvalue";

/// The four sections that hold one complete set-up: the main window's field
/// texts, the loop details texts, the type radio buttons and the check boxes.
struct StateSections
{
    std::string edits;
    std::string details;
    std::string types;
    std::string checks;
};

/// "TEdit", "Detales", "TRadioButton", "TCheckBox": what the program starts with.
StateSections currentStateSections();

/// The sections of the named preset \a name: the name followed directly by
/// "Tedit", "Detales", "TRadiobutton" and "TCheckbox".
StateSections presetSections(std::string_view name);

/// Start-up: every field text (absent ones empty), then the type radio
/// buttons (a type found checked applies its preset), then the check boxes
/// (each change runs its reaction), then the preset list.
void loadMainWindow(const SettingsFile &file, FormControls &form);

/// The loop details dialog's creation: its four texts from "Detales" when
/// that section exists; otherwise they keep what they hold.
void loadLoopDetails(const SettingsFile &file, FormControls &form);

/// Writes \a form's set-up into \a sections: field texts, loop details,
/// types, check boxes, each in key order. Throws "Unable to write to <path>"
/// at the first write that fails; what was written before stays, unless the
/// caller holds a batch (as a close and a named preset do), which then
/// writes nothing at all.
void saveState(SettingsFile &file, const StateSections &sections, const FormControls &form);

/// Reads a set-up written by saveState: field texts (absent ones empty), the
/// loop details only when their section exists, then types, then check boxes.
void loadState(const SettingsFile &file, const StateSections &sections, FormControls &form);
