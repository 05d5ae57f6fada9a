#include "controlmodel/chartlayout.h"
#include "controlmodel/tplotseries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// Fixed metrics: 6 pixels per character (UTF-8 aware), lines 13 pixels high,
// title lines 22 high and wrapped at the box width.
class FakeMeasurer : public TextMeasurer
{
public:
    static int characters(std::string_view text)
    {
        int n = 0;
        for (char c : text)
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                ++n;
        return n;
    }
    int textWidth(ChartFont, std::string_view text) const override { return 6 * characters(text); }
    int lineHeight(ChartFont font) const override { return font == ChartFont::Title ? 22 : 13; }
    TextExtent wrappedExtent(ChartFont, std::string_view text, int boxWidth) const override
    {
        const int width = 6 * characters(text);
        const int lines = width <= boxWidth ? 1 : (width + boxWidth - 1) / boxWidth;
        return {std::min(width, boxWidth), 22 * lines};
    }
};

struct Chart : SeriesOwner
{
    ChartOptions options;
    std::vector<std::unique_ptr<TPlotSeries>> series;
    ChartLayout layout;
    FakeMeasurer measurer;
    int changes = 0;

    Chart()
    {
        options.showLegend = false;
        options.showTitle = false;
    }
    void seriesChanged() override { ++changes; }
    TPlotSeries &add(SeriesKind kind, std::vector<std::pair<double, double>> points = {})
    {
        series.push_back(std::make_unique<TPlotSeries>(kind, this));
        for (auto [x, y] : points)
            series.back()->AddXY(x, y);
        return *series.back();
    }
    void run(int width, int height) { layout.run(options, series, measurer, width, height); }
    std::vector<double> yValues() const
    {
        std::vector<double> v;
        for (const AxisTick &t : layout.yTicks())
            v.push_back(t.value);
        return v;
    }
    std::vector<std::string> xLabels() const
    {
        std::vector<std::string> v;
        for (const AxisTick &t : layout.xTicks())
            v.push_back(t.label);
        return v;
    }
};

TEST(ChartLayout, AxisStepsAreTidyAndStartAtOrBelowTheLowest)
{
    const struct
    {
        int n;
        double lo, hi, step, start;
    } cases[] = {{15, 0, 30, 2.5, 0}, // raw 30/14, p = 1
            {7, -20, 0, 3.5, -21}, // trunc start lies above lo: one step lower
            {7, 5, 5, 1.0, 2}, // no span: unit step around the value
            {2, 0, 250, 150, 0}, // d is at least 2
            {3, -1, 10, 10, -10}, // the step grows until the ticks reach hi
            {3, 0, 0.75, 0.4, 0}, // p = 0.1
            {15, 0, 3500, 250, 0}}; // p = 100
    for (const auto &c : cases) {
        const AxisSteps s = ChartLayout::axisSteps(c.n, c.lo, c.hi);
        EXPECT_NEAR(s.step, c.step, 1e-12) << c.n << " " << c.lo << ".." << c.hi;
        EXPECT_NEAR(s.start, c.start, 1e-12) << c.n << " " << c.lo << ".." << c.hi;
    }
}

// Round steps: 1, 2 or 5 times a power of ten, the first tick a multiple
// of it, and only as many ticks as reach the highest value.
TEST(ChartLayout, RoundStepsEndAtTheFirstTickPastTheData)
{
    const struct
    {
        int n;
        double lo, hi, step, start;
        int ticks;
    } cases[] = {{7, 0, 13.8, 5, 0, 4}, // 2 would need 7 steps: 0..15
            {3, 0, 1.65, 1, 0, 3}, // a band at 1,6 below the frame
            {3, -31.5, 0, 20, -40, 3}, {4, 0.3, 0.7, 0.2, 0.2, 4}, {7, 5, 5, 1, 5, 2}};
    for (const auto &c : cases) {
        const AxisSteps s = ChartLayout::axisSteps(c.n, c.lo, c.hi, true);
        EXPECT_EQ(std::tuple(s.step, s.start, s.ticks), std::tuple(c.step, c.start, c.ticks))
                << c.lo << ".." << c.hi;
    }
}

TEST(ChartLayout, ValuesOffEveryScaleNeitherHangNorStretchTheAxes)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    for (auto [lo, hi] : {std::pair {-inf, 0.0}, {0.0, inf}, {nan, 1.0}, {-1e308, 1e308}}) {
        const AxisSteps s = ChartLayout::axisSteps(7, lo, hi);
        EXPECT_TRUE(std::isfinite(s.start) && std::isfinite(s.step) && s.step > 0) << lo << hi;
    }
    // A graph-sized chart scales to its ordinary points alone.
    Chart c;
    TPlotSeries &depth = c.add(SeriesKind::Line, {{0, 0}, {1, -inf}, {2, nan}, {30, -5}});
    c.add(SeriesKind::Line, {{3, 1e308}, {inf, 0}, {10, -20}, {1e300, -1e308}});
    c.add(SeriesKind::Smooth, {{0, inf}, {5, -1}, {6, -2}});
    c.run(799, 391);
    EXPECT_EQ(c.yValues(), (std::vector<double> {-21, -17.5, -14, -10.5, -7, -3.5, 0}));
    EXPECT_EQ(c.xLabels().back(), "35");
    EXPECT_TRUE(depth.points()[0].plotted);
    EXPECT_FALSE(depth.points()[1].plotted);
    EXPECT_EQ(c.series[2]->spline().NumberOfPoints(), 2);
}

TEST(ChartLayout, GraphSizedChartHasFifteenXTicksAndSevenYTicks)
{
    Chart c;
    c.add(SeriesKind::Line, {{0, 0}, {10, -20}, {30, -5}});
    c.run(799, 391);
    EXPECT_EQ(c.layout.plot(), (PixelRect {60, 20, 779, 331}));
    EXPECT_EQ(c.yValues(), (std::vector<double> {-21, -17.5, -14, -10.5, -7, -3.5, 0}));
    EXPECT_EQ(c.layout.zeroLine(), 20);
    const std::vector<std::string> labels = c.xLabels();
    ASSERT_EQ(labels.size(), 15u);
    EXPECT_EQ(labels[1], "2,5");
    EXPECT_EQ(labels[14], "35");
    EXPECT_EQ(c.layout.xTicks()[14].x, 779);
    // 719 pixels for 35 minutes, 311 for 21 metres: minute 10, depth 20.
    const ChartPoint &p = c.series[0]->points()[1];
    EXPECT_EQ(p.hit, (PixelRect {265 - 3, 316 - 3, 265 + 3, 316 + 3}));
}

TEST(ChartLayout, MarkSizeFollowsWidthRoundedHalfToEven)
{
    for (auto [width, size] : {std::pair {799, 3}, {625, 2}, {875, 4}, {100, 1}, {0, 1}}) {
        Chart c;
        c.run(width, 200);
        EXPECT_EQ(c.layout.markSize(), size) << width;
    }
}

TEST(ChartLayout, ScaleDividesTickLabelsAndSentinelShowsTilde)
{
    Chart c;
    c.options.axisYScale = 10.0f;
    c.add(SeriesKind::Line, {{0, 0}, {1, 30}});
    c.run(799, 391);
    EXPECT_EQ(c.layout.yTicks()[1].label, "0,5");
    EXPECT_EQ(ChartLayout::tickLabel(1.7e308), "~");
    EXPECT_EQ(ChartLayout::tickLabel(-17.5), "-17,5");
    EXPECT_EQ(ChartLayout::tickLabel(1.456), "1,46");
}

TEST(ChartLayout, TitleWrapsInTheWidthLeftBesideTheLegend)
{
    Chart c;
    c.options.showTitle = true;
    c.options.showLegend = true;
    c.options.title = std::string(40, 'x'); // 240 pixels
    c.add(SeriesKind::Line, {{0, 0}, {1, 1}}).SetCaption("Series"); // legend 36 + 42 wide
    c.run(400, 300);
    // Drawn between x = 60 and 380 - 78 - 20 = 282: 222 pixels, two lines.
    EXPECT_EQ(c.layout.title(), (PixelRect {60, 20, 282, 64}));
    EXPECT_EQ(c.layout.plot().top, 74);
    EXPECT_EQ(c.layout.legend(), (PixelRect {302, 74, 380, 74 + 40}));
}

TEST(ChartLayout, LegendRowsAndWidthNarrowThePlot)
{
    Chart c;
    c.options.showLegend = true;
    c.options.showTitle = true;
    c.options.title = "T";
    c.add(SeriesKind::Line, {{0, 0}, {1, 1}}).SetCaption("  Глубина ");
    c.add(SeriesKind::Line).SetCaption("a\r\n bbbbbbbbbb\n");
    c.add(SeriesKind::Bar).SetCaption("");
    c.run(400, 300);
    EXPECT_EQ(c.series[0]->legendRowTop, 10);
    EXPECT_EQ(c.series[1]->legendRowTop, 32);
    EXPECT_EQ(c.series[2]->legendRowTop, 60); // two lines of 13
    const int width = 60 + 42; // the widest trimmed line, 10 characters
    EXPECT_EQ(c.layout.legend(), (PixelRect {380 - width, 52, 380, 52 + 90}));
    EXPECT_EQ(c.layout.plot().right, 380 - width - 20);
    EXPECT_EQ(c.layout.title().right, c.layout.plot().right);
    EXPECT_EQ(ChartLayout::captionLines("a\r\n bbb \n\nc"),
            (std::vector<std::string> {"a", "bbb", "", "c"}));
}

TEST(ChartLayout, TouchingXLabelsAreSkipped)
{
    Chart c;
    c.options.axisXOnePerValue = true;
    c.add(SeriesKind::Line, {{10, 0}, {20, 1}, {30, 2}, {40, 3}});
    c.run(116, 200); // 36 pixels of plot: ticks 12 apart, labels 12 wide
    ASSERT_EQ(c.layout.xTicks().size(), 4u);
    EXPECT_EQ(c.layout.xTicks()[1].x, 72);
    EXPECT_EQ(c.layout.drawnXLabels(c.measurer), (std::vector<int> {0, 2}));
}

TEST(ChartLayout, ClientToValueInsideThePlotOnly)
{
    Chart c;
    c.add(SeriesKind::Line, {{0, 0}, {10, -20}, {30, -5}});
    double vx = 99;
    double vy = 99;
    EXPECT_FALSE(c.layout.clientToValue(100, 100, vx, vy)); // never laid out
    c.run(799, 391);
    ASSERT_TRUE(c.layout.clientToValue(60, 20, vx, vy));
    EXPECT_DOUBLE_EQ(vx, 0.0);
    EXPECT_DOUBLE_EQ(vy, 0.0);
    ASSERT_TRUE(c.layout.clientToValue(778, 330, vx, vy));
    EXPECT_NEAR(vx, 718 * 35.0 / 719, 1e-12);
    EXPECT_NEAR(vy, 1 * 21.0 / 311 - 21, 1e-12);
    vx = vy = 99;
    for (auto [x, y] : {std::pair {779, 100}, {100, 331}, {59, 100}, {100, 19}}) {
        EXPECT_FALSE(c.layout.clientToValue(x, y, vx, vy)) << x << "," << y;
        EXPECT_EQ(vx, 99);
        EXPECT_EQ(vy, 99);
    }
}

TEST(ChartLayout, ClientToValueWithoutDataIsFalse)
{
    Chart c;
    double vx = 0;
    double vy = 0;
    c.add(SeriesKind::Line);
    c.run(400, 300);
    EXPECT_TRUE(c.layout.noData());
    EXPECT_TRUE(c.layout.yTicks().empty());
    EXPECT_FALSE(c.layout.clientToValue(100, 100, vx, vy));

    c.series[0]->AddXY(1, 1);
    c.run(400, 300);
    EXPECT_TRUE(c.layout.clientToValue(100, 100, vx, vy));
    c.series.clear(); // as Clear leaves it: the old mapping must not answer
    c.run(400, 300);
    EXPECT_FALSE(c.layout.clientToValue(100, 100, vx, vy));
}

TEST(ChartLayout, OnePerValueSingleValueSitsAtThePlotLeft)
{
    Chart c;
    c.options.axisXOnePerValue = true;
    c.add(SeriesKind::Line, {{7, 1}, {7, 3}});
    c.run(400, 300);
    ASSERT_EQ(c.layout.xTicks().size(), 1u);
    EXPECT_EQ(c.layout.xTicks()[0].x, 60);
    EXPECT_EQ(c.series[0]->points()[1].px, 60);
    double vx = 0;
    double vy = 0;
    ASSERT_TRUE(c.layout.clientToValue(300, 100, vx, vy));
    EXPECT_EQ(vx, 7);
}

TEST(ChartLayout, OnePerValueReadsTheNearestTickFirstOnATie)
{
    Chart c;
    c.options.axisXOnePerValue = true;
    c.add(SeriesKind::Line, {{5, 1}, {1, 2}, {3, 0}, {3, 4}});
    c.run(140, 300); // 60 pixels: ticks at 60, 90, 120
    ASSERT_EQ(c.xLabels(), (std::vector<std::string> {"1", "3", "5"}));
    double vx = 0;
    double vy = 0;
    ASSERT_TRUE(c.layout.clientToValue(75, 100, vx, vy));
    EXPECT_EQ(vx, 1);
    ASSERT_TRUE(c.layout.clientToValue(76, 100, vx, vy));
    EXPECT_EQ(vx, 3);
    EXPECT_EQ(c.series[0]->points()[0].px, 120);
}

TEST(ChartLayout, BarsShareSlotsAroundTheZeroLine)
{
    Chart c;
    TPlotSeries &bars = c.add(SeriesKind::Bar, {{1, 10}, {2, -5}, {3, 20}});
    c.run(400, 300);
    EXPECT_TRUE(c.layout.onePerValue());
    EXPECT_EQ(c.yValues(), (std::vector<double> {-7, 0, 7, 14, 21}));
    EXPECT_EQ(c.layout.zeroLine(), 185);
    EXPECT_EQ(c.layout.barSlotWidth(), 107);
    EXPECT_EQ(c.layout.xTicks()[0].x, 113); // half a slot in
    EXPECT_EQ(c.layout.xTicks()[1].x, 220);
    // Bar width rounded(107 / 2) = 54, offset rounded(-53.5 + 27 + 5.4) = -21,
    // drawn width rounded(43.2) = 43.
    EXPECT_EQ(bars.points()[0].hit, (PixelRect {92, 106, 135, 185}));
    EXPECT_EQ(bars.points()[1].hit, (PixelRect {199, 185, 242, 224}));
}

TEST(ChartLayout, SmoothSeriesRefillsItsInterpolatedSpline)
{
    Chart c;
    TPlotSeries &s = c.add(SeriesKind::Smooth, {{0, 1}, {1, 2}, {2, 1.5}});
    c.run(400, 300);
    c.run(400, 300); // refilled, not appended to
    ASSERT_EQ(s.spline().NumberOfPoints(), 3);
    EXPECT_TRUE(s.spline().Interpolated());
    EXPECT_EQ(s.spline().Fragments(), 60);
    EXPECT_EQ(s.spline().FGetPoint(2),
            (SplinePoint {float(s.points()[1].px), float(s.points()[1].py)}));
    for (int i = 0; i < 40; ++i)
        s.AddXY(3 + i, 1);
    c.run(400, 300);
    EXPECT_EQ(s.spline().Fragments(), 600);
}

TEST(ChartLayout, SmoothSeriesRefusesPointsItsSplineCannotHold)
{
    Chart c;
    TPlotSeries &s = c.add(SeriesKind::Smooth);
    for (int i = 0; i < TBSpline::kMaxPoints; ++i)
        s.AddXY(i, 0);
    EXPECT_THROW(s.AddXY(0, 0), std::exception);
    EXPECT_EQ(int(s.points().size()), TBSpline::kMaxPoints);
    c.run(400, 300);
    EXPECT_EQ(s.spline().NumberOfPoints(), TBSpline::kMaxPoints);
}

} // namespace
