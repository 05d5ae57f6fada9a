#pragma once

#include "controlmodel/charttypes.h"
#include "controlmodel/tbspline.h"

#include <string>
#include <vector>

/// What a series tells its chart: it has changed and the chart must lay out
/// and redraw (unless it is inside BeginUpdate / EndUpdate).
class SeriesOwner
{
public:
    virtual void seriesChanged() = 0;

protected:
    ~SeriesOwner() = default;
};

/// One data series of a TPlotChart: its points, caption and kind. The chart
/// creates and owns it (TPlotChart::AddSeries).
class TPlotSeries
{
public:
    /// Start values of the folds: what an empty series reports.
    static constexpr double kNoMinimum = 1.7e308;
    static constexpr double kNoMaximum = -1.7e308;

    TPlotSeries(SeriesKind kind, SeriesOwner *chart);

    TPlotSeries(const TPlotSeries &) = delete;
    TPlotSeries &operator=(const TPlotSeries &) = delete;

    /// Appends a data point and returns its index (from 0). A Smooth series
    /// holds at most TBSpline::kMaxPoints points and throws LoopwrightError
    /// beyond that.
    int AddXY(double x, double y, const std::string &hint = {});

    /// Legend text (UTF-8), several lines allowed; default "Series".
    const std::string &Caption() const { return m_caption; }
    void SetCaption(const std::string &caption);

    SeriesKind kind() const { return m_kind; }
    const std::vector<ChartPoint> &points() const { return m_points; }
    /// Pixel positions and hit rectangles are the layout's to write.
    std::vector<ChartPoint> &points() { return m_points; }

    double minX() const;
    double maxX() const;
    double minY() const;
    double maxY() const;

    /// The curve of a Smooth series, refilled by every layout.
    TBSpline &spline() { return m_spline; }

    /// Offset of this series' row inside the legend box, set by layout.
    int legendRowTop = 0;

private:
    SeriesKind m_kind;
    SeriesOwner *m_chart;
    std::string m_caption = "Series";
    std::vector<ChartPoint> m_points;
    TBSpline m_spline;
};
