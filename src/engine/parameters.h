#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

/// The edit fields of the main window, by what they hold; kFields gives each
/// its designer's name.
enum class Edit : std::uint8_t {
    maxLoopVolume = 1,
    startLoopVolume,
    descentRate,
    minLoopVolume,
    startPPO2,
    setpoint1,
    o2SupplyVolume,
    setpoint2,
    ascentRate,
    dilSupplyVolume,
    o2SolenoidFlow,
    o2ConstantFlow,
    dilSolenoidFlow,
    dilO2Percent,
    startTissueN2,
    dilHePercent,
    startTissueHe,
    regenerationRatio,
    dilConstantFlow,
    tickMs,
    decoStepSeconds,
    conservatism,
    dilBypassFlow,
    o2BypassFlow,
    presetName
};
inline constexpr int kEditCount = 25;
inline constexpr int editIndex(Edit e)
{
    return int(e) - 1;
}
inline constexpr Edit editAt(int index)
{
    return Edit(index + 1);
}

/// The four sliders of the main window.
enum class Slider : std::uint8_t { o2Consumption, maxDepth, startDepth, simSpeed };
inline constexpr int kSliderCount = 4;

/// The check boxes of the main window: the six inputs and the five valve lamps
/// (checked means closed).
enum class Check : std::uint8_t {
    o2SolenoidStuck,
    dilSolenoidStuck,
    advOnOxygen,
    dilSolenoidDisabled,
    o2AdvLamp,
    setpoint1Active,
    dilAdvLamp,
    setpoint2Active,
    opvLamp,
    o2SolenoidLamp,
    dilSolenoidLamp
};
inline constexpr int kCheckCount = 11;

/// An input field: its parameter name, its control's design name (the
/// window's object name and the settings key), its design default and whether
/// it holds a whole number.
struct FieldInfo
{
    Edit edit;
    std::string_view parameter; ///< empty for the preset name field
    std::string_view control;
    std::string_view defaultText;
    bool whole;
};

inline constexpr std::array<FieldInfo, kEditCount> kFields = {{
        {Edit::maxLoopVolume, "MaxLoopVolume", "Edit1", "11", false},
        {Edit::startLoopVolume, "StartLoopVolume", "Edit2", "7", false},
        {Edit::descentRate, "DescentRate", "Edit3", "30", false},
        {Edit::minLoopVolume, "MinLoopVolume", "Edit4", "5,5", false},
        {Edit::startPPO2, "StartPPO2", "Edit5", "0,3", false},
        {Edit::setpoint1, "Setpoint1", "Edit6", "1,0", false},
        {Edit::o2SupplyVolume, "O2SupplyVolume", "Edit7", "9999,9", false},
        {Edit::setpoint2, "Setpoint2", "Edit8", "1,5", false},
        {Edit::ascentRate, "AscentRate", "Edit9", "15", false},
        {Edit::dilSupplyVolume, "DilSupplyVolume", "Edit10", "9999,9", false},
        {Edit::o2SolenoidFlow, "O2SolenoidFlow", "Edit11", "40", false},
        {Edit::o2ConstantFlow, "O2ConstantFlow", "Edit12", "0,8", false},
        {Edit::dilSolenoidFlow, "DilSolenoidFlow", "Edit13", "180", false},
        {Edit::dilO2Percent, "DilO2Percent", "Edit14", "20,9", false},
        {Edit::startTissueN2, "StartTissueN2", "Edit15", "0,79", false},
        {Edit::dilHePercent, "DilHePercent", "Edit16", "0", false},
        {Edit::startTissueHe, "StartTissueHe", "Edit17", "0", false},
        {Edit::regenerationRatio, "RegenerationRatio", "Edit18", "0", false},
        {Edit::dilConstantFlow, "DilConstantFlow", "Edit19", "0", false},
        {Edit::tickMs, "TickMs", "Edit20", "100", true},
        {Edit::decoStepSeconds, "DecoStepSeconds", "Edit21", "10", true},
        {Edit::conservatism, "Conservatism", "Edit22", "0", false},
        {Edit::dilBypassFlow, "DilBypassFlow", "Edit23", "180", false},
        {Edit::o2BypassFlow, "O2BypassFlow", "Edit24", "40", false},
        {Edit::presetName, "", "Edit25", "Настройка 1", false},
}};

struct SliderInfo
{
    Slider slider;
    std::string_view parameter;
    std::string_view control;
    int max; ///< every slider starts at 0
};

inline constexpr std::array<SliderInfo, kSliderCount> kSliders = {{
        {Slider::o2Consumption, "O2Consumption", "TrackBarO2burn", 50},
        {Slider::maxDepth, "MaxDepth", "trackbarmaxdepth", 100},
        {Slider::startDepth, "StartDepth", "trackbarsetstartdepth", 100},
        {Slider::simSpeed, "SimSpeed", "trackbarspeed", 99},
}};

struct CheckInfo
{
    Check check;
    std::string_view parameter; ///< empty for the lamps
    std::string_view control;
    bool defaultChecked;
};

inline constexpr std::array<CheckInfo, kCheckCount> kChecks = {{
        {Check::o2SolenoidStuck, "O2SolenoidStuck", "CheckBox1", false},
        {Check::dilSolenoidStuck, "DilSolenoidStuck", "CheckBox2", false},
        {Check::advOnOxygen, "AdvOnOxygen", "CheckBox3", false},
        {Check::dilSolenoidDisabled, "DilSolenoidDisabled", "CheckBox4", true},
        {Check::o2AdvLamp, "", "CheckBox5", true},
        {Check::setpoint1Active, "Setpoint1Active", "CheckBox6", true},
        {Check::dilAdvLamp, "", "CheckBox7", true},
        {Check::setpoint2Active, "Setpoint2Active", "CheckBox8", false},
        {Check::opvLamp, "", "Cradiobutton1", true},
        {Check::o2SolenoidLamp, "", "Cradiobutton2", true},
        {Check::dilSolenoidLamp, "", "Cradiobutton3", true},
}};

/// "Edit7" for Edit::o2SupplyVolume.
std::string_view editName(Edit e);
/// A field by parameter name ("DescentRate") or control name ("Edit3").
std::optional<Edit> findEdit(std::string_view name);
/// A slider by parameter or control name.
std::optional<Slider> findSlider(std::string_view name);
/// One of the six input check boxes by parameter or control name (lamps are
/// not inputs and are not found).
std::optional<Check> findInputCheck(std::string_view name);
