#pragma once

#include <array>
#include <cstdint>

/// Start value of the simulated clock: 14 995 whole days in milliseconds, so
/// the clock shown as a time of day starts at zero.
inline constexpr std::int64_t kSimClockStartMs = 1295568000000;

/// One sample per simulated minute of depth, loop PPO2 and safe ascent depth,
/// for the dive graph. Index i is dive minute i; entry 0 is the first step.
class DiveHistory
{
public:
    static constexpr int kCapacity = 601;

    DiveHistory() { clear(); }

    /// Zeroes all entries and the count; the time of the last sample is kept.
    void clear();

    /// Called once per simulation step before the clock advances. The first
    /// step of a dive (clock at its start value) writes entry 0; afterwards a
    /// sample is taken whenever a minute has passed since the last one, the
    /// last entry being overwritten once the record is full. Safe depths of 0
    /// or less are stored as 0.
    void record(std::int64_t clockMs, double depthM, double ppo2, double safeAscentDepthM);

    /// Index of the newest sample, 0..600.
    int count() const { return m_count; }
    std::int64_t lastSampleTimeMs() const { return m_lastSampleMs; }
    const std::array<double, kCapacity> &depth() const { return m_depth; }
    const std::array<double, kCapacity> &ppo2() const { return m_ppo2; }
    const std::array<double, kCapacity> &safeDepth() const { return m_safeDepth; }

private:
    void store(int index, double depthM, double ppo2, double safeAscentDepthM);

    std::array<double, kCapacity> m_depth {};
    std::array<double, kCapacity> m_ppo2 {};
    std::array<double, kCapacity> m_safeDepth {};
    int m_count = 0;
    std::int64_t m_lastSampleMs = 0;
};
