#pragma once

#include "engine/parametersource.h"
#include "engine/simulationstate.h"
#include "formcontrols.h"

#include <array>
#include <optional>
#include <string>

/// A complete set-up of the main window held in memory, to be put back
/// exactly: what a drill replaces for its dive and gives back at its end.
/// Unlike a preset in the settings file it keeps every character of a text,
/// the slider positions, the loop details, the cylinder valves and the
/// oxygen cells' failures.
struct SetupSnapshot
{
    std::array<std::string, kEditCount> texts;
    std::array<std::string, 4> detailTexts; ///< the loop details dialog's fields
    LoopDetails loopDetails; ///< the values last derived from them
    std::optional<RebreatherType> type;
    std::array<bool, kCheckCount> checks {};
    std::array<int, kSliderCount> positions {};
    bool dilBypassAvailable = true;
    bool o2ValveOpen = true;
    bool dilValveOpen = true;
    std::array<CellSettings, 3> cells {}; ///< the oxygen cells' failures, not their readings
    GradientFactors gradientFactors; ///< the dive computer's
    BailoutSettings bailout; ///< the bailout gases and the breathing rate

    friend bool operator==(const SetupSnapshot &, const SetupSnapshot &) = default;
};

SetupSnapshot takeSetup(
        const FormControls &form, const ParameterSource &params, const SimulationState &state);

/// Puts \a setup back: the type first (its preset enables the controls the
/// type has and forces some boxes), then the texts, the boxes, the sliders,
/// the loop details and the state's flags, gradient factors and bailout
/// settings, so that what the preset forced
/// ends as the set-up had it.
void restoreSetup(const SetupSnapshot &setup, FormControls &form, ParameterSource &params,
        SimulationState &state);

/// The set-up the program is designed with, as the headless runner starts
/// from it: every field's design text, the design check states, the sliders
/// at 0, the design loop details, the diluent bypass usable, both cylinders
/// open, the oxygen cells OK, the dive computer at its default gradient
/// factors, the default bailout; no type chosen and every input enabled.
void applyDesignSetup(FormControls &form, ParameterSource &params, SimulationState &state);
