#include "history/divehistory.h"

void DiveHistory::clear()
{
    m_count = 0;
    m_depth.fill(0.0);
    m_ppo2.fill(0.0);
    m_safeDepth.fill(0.0);
}

void DiveHistory::store(int index, double depthM, double ppo2, double safeAscentDepthM)
{
    m_depth[index] = depthM;
    m_ppo2[index] = ppo2;
    m_safeDepth[index] = safeAscentDepthM > 0.0 ? safeAscentDepthM : 0.0;
}

void DiveHistory::record(std::int64_t clockMs, double depthM, double ppo2, double safeAscentDepthM)
{
    if (clockMs == kSimClockStartMs) {
        m_lastSampleMs = clockMs;
        store(0, depthM, ppo2, safeAscentDepthM);
    }
    // The time of the sample actually taken, not the last one plus a minute:
    // with steps that do not divide a minute the spacing drifts, as designed.
    if (m_lastSampleMs + 60000 <= clockMs) {
        m_count = m_count >= kCapacity - 1 ? kCapacity - 1 : m_count + 1;
        m_lastSampleMs = clockMs;
        store(m_count, depthM, ppo2, safeAscentDepthM);
    }
}
