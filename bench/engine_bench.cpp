// Speed of the simulation tick and of the worst-case no-decompression
// forecast. Run: build/bench/engine_bench (add --benchmark_min_time=0.01 for
// a quick pass).

#include "deco/forecast.h"
#include "engine/memoryform.h"
#include "engine/simulation.h"

#include <benchmark/benchmark.h>

namespace {

// A whole tick (valves, decompression, history) of an eCCR dive to 30 m with
// both solenoids working, 100 ms ticks; the presentation model is filled in as
// the window would read it, but nothing formats text.
void BM_Tick(benchmark::State &bench)
{
    MemoryForm form;
    SimulationState state;
    DiveHistory history;
    Simulation sim(form, state, history);
    form.setChecked(Check::dilSolenoidDisabled, false);
    form.setPosition(Slider::o2Consumption, 10);
    form.setPosition(Slider::maxDepth, 30);
    sim.start();
    for (auto _ : bench) {
        sim.tick();
        benchmark::DoNotOptimize(state.loopPPO2);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_Tick);

// The forecast's longest run: 1-second steps that never need a stop within
// 2000 minutes, 120 001 iterations of 32 loadings and 16 ceilings.
void BM_ForecastWorstCase(benchmark::State &bench)
{
    TissueState tissues;
    startTissues(tissues, 0.79, 0.0);
    for (auto _ : bench) {
        const ForecastResult r = noDecoForecast(tissues, 1.185, 0.0, 0.0, 1);
        if (r.steps != 120001)
            bench.SkipWithError("not the worst case");
        benchmark::DoNotOptimize(r.steps);
    }
}
BENCHMARK(BM_ForecastWorstCase)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
