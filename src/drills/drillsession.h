#pragma once

#include "drills/debrief.h"
#include "drills/drill.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// A note shown to the trainee, with the dive time it came at.
struct DrillNote
{
    double minutes = 0.0;
    std::string text;
};

/// A drill being flown over a simulation, whatever drives its ticks (the
/// window's timer or the headless runner). The driver applies the set-up
/// (applyDrillSetup), presses "ПОГРУЖЕНИЕ", calls begin(), and after every
/// tick calls afterTick(); the session runs the due events, tests the end and
/// keeps the figures. Once ended() the dive is paused and debrief() is final.
class DrillSession
{
public:
    enum class Mode { Window, Headless };

    DrillSession(Drill drill, Simulation &simulation, Mode mode);

    /// Right after "ПОГРУЖЕНИЕ": takes the cylinders' contents, starts the
    /// figures afresh and puts the "at" lines in the order they fall due.
    void begin();
    /// After every tick, \a completed false for one that ended on an error:
    /// runs the due "at" lines in the order they fall due (file order among
    /// equal times), then tests the end (surface, end-after, and in headless
    /// mode the limit and kFailedTicksInARow); the end pauses the dive.
    void afterTick(bool completed);
    /// The trainee's "СБРОС" ends the drill (before or after the reset itself:
    /// the figures at the end are those the last tick left).
    void endByReset();

    bool ended() const { return m_end != DrillEnd::None; }
    DrillEnd endedBy() const { return m_end; }
    const Drill &drill() const { return m_drill; }
    /// Every note shown so far, the latest last.
    const std::vector<DrillNote> &notes() const { return m_notes; }
    /// The objectives judged and the figures, as they stand now.
    Debrief debrief() const;

    static constexpr long long kTickLimit = 1000000;
    /// Headless, this many ticks in a row ended on an error end the drill:
    /// a dive that cannot tick only fills the trace.
    static constexpr long long kFailedTicksInARow = 1000;
    static constexpr std::int64_t kSampleEveryMs = 10000;
    static constexpr std::int64_t kDiveTimeLimitMs = 24LL * 60 * 60000;

private:
    void runDueEvents();
    void keepEndState(const SimulationState &s);
    void end(DrillEnd how);
    std::int64_t diveTimeMs() const;

    Drill m_drill;
    Simulation &m_sim;
    Mode m_mode;
    DrillEnd m_end = DrillEnd::None;
    std::vector<std::size_t> m_eventOrder; ///< event indices, due time first
    std::size_t m_nextEvent = 0; ///< the next in m_eventOrder to fall due
    std::vector<DrillNote> m_notes;
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
