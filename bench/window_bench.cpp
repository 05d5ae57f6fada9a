// The main window at the simulation's highest speed, offscreen:
//   BM_WindowTick    one timer tick with every widget update and the repaint
//                    it causes (the engine's tick included);
//   BM_TimerPace     ticks per second that the running window achieves on a
//                    1 ms timer (TickMs 100, speed 99), against a bare 1 ms
//                    precise timer in the same process;
//   BM_StartupWindow building the four windows, deriving the loop details,
//                    showing the main window until it has painted once.
// Run: QT_QPA_PLATFORM=offscreen build/bench/window_bench

#include "app/loopwrightapp.h"
#include "controls/tgradienttrackbar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

struct Program : LoopwrightApp
{
    Program() : LoopwrightApp(std::nullopt)
    {
        form.setErrorSink([](const QString &) {});
        startUp();
    }
    // An eCCR dive on its way down, valves working: readouts, lamps and the
    // table change as they do in use.
    void startDive()
    {
        form.params().setChecked(Check::dilSolenoidDisabled, false);
        form.slider(Slider::o2Consumption)->setPosition(10);
        form.slider(Slider::maxDepth)->setPosition(100);
        form.slider(Slider::simSpeed)->setPosition(99);
        form.show();
        form.buttonstartClick();
        QCoreApplication::processEvents();
    }
};

void BM_WindowTick(benchmark::State &bench)
{
    Program p;
    p.startDive();
    p.form.timer().stop(); // the benchmark calls the handler itself
    for (auto _ : bench) {
        p.form.TimerPPO2Timer();
        QCoreApplication::processEvents(); // the repaint the updates asked for
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WindowTick)->Unit(benchmark::kMicrosecond);

// Counts a bare precise 1 ms timer's timeouts for \a ms of wall time.
double bareTimerRate(int ms)
{
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    long count = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++count; });
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    timer.start();
    loop.exec();
    return count * 1000.0 / double(clock.elapsed());
}

void BM_TimerPace(benchmark::State &bench)
{
    const int ms = int(bench.range(0));
    double bare = 0;
    double window = 0;
    for (auto _ : bench) {
        bare = bareTimerRate(ms);
        Program p;
        p.startDive();
        // The first tick comes one interval after start, 1000 ms before any
        // tick has set the fast one: measure from the steady state.
        p.form.TimerPPO2Timer();
        QCoreApplication::processEvents();
        const std::int64_t clock0 = p.state.simClockMs;
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        loop.exec();
        const double elapsed = double(clock.elapsed());
        const double ticks = double(p.state.simClockMs - clock0) / 100.0;
        window = ticks * 1000.0 / elapsed;
        if (p.form.timer().interval() != 1)
            bench.SkipWithError("the window's timer is not at 1 ms");
    }
    bench.counters["bare_per_s"] = bare;
    bench.counters["window_per_s"] = window;
    bench.counters["ratio"] = window / bare;
}
BENCHMARK(BM_TimerPace)->Arg(3000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_StartupWindow(benchmark::State &bench)
{
    for (auto _ : bench) {
        Program p;
        p.form.show();
        // Until the window has been painted into its backing store.
        p.form.grab();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_StartupWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
