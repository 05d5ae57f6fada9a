#pragma once

#include <array>
#include <cstdint>

/// What a galvanic oxygen cell does with the loop's PPO2.
enum class CellCondition : std::uint8_t { Healthy, Dead, Stuck };

/// How one cell is built and how it has failed; what a drill, a scenario or
/// the faults menu sets, and what a set-up kept aside brings back.
struct CellSettings
{
    CellCondition condition = CellCondition::Healthy;
    double stuckAt = 0.0; ///< kg/cm², while stuck
    double sensitivity = 1.0; ///< reading per kg/cm² of loop PPO2
    bool limited = false; ///< whether the cell current-limits
    double limit = 0.0; ///< kg/cm², the highest reading it can give when limited
    double halfTimeS = 0.0; ///< 0: the reading follows at once

    /// Healthy, sensitivity 1, no limit, no lag.
    bool isOk() const;

    friend bool operator==(const CellSettings &, const CellSettings &) = default;
};

/// What the cell reads once its lag has passed: 0 when dead, the stuck value
/// when stuck, else sensitivity × \a loopPpo2 held down to the limit. A PPO2
/// that is not a number gives a target that is not a number.
double cellTarget(const CellSettings &cell, double loopPpo2);

/// The controller's vote over the three readings.
struct CellVote
{
    double voted = 0.0; ///< kg/cm²; not a number when a reading is not
    int votedOut = 0; ///< the cell left out, 1..3; 0 for none
    bool disagree = false; ///< one cell is out and the other two differ by more than 20 %

    friend bool operator==(const CellVote &, const CellVote &) = default;
};

/// The vote over \a r1, \a r2, \a r3. All equal: their value. Otherwise the
/// cell farthest from the mean (the lowest number on a tie) is out when it
/// lies more than 20 % from the middle m of the other two; then m counts if
/// those two lie within 20 % of m of each other, else the mean, and the
/// cells disagree. A cell that is not out leaves the mean.
CellVote voteCells(double r1, double r2, double r3);

/// Changes to one cell, as the scenario language and the faults menu give
/// them. Only the settings change; the reading follows at the next cell step,
/// dive button or reset.
enum class CellAction : std::uint8_t {
    Ok, ///< healthy, sensitivity 1, no limit, no lag
    Dead,
    Stuck, ///< at the value given
    StuckNow, ///< at the reading it has
    Limit, ///< at the value given
    NoLimit,
    Sensitivity,
    Slow ///< half-time in seconds, 0 for none
};

/// The three cells of the rebreather, their readings and the vote on them.
/// At program start every reading and the vote are 0.
class OxygenCells
{
public:
    std::array<double, 3> readings {};
    CellVote vote;

    const std::array<CellSettings, 3> &settings() const { return m_settings; }
    /// How all three are built and have failed, as a set-up kept aside had
    /// them; the readings follow at the next step.
    void setSettings(const std::array<CellSettings, 3> &settings);

    /// Every reading at its target without lag, then the vote: what the dive
    /// button and reset leave.
    void settle(double loopPpo2);
    /// One tick of \a dtSeconds: each reading moves toward its target with
    /// its half-time, r + (target − r) × (1 − 2^(−dt / h)), then the vote.
    void step(double loopPpo2, double dtSeconds)
    {
        // Three OK cells read the loop's PPO2 itself (1 × p is p), and three
        // equal readings vote their value: the same numbers, without the work.
        if (m_allOk) {
            readings = {loopPpo2, loopPpo2, loopPpo2};
            vote = {loopPpo2, 0, false};
            return;
        }
        stepFailed(loopPpo2, dtSeconds);
    }
    /// Whether a step needs the tick's length: some cell has a half-time.
    bool lags() const { return m_lags; }
    /// Cell \a index (0..2) changed as \a action says; \a value is the stuck
    /// value, the limit, the sensitivity or the half-time.
    void apply(int index, CellAction action, double value = 0.0);
    /// Every cell OK again.
    void makeOk();

private:
    void stepFailed(double loopPpo2, double dtSeconds);
    void castVote();
    void settingsChanged();

    std::array<CellSettings, 3> m_settings {};
    bool m_allOk = true;
    bool m_lags = false;
    /// 1 − 2^(−dt / h) of the last step, kept while neither changes.
    struct Lag
    {
        double dt = -1.0;
        double halfTime = -1.0;
        double factor = 0.0;
    };
    std::array<Lag, 3> m_lag {};
};
