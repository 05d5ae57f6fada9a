#pragma once

#include "deco/ceilings.h"
#include "deco/gradientfactors.h"
#include "deco/tissues.h"
#include "engine/bailout.h"
#include "engine/oxygencells.h"
#include "engine/oxygenexposure.h"
#include "engine/parameters.h"
#include "history/divehistory.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

/// The failures a drill sets while it flies, laid over the user's own: the
/// engine counts a solenoid stuck when the user's box or the drill says so,
/// and the window, which shows only the user's boxes, gives nothing away.
/// The oxygen cells keep their failures with them, and a cylinder's valve is
/// the diver's to open and close, whoever closed it.
struct DrillFaults
{
    bool o2SolenoidStuck = false;
    bool dilSolenoidStuck = false;

    /// The drill's flag for a failure box (CheckBox1, CheckBox2); null for
    /// any other box.
    bool *flag(Check box)
    {
        return box == Check::o2SolenoidStuck     ? &o2SolenoidStuck
                : box == Check::dilSolenoidStuck ? &dilSolenoidStuck
                                                 : nullptr;
    }
    bool on(Check box) const
    {
        const bool *f = const_cast<DrillFaults *>(this)->flag(box);
        return f && *f;
    }
};

/// Whether \a box sets a failure rather than the diver's set-up.
inline bool isFaultBox(Check box)
{
    return DrillFaults {}.flag(box) != nullptr;
}

/// Carbon dioxide produced per litre of oxygen taken up; the scrubber absorbs
/// it in the tick in which it is produced.
inline constexpr double kRespiratoryQuotient = 0.82;

/// The run-time variables of the one simulated dive. Gas amounts are litres
/// at 1 kg/cm², pressures kg/cm² absolute, depths metres (positive down).
/// Default construction gives the state at program start.
struct SimulationState
{
    double currentDepthM = 0.0;
    int maxDepthM = 0; ///< target depth, read from its slider every tick
    double o2ConsumptionLpm = 0; ///< diver's oxygen uptake, l/min
    std::int64_t simClockMs = kSimClockStartMs;

    double loopGas = 0.0;
    double loopO2Gas = 0.0;
    double loopInertGas = 0.0;
    double dilEquivalentGas = 0.0;
    double loopN2Gas = 0.0;
    double loopHeGas = 0.0;
    double loopO2Percent = 0.0;
    double loopN2Percent = 0.0;
    double loopHePercent = 0.0;
    double loopPPO2 = 0.0;
    double loopPPN2 = 0.0;
    double loopPPHe = 0.0;

    double o2Used = 0.0; ///< l taken from the oxygen cylinder since reset
    double dilUsed = 0.0; ///< l taken from the diluent cylinder since reset
    double o2Metabolised = 0.0; ///< l taken up by the diver since reset
    double o2SupplyLeft = 0.0; ///< what the oxygen cylinder holds (negative only as typed)
    double dilSupplyLeft = 0.0;
    double o2SupplyAtStart = 0.0; ///< what each cylinder held at the dive button
    double dilSupplyAtStart = 0.0;

    /// The cylinder valves: a closed one delivers nothing and keeps its
    /// content. Only reset and the user (or a drill) move them; the dive
    /// button leaves them, so a dive can start with one closed.
    bool o2ValveOpen = true;
    bool dilValveOpen = true;

    bool o2BypassHeld = false;
    bool dilBypassHeld = false;
    bool dilBypassAvailable = true; ///< false for the O2 CCR type

    std::int32_t valveLampCounter = 0;
    std::int32_t opvLampCounter = 0;

    TissueState tissues;
    LoadFractions loadFractions; ///< of the last tick length, kept between ticks
    Ceilings ceilings;
    std::string noDecoTimeText; ///< the last forecast's text; empty until the first

    OxygenExposure oxygen; ///< since the dive button or reset

    /// The three oxygen cells the controller reads the loop through: their
    /// failures (kept by the dive button, cleared by reset), readings and
    /// vote. The valves and the console go by the vote, the diver's body by
    /// the loop's true PPO2.
    OxygenCells cells;
    /// The dive computer's setting: its plan and no-stop time use it. Kept
    /// over the dive button and reset, like a setting on a diver's wrist.
    GradientFactors gradientFactors;
    /// What the leading compartment is at, in percent of its limit, at the
    /// diver's depth (GF99) and at the surface, from the tissues of the last
    /// completed tick; 0 from the dive button or reset until then.
    double gf99 = 0.0;
    double surfaceGf = 0.0;
    /// From a drill's set-up until the drill is closed; none otherwise.
    std::optional<DrillFaults> drillFaults;

    /// The bailout cylinders' mixes, full contents and the diver's
    /// open-circuit breathing rate; kept over the dive button and reset.
    BailoutSettings bailout;
    /// What the diver breathes; a change acts from the next tick. The dive
    /// button and reset put the diver back on the loop.
    Breathing breathing = Breathing::Loop;
    /// What each bailout cylinder holds, litres at 1 kg/cm²: full at program
    /// start, filled again by the dive button and reset.
    std::array<double, 2> bailoutLeft {bailout.gases[0].litres, bailout.gases[1].litres};
    /// Litres both bailout cylinders delivered since the dive button or reset.
    double bailoutDelivered = 0.0;
    /// The last tick on a bailout gas got less than the diver asked for.
    bool outOfGas = false;
    /// The partial pressures the diver breathed in the last tick: the loop's
    /// true ones, or the bailout gas's at the depth. The tissues, CNS and OTU,
    /// the history and a drill's figures go by these; the console, the cells
    /// and the valves by the loop.
    double breathedPPO2 = 0.0;
    double breathedPPN2 = 0.0;
    double breathedPPHe = 0.0;
};
