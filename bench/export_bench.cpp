// Export of a 3-hour dive: the ticks with the dive log recording (its plan
// and forecast every 10 s of dive time), then the UDDF and CSV files written
// and replaced on the disk. Run: build/bench/export_bench.

#include "engine/memoryform.h"
#include "engine/simulation.h"
#include "export/csvwriter.h"
#include "export/divelog.h"
#include "export/exporttext.h"
#include "export/uddfwriter.h"
#include "util/atomicfile.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// 1-second ticks of an eCCR dive on the 1,0 setpoint at \a depthM for three
// hours. At 30 m the plan has stops for most of the dive; at 6 m the
// recorder proves that no forecast can end within its 2000 minutes and runs
// none. At 14 m every forecast runs, over 20 hours of no-stop time, 8000
// steps of the default 10 s: the costly kind of dive.
void exportThreeHourDive(benchmark::State &bench, int depthM)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    std::size_t samples = 0;
    for (auto _ : bench) {
        MemoryForm form;
        SimulationState state;
        DiveHistory history;
        Simulation sim(form, state, history);
        DiveLog log;
        form.setText(Edit::tickMs, "1000");
        form.setChecked(Check::dilSolenoidDisabled, false);
        form.setPosition(Slider::o2Consumption, 10);
        form.setPosition(Slider::maxDepth, depthM);
        sim.start();
        log.start(sim);
        for (int s = 0; s < 3 * 3600; ++s) {
            sim.tick();
            log.afterTick(sim, true);
        }
        const DiveRecord &record = log.record();
        const UddfTimes times {exporttext::utcDateTime(kSimClockStartMs),
                exporttext::utcDateTime(kSimClockStartMs + record.durationMs)};
        writeFileAtomically(dir / "loopwright-bench.uddf", uddfDocument(record, times));
        writeFileAtomically(dir / "loopwright-bench.csv", diveCsv(record));
        samples = record.samples.size();
    }
    std::filesystem::remove(dir / "loopwright-bench.uddf");
    std::filesystem::remove(dir / "loopwright-bench.csv");
    bench.counters["samples"] = double(samples);
}
BENCHMARK_CAPTURE(exportThreeHourDive, at30m, 30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportThreeHourDive, at6m, 6)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportThreeHourDive, at14m, 14)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
