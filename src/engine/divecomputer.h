#pragma once

#include "engine/simulation.h"
#include "util/readout.h"
#include "util/rgb.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

/// How loud a dive computer read-out is.
enum class AlertLevel : std::uint8_t { Normal, Amber, Red };

inline constexpr Rgb kAlertAmber {255, 176, 0};
inline constexpr Rgb kAlertRed {230, 0, 0};

/// What the dive computer warns of, in the order it lists them.
enum class DiveWarning : std::uint8_t {
    OutOfGas, ///< on a bailout gas whose cylinder is empty
    Hypoxia, ///< the PPO2 below 0,16: the cells' vote, or the bailout gas's
    Hyperoxia, ///< above 1,6
    Ceiling, ///< the diver shallower than the safe ascent depth
    OxygenLow, ///< the oxygen cylinder below a tenth of what it held at the dive button
    DiluentLow ///< the diluent cylinder likewise
};

/// What the dive computer shows at every tick: the oxygen exposure and the
/// warnings. Values are none while there is no dive to show.
struct ExposureView
{
    std::optional<double> cnsPercent; ///< shown to the whole percent
    AlertLevel cnsLevel = AlertLevel::Normal; ///< amber from 80 %, red from 100 %
    std::optional<double> otu;
    std::optional<double> gf99; ///< percent of the limit at the diver's depth
    std::optional<double> surfaceGf; ///< percent of the limit at the surface
    /// Red from 100 %, amber from the high gradient factor.
    AlertLevel surfaceGfLevel = AlertLevel::Normal;
    /// Out of gas, hypoxia or hyperoxia, the ceiling, then the cylinders.
    std::vector<DiveWarning> warnings;

    friend bool operator==(const ExposureView &, const ExposureView &) = default;
};

/// "Bail out now" as the dive computer shows it: the ascent on the bailout
/// gases and, per gas, what it needs and what its cylinder holds.
struct BailoutOutlook
{
    enum class Status : std::uint8_t {
        None, ///< not computed: no dive, or a field that cannot be read
        Planned,
        Endless, ///< the ascent would take more than a day
        NoGas ///< no bailout gas is carried
    };
    Status status = Status::None;
    int ttsMinutes = 0;
    std::vector<DecoStop> stops; ///< deepest first
    struct Gas
    {
        bool carried = false;
        long long needL = 0; ///< rounded up
        long long contentL = 0; ///< rounded down, not below 0
        bool enough = false;

        friend bool operator==(const Gas &, const Gas &) = default;
    };
    std::array<Gas, 2> gases {};

    friend bool operator==(const BailoutOutlook &, const BailoutOutlook &) = default;
};

/// What the dive computer shows of the ascent; costly, so computed only now
/// and then. On a bailout gas the plan is the bailout plan.
struct OutlookView
{
    enum class NoStop : std::uint8_t {
        Unknown, ///< no dive, or a field that cannot be read
        Minutes, ///< noStopMinutes
        Endless, ///< no limit within the forecast's 2000 minutes
        Deco ///< the plan has stops
    };
    NoStop noStop = NoStop::Unknown;
    double noStopMinutes = 0.0; ///< to 0.1, as the forecast rounds it
    std::optional<DecoPlan> plan; ///< the ascent from here; none when unknown
    std::string status; ///< the message of a field that cannot be read
    /// The conservatism field holds a negative value, which the plan and the
    /// no-stop time count as 0.
    bool negativeConservatismIgnored = false;
    BailoutOutlook bailout;

    friend bool operator==(const OutlookView &, const OutlookView &) = default;
};

/// What the dive computer shows of the oxygen cells: each reading and the
/// voted PPO2 as the PPO2 read-out writes them (to the hundredth), the cell
/// voted out, whether the cells disagree, and what every cell should read
/// right after a diluent flush: the diluent's PPO2 at the current depth.
struct CellsView
{
    std::array<Readout, 3> readings {Readout {"—"}, Readout {"—"}, Readout {"—"}};
    Readout voted {"—"};
    int votedOut = 0; ///< 1..3; 0 for none
    bool disagree = false;
    Readout diluentPpo2 {"—"}; ///< "—" too while the diluent's oxygen cannot be read

    friend bool operator==(const CellsView &, const CellsView &) = default;
};

/// What the diver breathes and the bailout cylinders, as the dive computer
/// shows them after every tick.
struct BreathingView
{
    bool diving = false; ///< false: no dive runs or waits in a pause, nothing to show
    Breathing breathing = Breathing::Loop;
    std::array<BailoutGas, 2> gases {}; ///< the mixes, for their names
    std::array<long long, 2> litresLeft {}; ///< rounded down, not below 0
    bool outOfGas = false; ///< on a bailout gas whose cylinder is empty

    friend bool operator==(const BreathingView &, const BreathingView &) = default;
};

/// What \a state's diver breathes; nothing to show when no dive runs or
/// waits in a pause.
BreathingView breathingView(const SimulationState &state, RunState run);

/// The cells of \a simulation's state; all "—" when no dive runs or waits
/// in a pause.
CellsView cellsView(const Simulation &simulation, RunState run);

/// The exposure and warnings of \a state; no values and no warning when no
/// dive runs or waits in a pause.
ExposureView exposureView(const SimulationState &state, RunState run);

/// The live no-decompression time and the ascent plan of the simulation's
/// current state. A field that cannot be read leaves what it would have
/// given unknown and puts its message in the status; nothing is thrown.
OutlookView outlookView(const Simulation &simulation);
