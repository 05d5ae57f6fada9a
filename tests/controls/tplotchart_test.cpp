#include "controls/barpatterns.h"
#include "controls/tplotchart.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

QImage render(TPlotChart &chart)
{
    return chart.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countInRow(const QImage &img, int y, int x0, int x1, QRgb colour)
{
    int n = 0;
    for (int x = x0; x < x1; ++x)
        if ((img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
            ++n;
    return n;
}

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kGrey = 0x808080;

// A chart whose y axis runs -10..10 with the zero tick in the middle.
void fillSymmetric(TPlotChart &chart)
{
    chart.resize(402, 302); // client 400 x 300 inside the border
    chart.SetShowLegend(false);
    chart.SetShowTitle(false);
    TPlotSeries *s = chart.AddSeries(SeriesKind::Line);
    s->AddXY(0, -10);
    s->AddXY(10, 10);
}

TEST(TPlotChart, ZeroScaleIsStoredAsOne)
{
    TPlotChart chart;
    chart.SetAxisXScale(2.5f);
    chart.SetAxisXScale(0.0f);
    EXPECT_EQ(chart.AxisXScale(), 1.0f);
    chart.SetAxisYScale(0.0f);
    EXPECT_EQ(chart.AxisYScale(), 1.0f);
    chart.SetAxisYScale(-4.0f);
    EXPECT_EQ(chart.AxisYScale(), -4.0f);
}

TEST(TPlotChart, BarSeriesSwitchesOnePerValueForGood)
{
    TPlotChart chart;
    chart.AddSeries(SeriesKind::Bar)->AddXY(1, 2);
    EXPECT_TRUE(chart.AxisXOnePerValue());
    chart.Clear();
    chart.AddSeries(SeriesKind::Line)->AddXY(1, 2);
    EXPECT_TRUE(chart.AxisXOnePerValue());
    EXPECT_TRUE(chart.layout().onePerValue());
}

TEST(TPlotChart, UpdateBracketDefersLayoutToEndUpdate)
{
    TPlotChart chart;
    chart.BeginUpdate();
    TPlotSeries *s = chart.AddSeries(SeriesKind::Line);
    s->AddXY(0, 0);
    s->AddXY(5, 5);
    chart.resize(500, 400);
    EXPECT_TRUE(chart.layout().yTicks().empty());
    chart.EndUpdate();
    EXPECT_FALSE(chart.layout().yTicks().empty());
    EXPECT_EQ(chart.layout().clientWidth(), 498);
    EXPECT_NE(s->points()[1].px, 0);

    // Clearing drops the ticks and the mapping at once, bracket or not.
    chart.BeginUpdate();
    chart.Clear();
    double vx = 0;
    double vy = 0;
    EXPECT_TRUE(chart.layout().yTicks().empty());
    EXPECT_FALSE(chart.ClientToValue(200, 200, vx, vy));
}

TEST(TPlotChart, ZeroTickDrawsASolidBlackGridLine)
{
    TPlotChart chart;
    fillSymmetric(chart);
    const ChartLayout &l = chart.layout();
    const std::vector<AxisTick> &ticks = l.yTicks();
    ASSERT_GE(ticks.size(), 3u);
    const int x0 = l.plot().left + 2; // past the thick axis
    const int x1 = l.plot().right - 1;
    QImage img = render(chart);
    int zeroRows = 0;
    for (std::size_t i = 1; i + 1 < ticks.size(); ++i) {
        const int black = countInRow(img, ticks[i].y, x0, x1, kBlack);
        if (ticks[i].value == 0.0) {
            ++zeroRows;
            EXPECT_GE(black, (x1 - x0) - 8) << "the zero line is solid";
        } else {
            const int grey = countInRow(img, ticks[i].y, x0, x1, kGrey);
            EXPECT_GT(grey, (x1 - x0) / 5) << ticks[i].value << " is dotted grey";
            EXPECT_LT(grey, (x1 - x0) * 3 / 4) << ticks[i].value << " is dotted grey";
        }
    }
    EXPECT_EQ(zeroRows, 1);

    chart.SetShowYGrid(false);
    chart.SetShowXGrid(false);
    img = render(chart);
    for (std::size_t i = 1; i + 1 < ticks.size(); ++i)
        EXPECT_EQ(countInRow(img, ticks[i].y, x0, x1, kGrey), 0);
}

TEST(TPlotChart, SeriesTakeTheirColourAndMarker)
{
    TPlotChart chart;
    fillSymmetric(chart);
    chart.resize(1002, 302); // mark size 4
    TPlotSeries *second = chart.AddSeries(SeriesKind::Line);
    second->AddXY(5, 0);
    ASSERT_EQ(chart.layout().markSize(), 4);
    const QImage img = render(chart);
    const ChartPoint &red = chart.series(0)->points()[0];
    const ChartPoint &blue = second->points()[0];
    const int s = chart.layout().markSize();
    // A square's corner is outlined; a circle's corner is not.
    EXPECT_EQ(img.pixel(red.px - s, red.py - s) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(img.pixel(blue.px - s + 1, blue.py) & 0xFFFFFF, 0xFFFFFFu); // white fill
    EXPECT_EQ(img.pixel(blue.px, blue.py - s) & 0xFFFFFF, 0x0000FFu);
    EXPECT_NE(img.pixel(blue.px - s, blue.py - s) & 0xFFFFFF, 0x0000FFu);
    chart.SetSoftColors(true);
    EXPECT_EQ(chart.seriesColor(15), QColor(0xDA, 0xFA, 0x5A)); // modulo 14
}

TEST(TPlotChart, MonochromeBarsUseTheirPattern)
{
    TPlotChart chart;
    chart.resize(402, 302);
    chart.SetShowLegend(false);
    chart.SetMonochrome(true);
    TPlotSeries *bars = chart.AddSeries(SeriesKind::Bar);
    bars->AddXY(1, 10);
    const QImage img = render(chart);
    const PixelRect &hit = bars->points()[0].hit;
    ASSERT_GT(hit.width(), 16);
    ASSERT_GT(hit.height(), 16);
    // Pattern 01, rows EE 55 BB 55: brush origin at the client's corner.
    const QImage pattern = BarPatterns::image(1);
    const int x = (hit.left + 8) / 8 * 8;
    const int y = (hit.top + 8) / 8 * 8;
    for (int dy = 0; dy < 8; ++dy)
        for (int dx = 0; dx < 8; ++dx)
            ASSERT_EQ(img.pixel(x + dx, y + dy) & 0xFFFFFF, pattern.pixel(dx, dy) & 0xFFFFFF)
                    << dx << "," << dy;
}

struct PatternCase
{
    int number;
    int size;
    int row;
    const char *bits; // left to right, 1 white
};

class BarPatternRows : public ::testing::TestWithParam<PatternCase>
{ };

TEST_P(BarPatternRows, BitsMostSignificantFirstWhiteWhereSet)
{
    const PatternCase c = GetParam();
    const QImage img = BarPatterns::image(c.number);
    ASSERT_EQ(img.size(), QSize(c.size, c.size));
    for (int x = 0; x < c.size; ++x) {
        const QRgb expected = c.bits[x] == '1' ? 0xFFFFFF : 0x000000;
        EXPECT_EQ(img.pixel(x, c.row) & 0xFFFFFF, expected) << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BarPatternRows,
        ::testing::Values(PatternCase {2, 8, 7, "00010101"}, PatternCase {11, 6, 1, "011011"}));

} // namespace
