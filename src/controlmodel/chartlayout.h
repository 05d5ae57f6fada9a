#pragma once

#include "controlmodel/charttypes.h"
#include "controlmodel/textmeasurer.h"

#include <limits>
#include <memory>
#include <string>
#include <vector>

class TPlotSeries;

/// The chart settings that the layout depends on.
struct ChartOptions
{
    bool showLegend = true;
    bool showTitle = true;
    std::string title = "Chart Title"; ///< UTF-8
    bool axisXOnePerValue = false;
    float axisXScale = 1.0f;
    float axisYScale = 1.0f;
    /// Steps of 1, 2 or 5 times a power of ten, from a multiple of the step
    /// (as a reader expects of a chart); off, the steps grow by halves of a
    /// power of ten, as the dive graph's always have.
    bool roundSteps = false;
    /// Values the y axis reaches at least, besides the data's, so that a line
    /// at a limit need not lie on the frame; NaN for none.
    double yCoversLow = std::numeric_limits<double>::quiet_NaN();
    double yCoversHigh = std::numeric_limits<double>::quiet_NaN();
};

/// Where a chart of a given client size puts its plot area, ticks, title,
/// legend and points, and the mappings between data values and pixels.
/// Widget-free: text is measured through a TextMeasurer. Mappings survive a
/// layout that does not rebuild them, as the chart's state does.
class ChartLayout
{
public:
    /// Distance between the client edge and the plot area, pixels.
    static constexpr int kMargin = 20;
    /// Extra room left of the plot for the y labels and title, pixels.
    static constexpr int kYAxisRoom = 40;
    /// Axis length per tick, pixels.
    static constexpr int kPixelsPerTick = 50;

    /// Lays out a client area of width x height pixels and writes the
    /// series' pixel positions, hit rectangles, legend rows and splines.
    /// Points with a coordinate that is not a number, infinite or beyond
    /// +-1e15 are off every scale: they do not count for the axes and are
    /// left unplotted (ChartPoint::plotted false, empty hit rectangle).
    void run(const ChartOptions &options, std::vector<std::unique_ptr<TPlotSeries>> &series,
            const TextMeasurer &measurer, int width, int height);

    /// The values under client pixel (x, y). False, outputs untouched, when
    /// the pixel is outside the plot area (right and bottom edges outside) or
    /// the last layout had no data to map.
    bool clientToValue(int x, int y, double &valueX, double &valueY) const;

    /// Indices of the x ticks whose labels are drawn: a label is skipped when
    /// it would overlap the last one drawn.
    std::vector<int> drawnXLabels(const TextMeasurer &measurer) const;

    /// Tidy step and first tick for \a tickCount ticks covering lo..hi; a
    /// finite, positive step for any ends, infinite or NaN ones included.
    /// \a round: a step of 1, 2 or 5 times a power of ten, the first tick a
    /// multiple of it, and no more ticks than reach hi (AxisSteps::ticks).
    static AxisSteps axisSteps(int tickCount, double lo, double hi, bool round = false);
    /// "0.##" text of a tick value, "~" for the 1.7E308 sentinel.
    static std::string tickLabel(double value);

    /// The legend lines of a caption, each trimmed.
    static std::vector<std::string> captionLines(const std::string &caption);

    int clientWidth() const { return m_width; }
    int clientHeight() const { return m_height; }
    const PixelRect &plot() const { return m_plot; }
    /// Empty (all zero) when not shown.
    const PixelRect &legend() const { return m_legend; }
    const PixelRect &title() const { return m_title; }
    bool legendShown() const { return m_legendShown; }
    bool titleShown() const { return m_titleShown; }
    const std::vector<AxisTick> &xTicks() const { return m_xTicks; }
    const std::vector<AxisTick> &yTicks() const { return m_yTicks; }
    /// Pixel row of the y tick of value 0, else the plot bottom; bar baseline.
    int zeroLine() const { return m_zeroLine; }
    /// Marker half-size, pixels.
    int markSize() const { return m_markSize; }
    int barCount() const { return m_barCount; }
    int barSlotWidth() const { return m_barSlotWidth; }
    bool noData() const { return m_noData; }
    /// Whether the x axis ran in one-per-value mode; a Bar series forces it.
    bool onePerValue() const { return m_onePerValue; }
    /// Height of a line of the normal font, pixels.
    int lineHeight() const { return m_lineHeight; }

private:
    void buildYAxis(
            const ChartOptions &options, const std::vector<std::unique_ptr<TPlotSeries>> &series);
    /// Sets the series' legend rows; returns the legend's size (0 x 0 when not shown).
    TextExtent measureLegend(const ChartOptions &options,
            std::vector<std::unique_ptr<TPlotSeries>> &series, const TextMeasurer &measurer);
    void placeLegend(TextExtent size);
    void buildXAxis(
            const ChartOptions &options, const std::vector<std::unique_ptr<TPlotSeries>> &series);
    void placePoints(std::vector<std::unique_ptr<TPlotSeries>> &series);
    int pixelX(double x, int previous) const;
    int pixelY(double y) const;
    /// Puts \a p at its pixels; false, with no hit box, for a value off every scale.
    bool place(ChartPoint &p) const;

    int m_width = 0;
    int m_height = 0;
    PixelRect m_plot;
    PixelRect m_legend;
    PixelRect m_title;
    bool m_legendShown = false;
    bool m_titleShown = false;
    std::vector<AxisTick> m_xTicks;
    std::vector<AxisTick> m_yTicks;
    int m_zeroLine = 0;
    int m_markSize = 1;
    int m_barCount = 0;
    int m_barSlotWidth = 0;
    bool m_noData = false;
    bool m_onePerValue = false;
    bool m_hasData = false;
    int m_lineHeight = 0;

    double m_xStart = 0.0;
    double m_xPerUnit = 0.0;
    int m_xOrigin = 0;
    double m_yStart = 0.0;
    double m_yPerUnit = 0.0;
    int m_yOrigin = 0;
};
