#pragma once

#include "engine/parametersource.h"
#include "util/error.h"

#include <array>
#include <string>
#include <string_view>

/// The texts of the loop details dialog's four fields: inhaled lung volume,
/// exhaled lung volume, counterlung volume, dead space (litres).
struct LoopDetailTexts
{
    std::string inhale = "6";
    std::string exhale = "1";
    std::string counterlung = "6";
    std::string deadSpace = "2";
};

/// The largest loop detail volume, in litres, either way from zero. The sums
/// are written into fields as general-format texts, and such a text of a
/// value near the largest double rounds up past it and could not be read
/// back; no loop comes anywhere near.
inline constexpr double kMaxLoopVolume = 1e15;

/// A loop detail text that is a number beyond kMaxLoopVolume; what() is
/// "'%s' is too large a volume: at most 1E15 l".
class LoopVolumeTooLarge : public LoopwrightError
{
public:
    explicit LoopVolumeTooLarge(std::string_view text);
    /// The text, quoted as messages quote it.
    const std::string &text() const { return m_text; }

private:
    std::string m_text;
};

/// A loop detail text as a volume: throws the conversion error for a text
/// that is not a number and LoopVolumeTooLarge beyond kMaxLoopVolume.
double loopVolume(std::string_view text);

/// Derives the main window's loop volume fields from the dialog's texts and
/// sets the four loop detail values, in this order: Edit4 (exhale + dead
/// space), Edit1 (inhale + dead space + counterlung), Edit2 (inhale + dead
/// space), then the values. Each step parses the texts it uses; a text that
/// is not a number ends the derivation there with the conversion error, one
/// beyond kMaxLoopVolume with LoopVolumeTooLarge.
void deriveLoopDetails(const LoopDetailTexts &texts, ParameterSource &params);
