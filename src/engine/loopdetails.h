#pragma once

#include "engine/parametersource.h"

#include <array>
#include <string>

/// The texts of the loop details dialog's four fields: inhaled lung volume,
/// exhaled lung volume, counterlung volume, dead space (litres).
struct LoopDetailTexts
{
    std::string inhale = "6";
    std::string exhale = "1";
    std::string counterlung = "6";
    std::string deadSpace = "2";
};

/// Derives the main window's loop volume fields from the dialog's texts and
/// sets the four loop detail values, in this order: Edit4 (exhale + dead
/// space), Edit1 (inhale + dead space + counterlung), Edit2 (inhale + dead
/// space), then the values. Each step parses the texts it uses; a text that
/// is not a number ends the derivation there with the conversion error.
void deriveLoopDetails(const LoopDetailTexts &texts, ParameterSource &params);
