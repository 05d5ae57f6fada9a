// The main window at the simulation's highest speed, offscreen:
//   BM_WindowTick    one timer tick with every widget update and the repaint
//                    it causes (the engine's tick included), without and with
//                    the dive computer window open (argument 0 or 1);
//   BM_TimerPace     ticks per second that the running window achieves on a
//                    1 ms timer (TickMs 100, speed 99), against a bare 1 ms
//                    precise timer in the same process, without and with the
//                    dive computer (second argument), and with it on a dive
//                    that has been 60 minutes at 100 m on 10/70 (third
//                    argument 1), where the loop's plan and the bailout plan
//                    it recomputes four times a second are at their longest;
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
    // table change as they do in use. A deep one first spends 60 minutes at
    // 100 m on a 10/70 diluent, with the bailout gases 18/45 and 50/0.
    void startDive(bool withDiveComputer, bool deep = false)
    {
        if (deep) {
            ParameterSource &p = form.params();
            p.setText(Edit::tickMs, "1000");
            p.setText(Edit::dilO2Percent, "10");
            p.setText(Edit::dilHePercent, "70");
            p.setText(Edit::setpoint1, "1,3");
            p.setText(Edit::descentRate, "20");
            state.bailout.gases = {BailoutGas {18.0, 45.0, 2200.0}, BailoutGas {50.0, 0.0, 1100.0}};
        }
        form.showDiveComputer(withDiveComputer);
        form.params().setChecked(Check::dilSolenoidDisabled, false);
        form.slider(Slider::o2Consumption)->setPosition(10);
        form.slider(Slider::maxDepth)->setPosition(100);
        form.slider(Slider::simSpeed)->setPosition(99);
        form.show();
        form.buttonstartClick();
        if (deep) {
            form.timer().stop();
            for (int s = 0; s < 3600; ++s)
                form.TimerPPO2Timer();
            form.params().setText(Edit::tickMs, "100");
            form.timer().start();
        }
        QCoreApplication::processEvents();
    }
};

void BM_WindowTick(benchmark::State &bench)
{
    Program p;
    p.startDive(bench.range(0) != 0);
    p.form.timer().stop(); // the benchmark calls the handler itself
    for (auto _ : bench) {
        p.form.TimerPPO2Timer();
        QCoreApplication::processEvents(); // the repaint the updates asked for
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WindowTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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
        p.startDive(bench.range(1) != 0, bench.range(2) != 0);
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
BENCHMARK(BM_TimerPace)
        ->Args({3000, 0, 0})
        ->Args({3000, 1, 0})
        ->Args({3000, 1, 1})
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);

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
