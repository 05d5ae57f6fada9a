// Opening the dive graph and repainting a chart, offscreen. Painting goes
// through QWidget::grab(), which lays nothing out and paints every widget.
#include "controlmodel/tbspline.h"
#include "controls/tplotchart.h"
#include "graph/tdivegraph.h"
#include "history/divehistory.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// 600 minutes of dive after the first sample: the record is full and every
// curve has 601 points, so the PPO2 spline approximates instead of solving.
DiveHistory fullHistory()
{
    DiveHistory h;
    for (int minute = 0; minute < DiveHistory::kCapacity; ++minute) {
        const double depth = 30.0 + 10.0 * std::sin(minute / 37.0);
        const double ppo2 = 1.2 + 0.1 * std::sin(minute / 5.0);
        const double safe = 3.0 + 2.0 * std::sin(minute / 50.0);
        h.record(kSimClockStartMs + std::int64_t(minute) * 60000, depth, ppo2, safe);
    }
    return h;
}

// Show (fills both charts: one layout each), paint the whole window, close
// (clears both charts).
void BM_GraphWindowOpenFullHistory(benchmark::State &state)
{
    const DiveHistory history = fullHistory();
    TDiveGraph graph(history);
    for (auto _ : state) {
        graph.show();
        QPixmap picture = graph.grab();
        benchmark::DoNotOptimize(picture);
        graph.close();
    }
}
BENCHMARK(BM_GraphWindowOpenFullHistory)->Unit(benchmark::kMillisecond);

// The fill and layout alone, without painting.
void BM_GraphWindowFillFullHistory(benchmark::State &state)
{
    const DiveHistory history = fullHistory();
    TDiveGraph graph(history);
    for (auto _ : state) {
        graph.FormShow();
        graph.FormClose();
    }
}
BENCHMARK(BM_GraphWindowFillFullHistory)->Unit(benchmark::kMillisecond);

// Repaint of a graph-sized chart with two line series and one smooth series
// of 601 points each; the layout is done once beforehand.
void BM_ChartRepaint3x601(benchmark::State &state)
{
    TPlotChart chart;
    chart.resize(801, 393);
    chart.SetShowLegend(false);
    chart.SetShowTitle(false);
    chart.BeginUpdate();
    const SeriesKind kinds[] = {SeriesKind::Line, SeriesKind::Line, SeriesKind::Smooth};
    for (int s = 0; s < 3; ++s) {
        TPlotSeries *series = chart.AddSeries(kinds[s]);
        for (int i = 0; i < DiveHistory::kCapacity; ++i)
            series->AddXY(i, -(10.0 * s + 20.0 * std::sin(i / (20.0 + s))));
    }
    chart.EndUpdate();
    for (auto _ : state) {
        QPixmap picture = chart.clientArea()->grab();
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(BM_ChartRepaint3x601)->Unit(benchmark::kMillisecond);

// The largest system the interpolation solves, then the curve's 600 points.
void BM_SplineSolve249(benchmark::State &state)
{
    TBSpline spline;
    for (int i = 0; i < TBSpline::kMaxSolvedVertices; ++i)
        spline.AddPoint(float(i * 3), float(100.0 * std::sin(i / 7.0)));
    spline.SetInterpolated(true);
    spline.SetFragments(600);
    for (auto _ : state) {
        spline.FSetPoint(1, spline.FGetPoint(1)); // unbuilt: the next use solves again
        benchmark::DoNotOptimize(spline.polyline());
    }
}
BENCHMARK(BM_SplineSolve249)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // No display is needed or wanted: figures are for offscreen painting.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
