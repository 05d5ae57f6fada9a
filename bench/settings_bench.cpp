// Start-up and close of the program with a config.ini of about 10 MB: the
// windows are created, start-up reads the settings (the main window, the loop
// details, the options) and the close writes them back, as a user's start and
// close do, without showing a window. The file holds the program's own
// sections and 10 MB of garbage: lines of random bytes before the sections,
// or entries of random keys inside [TEdit], whose keys every read walks.
// Run: QT_QPA_PLATFORM=offscreen build/bench/settings_bench

#include "app/loopwrightapp.h"
#include "engine/parameters.h"
#include "profile/settingsfile.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kGarbageBytes = 10 * 1024 * 1024;

enum Garbage { Lines = 0, EntriesInTEdit = 1 };

// Random bytes of the Windows-1251 range without line ends; entries also
// without '=' or '[' in their keys.
std::string garbage(Garbage kind)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> byte(0x20, 0xFF);
    std::uniform_int_distribution<int> length(1, 120);
    std::string out;
    out.reserve(kGarbageBytes + 256);
    while (out.size() < kGarbageBytes) {
        const int n = length(random);
        std::string line;
        for (int i = 0; i < n; ++i) {
            char c = char(byte(random));
            if (c == '[' || c == '=' || c == '\x98') // 0x98 has no character
                c = '_';
            line += c;
        }
        out += kind == EntriesInTEdit ? "k" + line + "=" + line : line;
        out += "\r\n";
    }
    return out;
}

fs::path writeSettings(Garbage kind)
{
    const fs::path folder =
            fs::temp_directory_path() / ("loopwright-settings-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path path = folder / "config.ini";
    {
        SettingsFile file(path);
        SettingsBatch batch(file);
        for (const FieldInfo &f : kFields)
            file.WriteString("TEdit", editName(f.edit), f.defaultText);
        for (int i = 2; i <= 5; ++i)
            file.WriteBool("TRadioButton", "RadioButton" + std::to_string(i), i == 2);
        for (const CheckInfo &c : kChecks)
            file.WriteBool("TCheckBox", c.control, c.defaultChecked);
        batch.Commit();
    }
    std::ifstream in(path, std::ios::binary);
    std::string sections((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string junk = garbage(kind);
    std::string all;
    if (kind == Lines) {
        all = junk + sections;
    } else {
        const std::size_t afterHeader = sections.find("\r\n") + 2;
        all = sections.substr(0, afterHeader) + junk + sections.substr(afterHeader);
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << all;
    return path;
}

// Start-up alone, and start-up with the close that writes the file back.
void run(benchmark::State &state, bool close)
{
    const fs::path path = writeSettings(Garbage(state.range(0)));
    for (auto _ : state) {
        LoopwrightApp program(path);
        program.startUp();
        if (close && !program.form.FormClose())
            state.SkipWithError("the close did not write the settings");
    }
    state.counters["file_MB"] = double(fs::file_size(path)) / 1e6;
    fs::remove_all(path.parent_path());
}

void StartUp(benchmark::State &state)
{
    run(state, false);
}
BENCHMARK(StartUp)->Arg(Lines)->Arg(EntriesInTEdit)->Unit(benchmark::kMillisecond);

void StartAndClose(benchmark::State &state)
{
    run(state, true);
}
BENCHMARK(StartAndClose)->Arg(Lines)->Arg(EntriesInTEdit)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
