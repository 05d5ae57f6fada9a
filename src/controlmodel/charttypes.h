#pragma once

#include <string>

/// A pixel rectangle in the chart's client coordinates; right and bottom are
/// exclusive, as when the chart fills or frames it.
struct ChartRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    /// Left and top edges inside, right and bottom edges outside.
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }

    friend bool operator==(const ChartRect &, const ChartRect &) = default;
};

/// How a series is drawn; fixed when the series is created.
enum class SeriesKind { Line, Smooth, Bar };

/// A data point and where the last layout put it.
struct ChartPoint
{
    double x = 0.0;
    double y = 0.0;
    int px = 0; ///< pixel position, set by layout
    int py = 0;
    ChartRect hit; ///< marker box or bar rectangle
    bool plotted = false; ///< set by layout; false for values off every scale
    std::string hint;
};

/// A tick of an axis: its data value, pixel position and label text.
struct AxisTick
{
    double value = 0.0;
    int x = 0;
    int y = 0;
    std::string label;
};

/// The tidy step between ticks and the value of the first tick.
struct AxisSteps
{
    double step = 0.0;
    double start = 0.0;
};
