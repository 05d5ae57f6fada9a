#include "controlmodel/tplotseries.h"

#include "util/error.h"

TPlotSeries::TPlotSeries(SeriesKind kind, SeriesOwner *chart) : m_kind(kind), m_chart(chart) { }

int TPlotSeries::AddXY(double x, double y, const std::string &hint)
{
    // Every layout copies a Smooth series' points into its spline; refuse
    // here, where the caller can handle it, rather than inside a paint.
    if (m_kind == SeriesKind::Smooth && int(m_points.size()) >= TBSpline::kMaxPoints)
        throw LoopwrightError("Too many points in TPlotSeries.AddXY: a smooth series holds at most "
                + std::to_string(TBSpline::kMaxPoints) + " points.");
    ChartPoint p;
    p.x = x;
    p.y = y;
    p.hint = hint;
    m_points.push_back(std::move(p));
    if (m_chart)
        m_chart->seriesChanged();
    return int(m_points.size()) - 1;
}

void TPlotSeries::SetCaption(const std::string &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_chart)
        m_chart->seriesChanged();
}

double TPlotSeries::minX() const
{
    double m = kNoMinimum;
    for (const ChartPoint &p : m_points)
        if (p.x < m)
            m = p.x;
    return m;
}

double TPlotSeries::maxX() const
{
    double m = kNoMaximum;
    for (const ChartPoint &p : m_points)
        if (p.x > m)
            m = p.x;
    return m;
}

double TPlotSeries::minY() const
{
    double m = kNoMinimum;
    for (const ChartPoint &p : m_points)
        if (p.y < m)
            m = p.y;
    return m;
}

double TPlotSeries::maxY() const
{
    double m = kNoMaximum;
    for (const ChartPoint &p : m_points)
        if (p.y > m)
            m = p.y;
    return m;
}
