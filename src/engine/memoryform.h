#pragma once

#include "engine/fieldtext.h"
#include "engine/parametersource.h"
#include "util/rgb.h"

#include <array>
#include <string>

inline constexpr Rgb kCaptionBlue {108, 108, 255};
inline constexpr Rgb kCaptionSilver {192, 192, 192};

/// The main window's inputs without a window: field texts, slider positions
/// and check states, holding the design defaults at first, with the same
/// reactions as the window (setpoint boxes exclude each other, CheckBox4
/// greys the diluent solenoid caption, sliders update their value labels).
/// Used by the scenario runner, the tests and the benchmarks.
class MemoryForm final : public ParameterSource
{
public:
    MemoryForm();

    std::string_view text(Edit field) const override;
    void setText(Edit field, std::string_view text) override;
    int position(Slider slider) const override;
    void setPosition(Slider slider, int position) override;
    bool isChecked(Check box) const override;
    void setChecked(Check box, bool checked) override;

    double decimal(Edit field) const override;
    int whole(Edit field) const override;
    void setNumber(Edit field, double value) override;

    /// Text colour of Label15, the diluent solenoid flow caption.
    Rgb label15Colour() const { return m_label15Colour; }
    /// The value label beside a slider (LabelO2burncurrent, labelsetmaxdepth,
    /// labelsetstartdepth; the speed slider has none and gives "").
    const std::string &sliderLabel(Slider slider) const;

private:
    std::array<FieldText, kEditCount> m_fields;
    std::array<int, kSliderCount> m_positions {};
    std::array<std::string, kSliderCount> m_sliderLabels;
    std::array<bool, kCheckCount> m_checks {};
    Rgb m_label15Colour = kCaptionSilver;
};
