#include "graph/tdivegraph.h"

#include "controls/tplotchart.h"
#include "history/divehistory.h"
#include "modaldriver.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A 40-minute dive sampled as the simulation does, one step per second:
// down at 30 m/min to 30 m, bottom time, up at 10 m/min with stops at 5 and 3 m.
DiveHistory fortyMinuteDive()
{
    DiveHistory h;
    std::int64_t clock = kSimClockStartMs;
    for (int step = 0; step <= 40 * 60; ++step) {
        const double t = step / 60.0;
        double depth = 30.0;
        if (t < 1)
            depth = 30 * t;
        else if (t >= 25)
            depth = t < 27.5 ? 30 - 10 * (t - 25) : t < 33 ? 5 : t < 36 ? 3 : std::max(0.0, 39 - t);
        const double ppo2 = std::min(1.3, 0.7 + 0.02 * depth) + 0.03 * std::sin(t);
        const double safe = t < 25 ? std::clamp((t - 8) * 0.27, 0.0, 4.5) : 4.5 - (t - 25) * 0.35;
        h.record(clock, depth, ppo2, safe);
        clock += 1000;
    }
    return h;
}

TPlotChart *chartNamed(const TDiveGraph &g, const char *name)
{
    return g.findChild<TPlotChart *>(QString::fromLatin1(name));
}

QLabel *labelNamed(const TDiveGraph &g, const char *name)
{
    return g.findChild<QLabel *>(QString::fromLatin1(name));
}

TEST(TDiveGraph, ChartsOverlapAndLegendLabelsHoldTheirText)
{
    const DiveHistory h;
    TDiveGraph g(h);
    TPlotChart *chart = chartNamed(g, "Chart");
    TPlotChart *chart1 = chartNamed(g, "Chart1");
    ASSERT_TRUE(chart && chart1);
    EXPECT_EQ(chart->geometry(), QRect(0, 0, 801, 393));
    EXPECT_EQ(chart1->geometry(), QRect(-1, 336, 801, 224));
    // The layout the edge cases assume: client 799 wide.
    g.show();
    EXPECT_EQ(chart->layout().clientWidth(), 799);

    QLabel *label4 = labelNamed(g, "Label4");
    QLabel *label3 = labelNamed(g, "Label3");
    ASSERT_TRUE(label4 && label3);
    EXPECT_EQ(label4->parentWidget(), chart->clientArea());
    // The fixed-size legend labels must hold their text in the font we got.
    EXPECT_LE(label4->sizeHint().width(), 65);
    EXPECT_LE(label3->sizeHint().width(), 153);
    EXPECT_EQ(labelNamed(g, "Label5")->parentWidget(), chart1->clientArea());
}

TEST(TDiveGraph, ShowPlotsTheHistoryAndCloseClearsIt)
{
    const DiveHistory h = fortyMinuteDive();
    ASSERT_EQ(h.count(), 40);
    TDiveGraph g(h);
    TPlotChart *chart = chartNamed(g, "Chart");
    TPlotChart *chart1 = chartNamed(g, "Chart1");
    for (int opening = 0; opening < 2; ++opening) {
        g.show();
        ASSERT_EQ(chart->seriesCount(), 2) << "opening " << opening;
        ASSERT_EQ(chart1->seriesCount(), 1);
        const TPlotSeries *depth = chart->series(0);
        EXPECT_EQ(depth->Caption(), "Глубина");
        EXPECT_EQ(chart->series(1)->Caption(), "Безопасная глубина");
        EXPECT_EQ(chart1->series(0)->Caption(), "PPO2");
        EXPECT_EQ(chart1->series(0)->kind(), SeriesKind::Smooth);
        ASSERT_EQ(depth->points().size(), 41u);
        EXPECT_EQ(depth->points()[10].x, 10.0);
        EXPECT_EQ(depth->points()[10].y, -30.0);
        EXPECT_EQ(chart1->series(0)->points()[40].y, h.ppo2()[40]);
        g.close();
        EXPECT_EQ(g.result(), 1);
        EXPECT_EQ(chart->seriesCount(), 0);
        EXPECT_EQ(chart1->seriesCount(), 0);
    }
}

TEST(TDiveGraph, EmptyHistoryPlotsOnePointAtTheOrigin)
{
    const DiveHistory h;
    TDiveGraph g(h);
    g.show();
    const TPlotSeries *ppo2 = chartNamed(g, "Chart1")->series(0);
    ASSERT_EQ(ppo2->points().size(), 1u);
    EXPECT_EQ(ppo2->points()[0].y, 0.0);
    g.reject(); // Escape: the curves go as well
    EXPECT_EQ(chartNamed(g, "Chart")->seriesCount(), 0);
}

// The readouts' texts and places: the depth shown positive, both clamped at
// the right edge, "За гранью возможного" off the plot.
TEST(TDiveGraph, ReadoutTextsAndPlaces)
{
    const struct
    {
        bool lower;
        int x;
        bool inside;
        double vx, vy;
        const char *time, *value;
        int timeLeft, valueLeft;
    } cases[] = {{false, 750, true, 12.5, -20, " Время: 12,5  ", " Глубина: 20  ", 630, 710},
            {false, 300, true, 3, -1.456, " Время: 3  ", " Глубина: 1,46  ", 230, 310},
            {false, 10, false, 0, 0, "За гранью", "возможного", -60, 20},
            {false, 700, false, 0, 0, "За гранью", "возможного", 630, 710},
            {true, 750, true, 39.996, 1.456, "Время: 40  ", "PPO2: 1,46  ", 640, 720},
            {true, 711, false, 0, 0, "За гранью", "возможного", 640, 720}};
    for (const auto &c : cases) {
        const TDiveGraph::Readout r = c.lower ? TDiveGraph::ppo2Readout(c.x, c.inside, c.vx, c.vy)
                                              : TDiveGraph::depthReadout(c.x, c.inside, c.vx, c.vy);
        EXPECT_EQ(r.time, QString::fromUtf8(c.time)) << c.x;
        EXPECT_EQ(r.value, QString::fromUtf8(c.value)) << c.x;
        EXPECT_EQ(r.timeLeft, c.timeLeft) << c.x;
        EXPECT_EQ(r.valueLeft, c.valueLeft) << c.x;
        EXPECT_EQ(r.top, 5);
    }
}

TEST(TDiveGraph, PointerMovesPlaceTheLabels)
{
    const DiveHistory h = fortyMinuteDive();
    TDiveGraph g(h);
    g.show();
    g.ChartMouseMove(750, 5); // above the plot area
    QLabel *label1 = labelNamed(g, "Label1");
    QLabel *label2 = labelNamed(g, "Label2");
    EXPECT_EQ(label1->text(), QStringLiteral("За гранью"));
    EXPECT_EQ(label2->pos(), QPoint(710, 5));

    // The plot's top-left pixel is minute 0 at the top tick, depth 0.
    const PixelRect plot = chartNamed(g, "Chart")->layout().plot();
    g.ChartMouseMove(plot.left, plot.top);
    EXPECT_EQ(label1->text(), QStringLiteral(" Время: 0  "));
    EXPECT_EQ(label2->text(), QStringLiteral(" Глубина: 0  "));
    EXPECT_EQ(label1->pos(), QPoint(plot.left - 70, 5));

    g.Chart1MouseMove(750, 100);
    EXPECT_EQ(labelNamed(g, "Label6")->pos(), QPoint(720, 5));
    EXPECT_TRUE(labelNamed(g, "Label6")->text().startsWith(QStringLiteral("PPO2: ")));
}

// One spin of a standard wheel, \a notches long: positive away from the user
// (smaller).
void wheel(TDiveGraph &g, int notches)
{
    QWheelEvent e(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120 * notches),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&g, &e);
}

TEST(TDiveGraph, WheelResizesWindowAndCharts)
{
    const DiveHistory h;
    TDiveGraph g(h);
    g.show();
    const QSize frame = g.frameGeometry().size() - g.size();
    g.setFixedSize(700, 590 - frame.height()); // outer height 590
    TPlotChart *chart = chartNamed(g, "Chart");
    TPlotChart *chart1 = chartNamed(g, "Chart1");
    wheel(g, 1);
    EXPECT_EQ(g.frameGeometry().height(), 570);
    EXPECT_EQ(g.frameGeometry().width(), 700 + frame.width() - 20);
    EXPECT_EQ(chart->width(), g.frameGeometry().width());
    EXPECT_EQ(chart->height(), 342);
    EXPECT_EQ(chart1->height(), 256); // 256.5, half to even
    EXPECT_EQ(chart1->pos(), QPoint(-1, 283));
    EXPECT_EQ(chart->layout().clientHeight(), 340);
    wheel(g, -1);
    EXPECT_EQ(g.frameGeometry().height(), 590);
    EXPECT_EQ(chart->height(), 354);
    EXPECT_EQ(chart1->height(), 266); // 265.5
    EXPECT_EQ(chart1->y(), 295);
}

TEST(TDiveGraph, WheelStopsWhereChartsStayReadableAndAtTheScreen)
{
    const DiveHistory h = fortyMinuteDive();
    TDiveGraph g(h);
    g.show();
    wheel(g, 40); // 800 pixels smaller if nothing stopped it
    const QSize floor = g.size();
    EXPECT_GE(floor.width(), 400);
    EXPECT_GE(floor.height(), 279);
    EXPECT_LT(floor.height(), 279 + 20) << "stopped before the floor";
    for (const char *name : {"Chart", "Chart1"})
        EXPECT_GE(chartNamed(g, name)->layout().yTicks().size(), 2u) << name;
    wheel(g, 1);
    EXPECT_EQ(g.size(), floor);

    wheel(g, -40);
    const QRect screen = g.screen()->availableGeometry();
    const QSize outer = g.frameGeometry().size();
    EXPECT_LE(outer.width(), screen.width());
    EXPECT_LE(outer.height(), screen.height());
    EXPECT_TRUE(outer.width() + 20 > screen.width() || outer.height() + 20 > screen.height())
            << "stopped before the screen's edge";
}

// What absurd field values leave in the record: infinities, NaN and
// +-1e308 in every series, between ordinary samples.
TEST(TDiveGraph, OpensOnInfiniteAndHugeSamplesAndScalesToTheRest)
{
    const double inf = std::numeric_limits<double>::infinity();
    DiveHistory h;
    std::int64_t clock = kSimClockStartMs;
    h.record(clock, 10, 1.0, 2);
    for (const double v : {inf, -inf, std::nan(""), 1e308, -1e308}) {
        h.record(clock += 60000, v, v, v);
        h.record(clock += 60000, 20, 1.2, 3);
    }
    ASSERT_EQ(h.count(), 10);
    TDiveGraph g(h);
    TPlotChart *chart = chartNamed(g, "Chart");
    TPlotChart *chart1 = chartNamed(g, "Chart1");
    bool shown = false;
    whenModal<TDiveGraph>([&](TDiveGraph *) {
        shown = g.isVisible() && !g.grab().isNull();
        // The scales are those of the ordinary samples: 0..20 m, PPO2 1..1.2.
        const std::vector<AxisTick> &depth = chart->layout().yTicks();
        ASSERT_FALSE(depth.empty());
        EXPECT_EQ(depth.front().value, -21);
        EXPECT_EQ(depth.back().value, 0);
        const std::vector<AxisTick> &ppo2 = chart1->layout().yTicks();
        ASSERT_FALSE(ppo2.empty());
        EXPECT_GE(ppo2.front().value, 0.9);
        EXPECT_LE(ppo2.back().value, 1.5);
        EXPECT_EQ(chart->layout().xTicks().back().label, "10,5"); // minute 10 on the scale
        g.done(1);
    });
    g.exec();
    EXPECT_TRUE(shown);
}

} // namespace
