#pragma once

#include "deco/gradientfactors.h"
#include "deco/plan.h"
#include "engine/bailout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class Simulation;

/// One entry of the dive log: the state after a completed tick (or the state
/// the dive button left, at dive time 0).
struct DiveSample
{
    std::int64_t diveTimeMs = 0; ///< simulated clock minus its start value
    double depthM = 0.0;
    double ppo2 = 0.0; ///< the PPO2 the diver breathed (the loop's on the loop), kg/cm²
    std::optional<double> setpoint; ///< kg/cm²; none when no setpoint box is checked
    double cnsPercent = 0.0;
    double otu = 0.0;
    double safeAscentDepthM = 0.0; ///< as the tick computed it, may be below 0
    /// The live no-stop time in whole seconds; none when the forecast says
    /// "forever", when the plan has stops, or when a field cannot be read.
    std::optional<std::int64_t> noStopSeconds;
    /// The first stop of the dive computer's plan (the bailout plan while on a
    /// bailout gas); none for a plain ascent, an endless plan, no bailout gas
    /// carried, or a field that cannot be read.
    std::optional<DecoStop> firstStop;
    /// What the three oxygen cells read, kg/cm², while the loop held ppo2.
    std::array<double, 3> cells {};
    double gf99 = 0.0; ///< the leading compartment at the depth, % of its limit
    double surfaceGf = 0.0; ///< and at the surface
    GradientFactors gradientFactors; ///< the dive computer's setting
    Breathing breathing = Breathing::Loop; ///< what the diver breathed

    friend bool operator==(const DiveSample &, const DiveSample &) = default;
};

/// A breathing gas by its oxygen and helium, percent; nitrogen is the rest.
struct GasMix
{
    double o2Percent = 0.0;
    double hePercent = 0.0;
};

/// A recorded dive as plain data: what the writers need.
struct DiveRecord
{
    std::vector<DiveSample> samples; ///< every 10 s of dive time or a little more
    double greatestDepthM = 0.0; ///< over the first sample and every completed tick
    double highestPpo2 = 0.0; ///< kg/cm², over the same
    std::int64_t durationMs = 0; ///< dive time of the last completed tick
    std::optional<GasMix> diluent; ///< none until its fields could be read
    std::array<GasMix, 2> bailout {}; ///< the bailout mixes as the last completed tick had them
};

/// Records a dive for export, beside the history and without touching it.
/// Whoever runs the simulation drives it: start() right after the dive
/// button's handler (whether or not it threw), afterTick() after every tick.
/// Reset does not clear it, so a dive can be exported afterwards.
///
/// At each sample it runs the dive computer's own plan and, when the plan
/// has no stops, its live no-decompression forecast on the current state:
/// up to a few milliseconds once per 10 s of dive time.
class DiveLog
{
public:
    static constexpr std::int64_t kSampleSpacingMs = 10000;

    /// Clears the log and takes the first sample at dive time 0.
    void start(const Simulation &simulation);
    /// After a tick: a completed one counts towards the maxima and the
    /// duration and takes a sample once 10 s have passed since the last one;
    /// one that ended on an error changes nothing.
    void afterTick(const Simulation &simulation, bool completed);

    bool holdsDive() const { return !m_record.samples.empty(); }
    const DiveRecord &record() const { return m_record; }

private:
    void takeSample(const Simulation &simulation, std::int64_t diveTimeMs);
    void readMixes(const Simulation &simulation);

    DiveRecord m_record;
};
