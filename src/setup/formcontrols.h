#pragma once

#include "engine/parameters.h"
#include "util/rgb.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The rebreather types of the four radio buttons RadioButton2..RadioButton5.
enum class RebreatherType : std::uint8_t { eCCR, mCCR, O2CCR, Manual };
inline constexpr int kTypeCount = 4;

/// The main window's controls as the defaults, the type presets and the
/// settings file act on them, without widgets: the window implements it, and
/// the tests record what is done through it.
///
/// Changing a check box or a radio button runs its click reaction as a user's
/// click would, and only when the state changes: the setpoint boxes exclude
/// each other, CheckBox4 colours the caption of Edit13, and a radio button
/// that becomes checked unchecks the others and then applies its type preset.
class FormControls
{
public:
    virtual ~FormControls() = default;

    virtual std::string text(Edit field) const = 0;
    virtual void setText(Edit field, std::string_view text) = 0;
    /// The loop details dialog's fields Edit1..Edit4, as 0..3.
    virtual std::string detailText(int index) const = 0;
    virtual void setDetailText(int index, std::string_view text) = 0;
    virtual bool isTypeChecked(RebreatherType type) const = 0;
    virtual void setTypeChecked(RebreatherType type, bool checked) = 0;
    virtual bool isChecked(Check box) const = 0;
    virtual void setChecked(Check box, bool checked) = 0;

    virtual void setCheckEnabled(Check box, bool enabled) = 0;
    virtual void setFieldEnabled(Edit field, bool enabled) = 0;
    /// The text colour of the caption label of \a field.
    virtual void setCaptionColour(Edit field, Rgb colour) = 0;
    /// Whether the diluent bypass button may be used during a dive.
    virtual void setDilBypassAvailable(bool available) = 0;
    virtual void setPosition(Slider slider, int position) = 0;

    /// Fills the preset list; the selection is cleared.
    virtual void setPresetNames(const std::vector<std::string> &names) = 0;
    /// The selected line of the preset list, if any.
    virtual std::optional<std::string> selectedPreset() const = 0;
};
