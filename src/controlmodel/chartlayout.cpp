#include "controlmodel/chartlayout.h"

#include "controlmodel/tplotseries.h"
#include "util/blanks.h"
#include "util/numtext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kTitleGap = 10;
constexpr int kAxisLabelGap = 14;
constexpr double kMarkSizePerPixel = 0.004;
constexpr int kLegendRowHeight = 20;
constexpr int kLegendRowGap = 2;
constexpr int kLegendPadding = 10;
constexpr int kLegendTextIndent = 42; // marker sample and gaps around the text
constexpr int kLegendGap = 20;
constexpr double kSentinel = 1.7e308;
// Values beyond this (and infinities and NaNs) are off every scale: they
// neither stretch an axis, which would flatten the real data into one line,
// nor get a place on the plot. Within it, tick labels keep whole digits.
constexpr double kPlotLimit = 1e15;

bool plottable(const ChartPoint &p)
{
    return std::fabs(p.x) <= kPlotLimit && std::fabs(p.y) <= kPlotLimit;
}

// Pixel coordinates are whole numbers rounded half to even. Values far
// outside any screen are held at a bound instead of overflowing an int.
int rounded(double v)
{
    return numtext::nearestPixel(v, kFarOffScreen);
}

// The power of ten that raw shows in scientific notation with 15
// significant digits (9.9999999999999999 shows as 1.00000000000000E+1).
double powerOfTen(double raw)
{
    if (raw == 0.0)
        return 1.0;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", raw);
    const char *e = buffer;
    while (*e && *e != 'e')
        ++e;
    const int exponent = *e ? std::atoi(e + 1) : 0;
    return std::pow(10.0, exponent);
}

// Lines as a string list reads them: CR, LF or CR LF end a line, and a final
// line ending does not start another, empty line.
std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

} // namespace

namespace {

// The smallest step of 1, 2 or 5 times a power of ten that reaches from the
// multiple of it at or below lo to hi in at most \a divisions steps, and the
// ticks that takes: the axis ends at the first tick at or past hi.
AxisSteps roundSteps(int divisions, double lo, double hi)
{
    constexpr double kMantissas[] = {1.0, 2.0, 5.0};
    double power = powerOfTen((hi - lo) / divisions);
    int m = 0;
    auto step = [&] { return kMantissas[m] * power; };
    auto next = [&] {
        if (++m == 3) {
            m = 0;
            power *= 10.0;
        }
    };
    while (step() * divisions < hi - lo)
        next();
    for (;;) {
        const double start = std::floor(lo / step()) * step();
        const double needed = std::max(1.0, std::ceil((hi - start) / step()));
        if (needed <= divisions)
            return {step(), start, int(needed) + 1};
        next();
    }
}

} // namespace

AxisSteps ChartLayout::axisSteps(int tickCount, double lo, double hi, bool round)
{
    if (round && std::isfinite(lo) && std::isfinite(hi) && std::fabs(lo) <= kPlotLimit
            && std::fabs(hi) <= kPlotLimit)
        return roundSteps(std::max(2, tickCount - 1), lo, hi);
    // An axis of infinite or undefined extent has no span to divide: it shows
    // unit steps around whichever end is a number.
    if (!std::isfinite(lo))
        lo = std::isfinite(hi) ? hi : 0.0;
    if (!std::isfinite(hi))
        hi = lo;
    const int divisions = std::max(2, tickCount - 1);
    double raw = std::fabs(hi - lo) / divisions;
    if (!std::isfinite(raw)) // the span of two huge ends overflows
        raw = std::fabs(hi / divisions - lo / divisions);
    const double half = powerOfTen(raw) / 2.0;
    // A step grows by half the power of ten of raw, so about twenty turns
    // reach any span; a step that no longer grows (vanishing spans, rounding
    // at huge values) or a runaway count stops, and the axis shows what it has.
    constexpr int kMaxTurns = 100;
    int turns = 0;
    auto grow = [half, &turns](double &step) {
        const double next = step + half;
        const bool grew = next > step;
        step = next;
        return grew && std::isfinite(next) && ++turns < kMaxTurns;
    };
    double step = 0.0;
    while (step < raw) {
        if (!grow(step))
            break;
    }
    AxisSteps result;
    if (step == 0.0 || !std::isfinite(step)) {
        result.step = 1.0;
        result.start = lo - (tickCount / 2);
        return result;
    }
    for (;;) {
        double start = std::trunc(lo / step) * step;
        if (start > lo)
            start -= step;
        result.step = step;
        result.start = start;
        if (start + step * divisions >= hi)
            break;
        if (!grow(step))
            break;
    }
    return result;
}

std::vector<std::string> ChartLayout::captionLines(const std::string &caption)
{
    std::vector<std::string> lines =
            splitLines(std::string(trimBlanks(caption, Blanks::ControlOrSpace)));
    for (std::string &line : lines)
        line = std::string(trimBlanks(line, Blanks::ControlOrSpace));
    return lines;
}

std::string ChartLayout::tickLabel(double value)
{
    if (value == kSentinel)
        return "~";
    return numtext::formatHash2(value);
}

void ChartLayout::run(const ChartOptions &options,
        std::vector<std::unique_ptr<TPlotSeries>> &series, const TextMeasurer &measurer, int width,
        int height)
{
    m_xTicks.clear();
    m_yTicks.clear();
    m_width = width;
    m_height = height;
    m_onePerValue = options.axisXOnePerValue;

    m_plot = {0, 0, width, height};
    m_markSize = std::max(1, rounded(width * kMarkSizePerPixel));
    m_plot = {m_plot.left + kMargin, m_plot.top + kMargin, m_plot.right - kMargin,
            m_plot.bottom - kMargin};

    const TextExtent legend = measureLegend(options, series, measurer);
    m_titleShown = options.showTitle && !options.title.empty();
    if (m_titleShown) {
        // Wrap the title in the width it is finally drawn in, between the
        // y axis room and the legend: wrapped in the wider box it could need
        // more lines than the height it was given, and lose the last ones.
        int boxWidth = m_plot.width() - kYAxisRoom;
        if (m_legendShown)
            boxWidth -= legend.width + kLegendGap;
        const TextExtent box = measurer.wrappedExtent(ChartFont::Title, options.title, boxWidth);
        m_title = {m_plot.left, m_plot.top, m_plot.left + box.width, m_plot.top + box.height};
        m_plot.top = m_title.bottom + kTitleGap;
    } else {
        m_title = {};
    }

    // Room under the plot for the tick labels and the axis title.
    m_lineHeight = measurer.lineHeight(ChartFont::Normal);
    m_plot.bottom -= 2 * m_lineHeight + kAxisLabelGap;

    buildYAxis(options, series);

    m_plot.left += kYAxisRoom;
    if (m_titleShown) {
        m_title.left = m_plot.left;
        m_title.right = m_plot.right;
    }

    m_zeroLine = m_plot.bottom;
    for (AxisTick &tick : m_yTicks) {
        tick.x = m_plot.left;
        tick.y = m_plot.bottom - tick.y; // the offset until now
        if (tick.value == 0.0)
            m_zeroLine = tick.y;
    }
    m_yOrigin = m_plot.bottom;

    placeLegend(legend);
    m_hasData = !series.empty() && !m_noData;
    buildXAxis(options, series);
    placePoints(series);
}

void ChartLayout::buildYAxis(
        const ChartOptions &options, const std::vector<std::unique_ptr<TPlotSeries>> &series)
{
    if (series.empty())
        return;
    const int length = m_plot.bottom - m_plot.top;
    int n = length / kPixelsPerTick + 1;
    m_noData = true;
    double lo = TPlotSeries::kNoMinimum;
    double hi = TPlotSeries::kNoMaximum;
    for (const auto &s : series) {
        for (const ChartPoint &p : s->points()) {
            if (!plottable(p))
                continue;
            lo = std::min(lo, p.y);
            hi = std::max(hi, p.y);
            m_noData = false;
        }
    }
    if (m_noData)
        return;
    lo = std::fmin(lo, options.yCoversLow); // fmin and fmax pass over a NaN
    hi = std::fmax(hi, options.yCoversHigh);
    const AxisSteps steps = axisSteps(n, lo, hi, options.roundSteps);
    if (steps.ticks > 0)
        n = steps.ticks;
    const double perUnit = double(length) / std::max(1, n - 1) / steps.step;
    for (int i = 0; i < n; ++i) {
        AxisTick tick;
        tick.value = steps.start + i * steps.step;
        tick.y = rounded(i * steps.step * perUnit);
        tick.label = tickLabel(tick.value / double(options.axisYScale));
        m_yTicks.push_back(std::move(tick));
    }
    m_yStart = steps.start;
    m_yPerUnit = perUnit;
}

TextExtent ChartLayout::measureLegend(const ChartOptions &options,
        std::vector<std::unique_ptr<TPlotSeries>> &series, const TextMeasurer &measurer)
{
    m_legendShown = options.showLegend && !series.empty();
    if (!m_legendShown)
        return {};
    const int h = measurer.lineHeight(ChartFont::Normal);
    int top = kLegendPadding;
    int width = 0;
    for (std::size_t i = 0; i < series.size(); ++i) {
        TPlotSeries &s = *series[i];
        s.legendRowTop = top;
        const std::vector<std::string> lines = captionLines(s.Caption());
        for (const std::string &line : lines)
            width = std::max(width, measurer.textWidth(ChartFont::Normal, line));
        top += std::max(kLegendRowHeight, int(lines.size()) * h);
        if (i + 1 < series.size())
            top += kLegendRowGap;
    }
    return {width + kLegendTextIndent, top + kLegendPadding};
}

void ChartLayout::placeLegend(TextExtent size)
{
    if (!m_legendShown) {
        m_legend = {};
        return;
    }
    m_legend = {m_plot.right - size.width, m_plot.top, m_plot.right, m_plot.top + size.height};
    m_plot.right = m_legend.left - kLegendGap;
    if (m_titleShown)
        m_title.right = m_plot.right;
}

void ChartLayout::buildXAxis(
        const ChartOptions &options, const std::vector<std::unique_ptr<TPlotSeries>> &series)
{
    if (series.empty() || m_noData)
        return;
    m_barCount = 0;
    for (const auto &s : series)
        if (s->kind() == SeriesKind::Bar)
            ++m_barCount;
    if (m_barCount > 0)
        m_onePerValue = true;
    const int width = m_plot.right - m_plot.left;

    if (!m_onePerValue) {
        int n = width / kPixelsPerTick + 1;
        double lo = TPlotSeries::kNoMinimum;
        double hi = TPlotSeries::kNoMaximum;
        for (const auto &s : series) {
            for (const ChartPoint &p : s->points()) {
                if (plottable(p)) {
                    lo = std::min(lo, p.x);
                    hi = std::max(hi, p.x);
                }
            }
        }
        const AxisSteps steps = axisSteps(n, lo, hi, options.roundSteps);
        if (steps.ticks > 0)
            n = steps.ticks;
        const double perUnit = double(width) / std::max(1, n - 1) / steps.step;
        for (int i = 0; i < n; ++i) {
            AxisTick tick;
            tick.value = steps.start + i * steps.step;
            tick.x = rounded(i * steps.step * perUnit) + m_plot.left;
            tick.y = m_plot.bottom;
            tick.label = tickLabel(tick.value / double(options.axisXScale));
            m_xTicks.push_back(std::move(tick));
        }
        m_xStart = steps.start;
        m_xPerUnit = perUnit;
        m_xOrigin = m_plot.left;
        return;
    }

    std::vector<double> xs;
    for (const auto &s : series)
        for (const ChartPoint &p : s->points())
            if (plottable(p))
                xs.push_back(p.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    const int distinct = int(xs.size());
    double slot = 0.0;
    int shift = 0;
    if (m_barCount > 0) {
        slot = double(width) / distinct;
        shift = rounded(slot / 2.0);
        m_barSlotWidth = rounded(slot);
    } else if (distinct > 1) {
        slot = double(width) / (distinct - 1);
    }
    // A single value without bars has no width to share out: its tick sits
    // at the left of the plot.
    for (int k = 0; k < distinct; ++k) {
        AxisTick tick;
        tick.value = xs[std::size_t(k)];
        tick.x = rounded(k * slot) + m_plot.left + shift;
        tick.y = m_plot.bottom;
        tick.label = tickLabel(tick.value / double(options.axisXScale));
        m_xTicks.push_back(std::move(tick));
    }
}

int ChartLayout::pixelX(double x, int previous) const
{
    if (!m_onePerValue)
        return rounded((x - m_xStart) * m_xPerUnit) + m_xOrigin;
    for (const AxisTick &tick : m_xTicks)
        if (tick.value == x)
            return tick.x;
    return previous;
}

int ChartLayout::pixelY(double y) const
{
    return m_yOrigin - rounded((y - m_yStart) * m_yPerUnit);
}

bool ChartLayout::place(ChartPoint &p) const
{
    p.plotted = plottable(p);
    if (!p.plotted) {
        p.hit = {};
        return false;
    }
    p.px = pixelX(p.x, p.px);
    p.py = pixelY(p.y);
    return true;
}

void ChartLayout::placePoints(std::vector<std::unique_ptr<TPlotSeries>> &series)
{
    if (series.empty() || m_noData) {
        for (auto &item : series)
            for (ChartPoint &p : item->points())
                p.plotted = false;
        return;
    }
    const int barWidth = m_barCount > 0 ? rounded(double(m_barSlotWidth) / (m_barCount + 1)) : 0;
    const int s = m_markSize;
    int barsSeen = 0;
    for (auto &item : series) {
        TPlotSeries &ser = *item;
        ser.spline().Clear();
        switch (ser.kind()) {
        case SeriesKind::Line:
        case SeriesKind::Smooth:
            for (ChartPoint &p : ser.points()) {
                if (!place(p))
                    continue;
                p.hit = {p.px - s, p.py - s, p.px + s, p.py + s};
                if (ser.kind() == SeriesKind::Smooth)
                    ser.spline().AddPoint(float(p.px), float(p.py));
            }
            if (ser.kind() == SeriesKind::Smooth) {
                ser.spline().SetInterpolated(true);
                ser.spline().SetFragments(int(ser.points().size()) * 20);
            }
            break;
        case SeriesKind::Bar: {
            const int offset = rounded(
                    -m_barSlotWidth / 2.0 + barWidth / 2.0 + barsSeen * barWidth + barWidth * 0.1);
            const int width = rounded(barWidth * 0.8);
            for (ChartPoint &p : ser.points()) {
                if (!place(p))
                    continue;
                const int left = p.px + offset;
                if (p.y >= 0.0)
                    p.hit = {left, p.py, left + width, m_zeroLine};
                else
                    p.hit = {left, m_zeroLine, left + width, p.py};
            }
            ++barsSeen;
            break;
        }
        }
    }
}

bool ChartLayout::clientToValue(int x, int y, double &valueX, double &valueY) const
{
    if (!m_hasData || !m_plot.contains(x, y))
        return false;
    if (m_onePerValue ? m_xTicks.empty() : m_xPerUnit == 0.0)
        return false;
    if (m_yPerUnit == 0.0)
        return false;
    valueY = (m_yOrigin - y) / m_yPerUnit + m_yStart;
    if (!m_onePerValue) {
        valueX = (x - m_xOrigin) / m_xPerUnit + m_xStart;
        return true;
    }
    const AxisTick *best = &m_xTicks.front();
    for (const AxisTick &tick : m_xTicks)
        if (std::abs(tick.x - x) < std::abs(best->x - x))
            best = &tick;
    valueX = best->value;
    return true;
}

std::vector<int> ChartLayout::drawnXLabels(const TextMeasurer &measurer) const
{
    std::vector<int> drawn;
    int lastRight = 0;
    for (int i = 0; i < int(m_xTicks.size()); ++i) {
        const AxisTick &tick = m_xTicks[std::size_t(i)];
        const int width = measurer.textWidth(ChartFont::Normal, tick.label);
        const int left = tick.x - width / 2;
        if (left > lastRight) {
            drawn.push_back(i);
            lastRight = left + width;
        }
    }
    return drawn;
}
