#pragma once

#include "drills/debrief.h"
#include "drills/drill.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

/// The time in [\a fromMinutes, \a toMinutes] that the engine's next output
/// k draws: from + (to - from) * (k >> 11) / (2^53 - 1), in doubles. The
/// engine's outputs are the same with every standard library (unlike its
/// distributions'), and so is this.
double drawMinutes(std::mt19937_64 &engine, double fromMinutes, double toMinutes);

/// A note shown to the trainee, with the dive time it came at.
struct DrillNote
{
    double minutes = 0.0;
    std::string text;
};

/// A drill being flown over a simulation, whatever drives its ticks (the
/// window's timer or the headless runner). The driver applies the set-up
/// (applyDrillSetup), presses "ПОГРУЖЕНИЕ", calls begin(), and after every
/// tick calls afterTick(); the session runs the due events (the drill's and a
/// scripted response's), tests the end, keeps the figures and logs what the
/// drill and the trainee did. Once ended() the dive is paused and debrief()
/// is final.
class DrillSession
{
public:
    enum class Mode { Window, Headless };

    /// \a seed draws the times of the "at FROM..TO" lines; \a response holds
    /// the trainee's scripted actions (parseResponse), logged as the
    /// trainee's.
    DrillSession(Drill drill, Simulation &simulation, Mode mode, std::uint64_t seed = 1,
            std::vector<DrillEvent> response = {});

    /// Right after "ПОГРУЖЕНИЕ": takes the cylinders' contents, starts the
    /// figures and the log afresh, draws the times of the ranges (in file
    /// order, one output of the engine seeded with the seed each) and puts
    /// the drill's and the response's "at" lines in the order they fall due.
    void begin();
    /// After every tick, \a completed false for one that ended on an error:
    /// runs the due "at" lines in the order they fall due (file order among
    /// equal times), then tests the end (surface, end-after, and in headless
    /// mode the limit and kFailedTicksInARow); the end pauses the dive.
    void afterTick(bool completed);
    /// The trainee's "СБРОС" ends the drill (before or after the reset itself:
    /// the figures at the end are those the last tick left).
    void endByReset();
    /// Logs a trainee's action done in the window at the current dive time,
    /// until the drill ends; anything but a trainee's action is ignored.
    void traineeAction(const ScenarioCommand &action);

    bool ended() const { return m_end != DrillEnd::None; }
    DrillEnd endedBy() const { return m_end; }
    const Drill &drill() const { return m_drill; }
    /// Every note shown so far, the latest last.
    const std::vector<DrillNote> &notes() const { return m_notes; }
    /// What the drill and the trainee did so far, in order.
    const std::vector<LogEntry> &log() const { return m_log; }
    /// The objectives judged and the figures, as they stand now.
    Debrief debrief() const;

    static constexpr long long kTickLimit = 1000000;
    /// Headless, this many ticks in a row ended on an error end the drill:
    /// a dive that cannot tick only fills the trace.
    static constexpr long long kFailedTicksInARow = 1000;
    static constexpr std::int64_t kSampleEveryMs = 10000;
    static constexpr std::int64_t kDiveTimeLimitMs = 24LL * 60 * 60000;

private:
    /// An "at" line waiting for its time: the drill's or the response's.
    struct Due
    {
        double minutes = 0.0;
        Actor by = Actor::Drill;
        std::size_t index = 0; ///< in the drill's events or the response
    };

    void runDueEvents();
    void keepEndState(const SimulationState &s);
    void end(DrillEnd how);
    std::int64_t diveTimeMs() const;

    Drill m_drill;
    Simulation &m_sim;
    Mode m_mode;
    std::uint64_t m_seed;
    std::vector<DrillEvent> m_response;
    DrillEnd m_end = DrillEnd::None;
    std::vector<Due> m_due; ///< due time first, the drill's before the response's
    std::size_t m_nextEvent = 0; ///< the next in m_due to fall due
    std::vector<DrawnTime> m_drawn;
    std::vector<DrillNote> m_notes;
    std::vector<LogEntry> m_log;
    DrillSample m_lastCompleted; ///< the chart's last point
    std::vector<std::int64_t> m_outsideBandMs; ///< per objective (ppo2-between only)
    std::vector<DrillSample> m_samples;
    std::int64_t m_lastSampleMs = 0;

    long long m_ticks = 0;
    long long m_failedInARow = 0;
    bool m_beenDeep = false;
    std::int64_t m_lastClockMs = 0;
    bool m_anyCompleted = false;
    double m_maxDepth = 0.0;
    double m_minPpo2 = 0.0;
    double m_maxPpo2 = 0.0;
    double m_maxCns = 0.0;
    std::int64_t m_belowMs = 0;
    std::int64_t m_aboveMs = 0;
    std::int64_t m_ceilingMs = 0;
    std::int64_t m_openCircuitMs = 0;
    std::int64_t m_outOfGasMs = 0;

    // What the dive showed after the last tick: kept so that a reset, which
    // clears them, does not empty the debrief.
    std::int64_t m_endClockMs = 0;
    double m_endOtu = 0.0;
    double m_endO2Used = 0.0;
    double m_endDilUsed = 0.0;
    double m_endO2Left = 0.0;
    double m_endDilLeft = 0.0;
    double m_o2AtStart = 0.0;
    double m_dilAtStart = 0.0;
    double m_endBailoutUsed = 0.0;
    std::array<double, 2> m_endBailoutLeft {};
    std::array<double, 2> m_bailoutAtStart {};
};
