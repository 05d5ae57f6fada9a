#pragma once

#include "controlmodel/pixels.h"

#include <string>

/// How a series is drawn; fixed when the series is created.
enum class SeriesKind { Line, Smooth, Bar };

/// A data point and where the last layout put it.
struct ChartPoint
{
    double x = 0.0;
    double y = 0.0;
    int px = 0; ///< pixel position, set by layout
    int py = 0;
    PixelRect hit; ///< marker box or bar rectangle
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
    int ticks = 0; ///< how many ticks the axis needs; 0: as many as asked for
};
