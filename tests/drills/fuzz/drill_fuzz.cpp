// libFuzzer harness: every input is a drill file. One that parses is flown
// headless for a bounded number of ticks and its debrief is written out; a
// broken rule aborts, so that the fuzzer keeps the input as a crash.

#include "drills/drillsession.h"
#include "engine/memoryform.h"
#include "util/error.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void broken(const char *rule)
{
    std::fprintf(stderr, "drill rule broken: %s\n", rule);
    std::abort();
}

// A message quotes at most 64 characters of what the file says.
constexpr std::size_t kLongestMessage = 1024;

// Whether the debrief's JSON has only escaped strings, numbers and the words
// true, false and null: no NaN or Infinity, no raw control character.
bool plainJson(std::string_view json)
{
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            for (++i; i < json.size() && json[i] != '"'; ++i) {
                if (static_cast<unsigned char>(json[i]) < 0x20)
                    return false;
                if (json[i] == '\\')
                    ++i;
            }
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            std::size_t end = i;
            while (end < json.size() && json[end] >= 'a' && json[end] <= 'z')
                ++end;
            const std::string_view word = json.substr(i, end - i);
            if (word != "true" && word != "false" && word != "null" && word != "e")
                return false;
            i = end - 1;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    auto parsed = parseDrill(std::string_view(reinterpret_cast<const char *>(data), size));
    if (const auto *error = std::get_if<DrillError>(&parsed)) {
        if (error->line < 0 || error->english.empty() || error->russian.empty())
            broken("a refusal names its line and its reason");
        if (error->english.size() > kLongestMessage || error->russian.size() > kLongestMessage)
            broken("a refusal quotes a bounded part of the line");
        return 0;
    }
    Drill &drill = std::get<Drill>(parsed);
    MemoryForm form;
    SimulationState state;
    DiveHistory history;
    Simulation sim(form, state, history);
    try {
        applyDrillSetup(drill, sim);
        sim.start();
    } catch (const LoopwrightError &) {
        return 0; // the runner reports it; the dive may still have started
    }
    if (!sim.view().controls.timerOn)
        return 0;
    DrillSession session(std::move(drill), sim, DrillSession::Mode::Headless);
    session.begin();
    bool anyCompleted = false;
    for (int tick = 0; tick < 400 && !session.ended(); ++tick) {
        bool completed = true;
        try {
            sim.tick();
        } catch (const LoopwrightError &e) {
            completed = false;
            if (std::string_view(e.what()).size() > kLongestMessage)
                broken("a tick's message quotes a bounded part of a field");
        }
        anyCompleted = anyCompleted || completed;
        try {
            session.afterTick(completed);
        } catch (const LoopwrightError &) {
            // An event's command met an error; the window shows it, the
            // runner reports it, and the dive goes on.
        }
    }
    const Debrief debrief = session.debrief();
    for (const ObjectiveResult &o : debrief.objectives) {
        if (o.passed && !anyCompleted)
            broken("no objective passes without a completed tick");
    }
    if (!plainJson(debriefJson(debrief)))
        broken("the debrief's numbers are finite or null, its strings escaped");
    return 0;
}
