#include "engine/oxygencells.h"

#include <cmath>
#include <limits>

bool CellSettings::isOk() const
{
    return condition == CellCondition::Healthy && sensitivity == 1.0 && !limited
            && halfTimeS == 0.0;
}

double cellTarget(const CellSettings &cell, double loopPpo2)
{
    switch (cell.condition) {
    case CellCondition::Dead:
        return 0.0;
    case CellCondition::Stuck:
        return cell.stuckAt;
    case CellCondition::Healthy:
        break;
    }
    const double product = cell.sensitivity * loopPpo2;
    if (cell.limited && cell.limit < product)
        return cell.limit;
    return product;
}

CellVote voteCells(double r1, double r2, double r3)
{
    CellVote vote;
    if (std::isnan(r1) || std::isnan(r2) || std::isnan(r3)) {
        vote.voted = std::numeric_limits<double>::quiet_NaN();
        return vote;
    }
    if (r1 == r2 && r2 == r3) {
        vote.voted = r1;
        return vote;
    }
    const double r[3] = {r1, r2, r3};
    const double mean = (r1 + r2 + r3) / 3.0;
    // The farthest from the mean; on a tie the lowest-numbered cell.
    int k = 0;
    double farthest = std::fabs(r[0] - mean);
    for (int i = 1; i < 3; ++i) {
        const double distance = std::fabs(r[i] - mean);
        if (distance > farthest) {
            k = i;
            farthest = distance;
        }
    }
    const int a = k == 0 ? 1 : 0;
    const int b = k == 2 ? 1 : 2;
    const double m = (r[a] + r[b]) / 2.0;
    vote.voted = mean;
    if (std::fabs(r[k] - m) > 0.2 * m) {
        vote.votedOut = k + 1;
        if (std::fabs(r[a] - r[b]) <= 0.2 * m)
            vote.voted = m;
        else
            vote.disagree = true;
    }
    return vote;
}

void OxygenCells::castVote()
{
    vote = voteCells(readings[0], readings[1], readings[2]);
}

void OxygenCells::settle(double loopPpo2)
{
    for (std::size_t i = 0; i < 3; ++i)
        readings[i] = cellTarget(m_settings[i], loopPpo2);
    castVote();
}

void OxygenCells::stepFailed(double loopPpo2, double dtSeconds)
{
    for (std::size_t i = 0; i < 3; ++i) {
        const double target = cellTarget(m_settings[i], loopPpo2);
        const double h = m_settings[i].halfTimeS;
        if (!(h > 0.0)) {
            readings[i] = target;
            continue;
        }
        // The power is costly and the tick length and half-time rarely
        // change: the factor is kept, the same number as computed afresh.
        Lag &lag = m_lag[i];
        if (lag.dt != dtSeconds || lag.halfTime != h)
            lag = {dtSeconds, h, 1.0 - std::exp2(-dtSeconds / h)};
        readings[i] = readings[i] + (target - readings[i]) * lag.factor;
    }
    castVote();
}

void OxygenCells::settingsChanged()
{
    m_allOk = true;
    m_lags = false;
    for (const CellSettings &cell : m_settings) {
        m_allOk = m_allOk && cell.isOk();
        m_lags = m_lags || cell.halfTimeS > 0.0;
    }
}

void OxygenCells::setSettings(const std::array<CellSettings, 3> &settings)
{
    m_settings = settings;
    settingsChanged();
}

void OxygenCells::apply(int index, CellAction action, double value)
{
    CellSettings &cell = m_settings[std::size_t(index)];
    switch (action) {
    case CellAction::Ok:
        cell = {};
        break;
    case CellAction::Dead:
        cell.condition = CellCondition::Dead;
        break;
    case CellAction::Stuck:
        cell.condition = CellCondition::Stuck;
        cell.stuckAt = value;
        break;
    case CellAction::StuckNow:
        cell.condition = CellCondition::Stuck;
        cell.stuckAt = readings[std::size_t(index)];
        break;
    case CellAction::Limit:
        cell.limited = true;
        cell.limit = value;
        break;
    case CellAction::NoLimit:
        cell.limited = false;
        cell.limit = 0.0;
        break;
    case CellAction::Sensitivity:
        cell.sensitivity = value;
        break;
    case CellAction::Slow:
        cell.halfTimeS = value;
        break;
    }
    settingsChanged();
}

void OxygenCells::makeOk()
{
    setSettings({});
}
