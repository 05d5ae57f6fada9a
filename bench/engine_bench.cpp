// Speed of the simulation tick (with healthy and with failed oxygen cells,
// and on open circuit), of the oxygen cells' step, of the worst-case
// no-decompression forecast and of a deep dive's ascent plan and bailout plan. Run:
// build/bench/engine_bench (add --benchmark_min_time=0.01 for a quick pass).

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

// The same tick with every cell failed the costliest way: all three lag
// (the power of two is kept between ticks, as the tick length and the
// half-times do not change), cell 1 current-limits and cell 3 reads low, so
// every vote goes the whole way. Against BM_Tick: what the cells can add.
void BM_TickFailedCells(benchmark::State &bench)
{
    MemoryForm form;
    SimulationState state;
    DiveHistory history;
    Simulation sim(form, state, history);
    form.setChecked(Check::dilSolenoidDisabled, false);
    form.setPosition(Slider::o2Consumption, 10);
    form.setPosition(Slider::maxDepth, 30);
    for (int k = 0; k < 3; ++k)
        state.cells.apply(k, CellAction::Slow, 30.0);
    state.cells.apply(0, CellAction::Limit, 1.2);
    state.cells.apply(2, CellAction::Sensitivity, 0.7);
    sim.start();
    for (auto _ : bench) {
        sim.tick();
        benchmark::DoNotOptimize(state.cells.vote.voted);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_TickFailedCells);

// The same tick with the diver on bailout gas 1: no uptake from the loop, the
// cylinder's gas and the breathed pressures instead. Against BM_Tick: what
// the open-circuit step adds.
void BM_TickOpenCircuit(benchmark::State &bench)
{
    MemoryForm form;
    SimulationState state;
    DiveHistory history;
    Simulation sim(form, state, history);
    form.setChecked(Check::dilSolenoidDisabled, false);
    form.setPosition(Slider::o2Consumption, 10);
    form.setPosition(Slider::maxDepth, 30);
    state.bailout.gases[0].litres = 1e12; // never empty
    sim.start();
    state.breathing = Breathing::Gas1;
    for (auto _ : bench) {
        sim.tick();
        benchmark::DoNotOptimize(state.breathedPPO2);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_TickOpenCircuit);

// The cell step alone, what the tick gained: three targets, three readings
// and the vote; with healthy cells (0) and with the failed ones above (1).
void BM_CellStep(benchmark::State &bench)
{
    OxygenCells cells;
    if (bench.range(0) == 1) {
        for (int k = 0; k < 3; ++k)
            cells.apply(k, CellAction::Slow, 30.0);
        cells.apply(0, CellAction::Limit, 1.2);
        cells.apply(2, CellAction::Sensitivity, 0.7);
    }
    double ppo2 = 1.3;
    for (auto _ : bench) {
        ppo2 = ppo2 < 1.6 ? ppo2 + 1e-4 : 1.0;
        cells.step(ppo2, 0.1);
        benchmark::DoNotOptimize(cells.vote.voted);
    }
}
BENCHMARK(BM_CellStep)->Arg(0)->Arg(1);

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

// The ascent plan after 60 minutes at 100 m on a 10/70 diluent with the 1,3
// setpoint: hours of stops, planned second by second, at the gradient factors
// low/high of the arguments (100/100 is the raw model; 30/70 plans longest).
void BM_PlanAfter60MinutesAt100m(benchmark::State &bench)
{
    MemoryForm form;
    SimulationState state;
    DiveHistory history;
    Simulation sim(form, state, history);
    form.setText(Edit::tickMs, "1000");
    form.setText(Edit::dilO2Percent, "10");
    form.setText(Edit::dilHePercent, "70");
    form.setText(Edit::setpoint1, "1,3");
    form.setText(Edit::descentRate, "20");
    form.setChecked(Check::dilSolenoidDisabled, false);
    form.setPosition(Slider::o2Consumption, 10);
    form.setPosition(Slider::maxDepth, 100);
    sim.start();
    for (int s = 0; s < 3600; ++s)
        sim.tick();
    state.gradientFactors = {int(bench.range(0)), int(bench.range(1))};
    const DecoPlan plan = sim.decoPlan();
    if (state.currentDepthM != 100.0 || plan.stops.empty() || plan.endless)
        bench.SkipWithError("not a deep decompression dive");
    bench.counters["tts_min"] = plan.ttsMinutes;
    for (auto _ : bench)
        benchmark::DoNotOptimize(sim.decoPlan().seconds);
}
BENCHMARK(BM_PlanAfter60MinutesAt100m)
        ->Args({100, 100})
        ->Args({50, 80})
        ->Args({30, 70})
        ->Unit(benchmark::kMillisecond);

// The bailout plan from the same state, on the bailout gases 18/45 (2200 l)
// and 50/0 (1100 l) at 20 l/min: each second on the richer usable gas, its
// need summed second by second; at GF 50/80 and 30/70.
void BM_BailoutPlanAfter60MinutesAt100m(benchmark::State &bench)
{
    MemoryForm form;
    SimulationState state;
    DiveHistory history;
    Simulation sim(form, state, history);
    form.setText(Edit::tickMs, "1000");
    form.setText(Edit::dilO2Percent, "10");
    form.setText(Edit::dilHePercent, "70");
    form.setText(Edit::setpoint1, "1,3");
    form.setText(Edit::descentRate, "20");
    form.setChecked(Check::dilSolenoidDisabled, false);
    form.setPosition(Slider::o2Consumption, 10);
    form.setPosition(Slider::maxDepth, 100);
    state.bailout.gases = {BailoutGas {18.0, 45.0, 2200.0}, BailoutGas {50.0, 0.0, 1100.0}};
    sim.start();
    for (int s = 0; s < 3600; ++s)
        sim.tick();
    state.gradientFactors = {int(bench.range(0)), int(bench.range(1))};
    const auto plan = sim.bailoutPlan();
    if (state.currentDepthM != 100.0 || !plan || plan->ascent.stops.empty() || plan->ascent.endless)
        bench.SkipWithError("not a deep decompression dive");
    else {
        bench.counters["tts_min"] = plan->ascent.ttsMinutes;
        bench.counters["gas1_l"] = plan->gases[0].needL;
        bench.counters["gas2_l"] = plan->gases[1].needL;
    }
    for (auto _ : bench)
        benchmark::DoNotOptimize(sim.bailoutPlan()->ascent.seconds);
}
BENCHMARK(BM_BailoutPlanAfter60MinutesAt100m)
        ->Args({50, 80})
        ->Args({30, 70})
        ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
