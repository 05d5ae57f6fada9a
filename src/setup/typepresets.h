#pragma once

#include "formcontrols.h"

#include <string_view>

/// "RadioButton2" for eCCR, up to "RadioButton5" for the manual set-up.
std::string_view typeControlName(RebreatherType type);

/// Caption colour of a field that a type preset has disabled.
inline constexpr Rgb kCaptionDisabled {192, 192, 192};

/// The colour of the caption of \a field, one of the fields that a type
/// preset can disable, while the field is enabled.
Rgb captionOwnColour(Edit field);

/// "Дефолт": the design texts of every input field but the preset name, the
/// speed slider at 0, the fixed check states and the manual type.
void applyDefaults(FormControls &form);

/// The type preset of \a type: enables the inputs such a rebreather has,
/// disables and greys the others, forces some check states and sets whether
/// the diluent bypass may be used. It changes no text of an enabled field.
void applyTypePreset(RebreatherType type, FormControls &form);
