// What a drill's timed lines cost a tick: a tick of a drill with one "at"
// line and one with 100 000 of them, none yet due, so that every tick asks
// whether the next one is. Run: build/bench/drill_bench

#include "drills/drillsession.h"
#include "engine/memoryform.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_TickWithAtLines(benchmark::State &bench)
{
    std::string text = "field TickMs 100\nslider MaxDepth 30\n";
    for (long i = 0; i < bench.range(0); ++i)
        text += "at " + std::to_string(100000 - i % 1000) + " note later\n";
    Drill drill = std::get<Drill>(parseDrill(text));
    MemoryForm form;
    SimulationState state;
    DiveHistory history;
    Simulation sim(form, state, history);
    applyDrillSetup(drill, sim);
    sim.start();
    DrillSession session(std::move(drill), sim, DrillSession::Mode::Window);
    session.begin();
    for (auto _ : bench) {
        sim.tick();
        session.afterTick(true);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_TickWithAtLines)->Arg(1)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
