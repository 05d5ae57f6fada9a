#include "controlmodel/tplotseries.h"

#include "util/error.h"

#include <functional>

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

namespace {

// One coordinate of the points folded from \a start: a value replaces the
// result only when it comes \a before it, so a NaN, or a value beyond the
// start value, is passed over.
template<typename Before>
double fold(const std::vector<ChartPoint> &points, double ChartPoint::*coordinate, double start,
        Before before)
{
    double m = start;
    for (const ChartPoint &p : points)
        if (before(p.*coordinate, m))
            m = p.*coordinate;
    return m;
}

} // namespace

double TPlotSeries::minX() const
{
    return fold(m_points, &ChartPoint::x, kNoMinimum, std::less<>());
}

double TPlotSeries::maxX() const
{
    return fold(m_points, &ChartPoint::x, kNoMaximum, std::greater<>());
}

double TPlotSeries::minY() const
{
    return fold(m_points, &ChartPoint::y, kNoMinimum, std::less<>());
}

double TPlotSeries::maxY() const
{
    return fold(m_points, &ChartPoint::y, kNoMaximum, std::greater<>());
}
