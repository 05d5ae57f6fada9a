#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

/// The edit fields of the main window, by their designer's names.
enum class Edit : std::uint8_t {
    Edit1 = 1,
    Edit2,
    Edit3,
    Edit4,
    Edit5,
    Edit6,
    Edit7,
    Edit8,
    Edit9,
    Edit10,
    Edit11,
    Edit12,
    Edit13,
    Edit14,
    Edit15,
    Edit16,
    Edit17,
    Edit18,
    Edit19,
    Edit20,
    Edit21,
    Edit22,
    Edit23,
    Edit24,
    Edit25
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
enum class Slider : std::uint8_t {
    TrackBarO2burn,
    trackbarmaxdepth,
    trackbarsetstartdepth,
    trackbarspeed
};
inline constexpr int kSliderCount = 4;

/// The check boxes of the main window: the six inputs and the five valve lamps
/// (checked means closed).
enum class Check : std::uint8_t {
    CheckBox1,
    CheckBox2,
    CheckBox3,
    CheckBox4,
    CheckBox5,
    CheckBox6,
    CheckBox7,
    CheckBox8,
    Cradiobutton1,
    Cradiobutton2,
    Cradiobutton3
};
inline constexpr int kCheckCount = 11;

/// An input field: its parameter name, its design default and whether it
/// holds a whole number.
struct FieldInfo
{
    Edit edit;
    std::string_view parameter; ///< empty for the preset name field
    std::string_view defaultText;
    bool whole;
};

inline constexpr std::array<FieldInfo, kEditCount> kFields = {{
        {Edit::Edit1, "MaxLoopVolume", "11", false},
        {Edit::Edit2, "StartLoopVolume", "7", false},
        {Edit::Edit3, "DescentRate", "30", false},
        {Edit::Edit4, "MinLoopVolume", "5,5", false},
        {Edit::Edit5, "StartPPO2", "0,3", false},
        {Edit::Edit6, "Setpoint1", "1,0", false},
        {Edit::Edit7, "O2SupplyVolume", "9999,9", false},
        {Edit::Edit8, "Setpoint2", "1,5", false},
        {Edit::Edit9, "AscentRate", "15", false},
        {Edit::Edit10, "DilSupplyVolume", "9999,9", false},
        {Edit::Edit11, "O2SolenoidFlow", "40", false},
        {Edit::Edit12, "O2ConstantFlow", "0,8", false},
        {Edit::Edit13, "DilSolenoidFlow", "180", false},
        {Edit::Edit14, "DilO2Percent", "20,9", false},
        {Edit::Edit15, "StartTissueN2", "0,79", false},
        {Edit::Edit16, "DilHePercent", "0", false},
        {Edit::Edit17, "StartTissueHe", "0", false},
        {Edit::Edit18, "RegenerationRatio", "0", false},
        {Edit::Edit19, "DilConstantFlow", "0", false},
        {Edit::Edit20, "TickMs", "100", true},
        {Edit::Edit21, "DecoStepSeconds", "10", true},
        {Edit::Edit22, "Conservatism", "0", false},
        {Edit::Edit23, "DilBypassFlow", "180", false},
        {Edit::Edit24, "O2BypassFlow", "40", false},
        {Edit::Edit25, "", "Настройка 1", false},
}};

struct SliderInfo
{
    Slider slider;
    std::string_view parameter;
    std::string_view control;
    int max; ///< every slider starts at 0
};

inline constexpr std::array<SliderInfo, kSliderCount> kSliders = {{
        {Slider::TrackBarO2burn, "O2Consumption", "TrackBarO2burn", 50},
        {Slider::trackbarmaxdepth, "MaxDepth", "trackbarmaxdepth", 100},
        {Slider::trackbarsetstartdepth, "StartDepth", "trackbarsetstartdepth", 100},
        {Slider::trackbarspeed, "SimSpeed", "trackbarspeed", 99},
}};

struct CheckInfo
{
    Check check;
    std::string_view parameter; ///< empty for the lamps
    std::string_view control;
    bool defaultChecked;
};

inline constexpr std::array<CheckInfo, kCheckCount> kChecks = {{
        {Check::CheckBox1, "O2SolenoidStuck", "CheckBox1", false},
        {Check::CheckBox2, "DilSolenoidStuck", "CheckBox2", false},
        {Check::CheckBox3, "AdvOnOxygen", "CheckBox3", false},
        {Check::CheckBox4, "DilSolenoidDisabled", "CheckBox4", true},
        {Check::CheckBox5, "", "CheckBox5", true},
        {Check::CheckBox6, "Setpoint1Active", "CheckBox6", true},
        {Check::CheckBox7, "", "CheckBox7", true},
        {Check::CheckBox8, "Setpoint2Active", "CheckBox8", false},
        {Check::Cradiobutton1, "", "Cradiobutton1", true},
        {Check::Cradiobutton2, "", "Cradiobutton2", true},
        {Check::Cradiobutton3, "", "Cradiobutton3", true},
}};

/// "Edit7" for Edit::Edit7.
std::string_view editName(Edit e);
/// A field by parameter name ("DescentRate") or control name ("Edit3").
std::optional<Edit> findEdit(std::string_view name);
/// A slider by parameter or control name.
std::optional<Slider> findSlider(std::string_view name);
/// One of the six input check boxes by parameter or control name (lamps are
/// not inputs and are not found).
std::optional<Check> findInputCheck(std::string_view name);
