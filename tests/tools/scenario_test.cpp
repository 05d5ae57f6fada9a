#include "scenario.h"

#include "deco/compartments.h"
#include "exportcheck.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include <sys/stat.h>

namespace {

struct SimRun
{
    int status = 0;
    std::string trace;
    std::string errors;
    std::vector<std::vector<std::string>> rows; // without the header
};

std::vector<std::string> splitCsv(const std::string &line)
{
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                out.back() += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                out.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

SimRun runScenario(const std::string &text)
{
    SimRun run;
    auto parsed = parseScenario(text);
    if (auto *error = std::get_if<ScenarioError>(&parsed)) {
        run.status = 2;
        run.errors = std::to_string(error->line) + ": " + error->reason;
        return run;
    }
    std::ostringstream trace;
    std::ostringstream errors;
    ScenarioRunner runner;
    run.status = runner.run(std::get<std::vector<ScenarioCommand>>(parsed), trace, errors);
    run.trace = trace.str();
    run.errors = errors.str();
    std::istringstream lines(run.trace);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, ScenarioRunner::traceHeader());
    while (std::getline(lines, line))
        run.rows.push_back(splitCsv(line));
    return run;
}

double num(const std::vector<std::string> &row, std::size_t column)
{
    return std::stod(row.at(column));
}

// The column of the trace named \a name in its header.
std::size_t col(const char *name)
{
    static const std::vector<std::string> header = splitCsv(ScenarioRunner::traceHeader());
    return std::size_t(std::find(header.begin(), header.end(), name) - header.begin());
}

struct BadLine
{
    const char *scenario;
    const char *error;
};

class MalformedScenario : public testing::TestWithParam<BadLine>
{ };

TEST_P(MalformedScenario, IsRejectedWithItsLineBeforeAnythingRuns)
{
    const SimRun run = runScenario(GetParam().scenario);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.errors, GetParam().error);
    EXPECT_TRUE(run.trace.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedScenario,
        testing::Values(BadLine {"start\nfly 3\n", "2: unknown command 'fly'"},
                BadLine {"# comment\n\nfield Depth 3\n", "3: unknown field 'Depth'"},
                BadLine {"field\n", "1: 'field' expects a field name and its text"},
                BadLine {"slider MaxDepth deep\n",
                        "1: the position must be a whole number, not 'deep'"},
                BadLine {"slider Gauge 3\n", "1: unknown slider 'Gauge'"},
                BadLine {"check CheckBox5 1\n", "1: unknown check box 'CheckBox5'"},
                BadLine {"check AdvOnOxygen 2\n", "1: expected 0 or 1, not '2'"},
                BadLine {"details 6 1 6\n",
                        "1: 'details' expects four volumes: inhale, exhale, counterlung and dead "
                        "space"},
                BadLine {"start now\n", "1: 'start' expects no arguments"},
                BadLine {"ticks -1\n", "1: the number of ticks cannot be negative"},
                BadLine {"minutes soon\n", "1: the minutes must be a number, not 'soon'"},
                BadLine {"press Hose\n", "1: unknown bypass button 'Hose' (O2Bypass or DilBypass)"},
                BadLine {"start\r\nticks 1 2\r\n", "2: 'ticks' expects a number of ticks"},
                BadLine {"cell 1\n",
                        "1: 'cell' expects a cell number and what happens to it: ok, dead, stuck "
                        "X, stuck now, limit X, limit none, sensitivity S or slow H"},
                BadLine {"cell 4 ok\n", "1: the cell number must be 1, 2 or 3, not '4'"},
                BadLine {"cell 0 dead\n", "1: the cell number must be 1, 2 or 3, not '0'"},
                BadLine {"cell 1 melted\n",
                        "1: unknown cell state 'melted' (ok, dead, stuck, limit, sensitivity, "
                        "slow)"},
                BadLine {"cell 1 ok now\n", "1: 'cell 1 ok' expects no value"},
                BadLine {"cell 3 slow\n", "1: 'cell 3 slow' expects a half-time in seconds"},
                BadLine {"cell 2 limit abc\n", "1: the limit must be a number, not 'abc'"},
                BadLine {"cell 2 stuck -0,1\n", "1: the stuck PPO2 cannot be negative"},
                BadLine {"cell 2 limit -1\n", "1: the limit cannot be negative"},
                BadLine {"cell 2 sensitivity -1\n", "1: the sensitivity cannot be negative"},
                BadLine {"cell 2 slow -1\n", "1: the half-time cannot be negative"},
                BadLine {"gf 30\n", "1: 'gf' expects GF low and GF high in percent"},
                BadLine {"gf 71 70\n",
                        "1: GF low and high must be whole percents written in "
                        "digits, 10 <= low <= high <= 100, not '71' and '70'"},
                BadLine {"gf +30 70,0\n",
                        "1: GF low and high must be whole percents written in "
                        "digits, 10 <= low <= high <= 100, not '+30' and '70,0'"},
                BadLine {"bailout-gas 1 21 0\n",
                        "1: 'bailout-gas' expects a gas number (1 or 2), its oxygen and helium in "
                        "percent and its litres"},
                BadLine {"bailout-gas 3 21 0 10\n", "1: the bailout gas must be 1 or 2, not '3'"},
                BadLine {"bailout-gas 1 4,9 0 10\n",
                        "1: the oxygen must be from 5 to 100 %, not '4,9'"},
                BadLine {"bailout-gas 2 100.1 0 10\n",
                        "1: the oxygen must be from 5 to 100 %, not '100.1'"},
                BadLine {"bailout-gas 1 21 -0,1 10\n", "1: the helium cannot be negative"},
                BadLine {"bailout-gas 1 50 50,5 10\n",
                        "1: the oxygen and the helium together cannot be more than 100 %"},
                BadLine {"bailout-gas 1 21 0 -1\n", "1: the litres cannot be negative"},
                BadLine {"bailout-gas 1 21 0 lots\n", "1: the litres must be a number, not 'lots'"},
                BadLine {"rmv 0\n", "1: the breathing rate must be above 0, not '0'"},
                BadLine {"rmv\n", "1: 'rmv' expects a breathing rate in litres per minute"},
                BadLine {"bailout 3\n", "1: expected 1, 2 or loop, not '3'"},
                BadLine {"bailoutplan now\n", "1: 'bailoutplan' expects no arguments"}));

// At the surface and 30 l/min a one-second tick asks 0,5 l: gas 2's 1,2 l
// give 0,7, 0,2, then the last 0,2. The row between the command and the tick
// shows the new source with the old breathed PPO2; a "bailout-gas" in the
// dive changes the mix but does not fill the cylinder.
TEST(Scenario, BailoutColumnsAndThePlanRow)
{
    const SimRun run = runScenario("field TickMs 1000\nbailout-gas 2 50 0 1,2\nrmv 30\nstart\n"
                                   "ticks 1\nbailout 2\nbailoutplan\nticks 3\nbailout loop\n"
                                   "bailout-gas 2 40 0 500\nticks 1\nbailoutplan\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.rows.size(), 7u);
    const auto &loopRow = run.rows[0];
    EXPECT_EQ(loopRow[col("breathing")] + " " + loopRow[col("bailout1_left")] + " "
                    + loopRow[col("bailout2_left")],
            "loop 2200 1.2");
    EXPECT_EQ(loopRow[col("breathed_ppo2")], loopRow[col("ppo2")]);
    const auto &planRow = run.rows[1];
    EXPECT_EQ(planRow[col("event")] + " " + planRow[col("breathing")], "bailoutplan 2");
    EXPECT_EQ(planRow[col("breathed_ppo2")], loopRow[col("ppo2")]) << "not yet breathed";
    EXPECT_EQ(planRow[col("text")], "0 | 1:0/2200 2:0/1");
    const double left[] = {0.7, 0.2, 0.0};
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_NEAR(num(run.rows[2 + t], col("bailout2_left")), left[t], 1e-12) << t;
        EXPECT_EQ(num(run.rows[2 + t], col("breathed_ppo2")), 0.5);
    }
    EXPECT_EQ(run.rows[5][col("breathing")] + " " + run.rows[5][col("bailout2_left")], "loop 0")
            << "a new mix does not fill the cylinder";
    EXPECT_EQ(run.rows[5][col("breathed_ppo2")], run.rows[5][col("ppo2")]);
    EXPECT_EQ(run.rows[6][col("text")], "0 | 1:0/2200 2:0/0");
}

// "gf" acts from the next plan on, wherever it stands; the two columns after
// cns and otu are whole percents.
TEST(Scenario, GradientFactorsApplyFromTheNextPlan)
{
    const SimRun run = runScenario("field TickMs 1000\nfield StartTissueN2 1,6\ngf 10 10\nstart\n"
                                   "slider MaxDepth 40\nminutes 20\nplan\ngf 100 100\nplan\n"
                                   "gf 050 080\nplan\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    const auto tts = [&](std::size_t fromEnd) {
        return std::stoi(run.rows[run.rows.size() - fromEnd][col("text")]);
    };
    EXPECT_LT(tts(2), tts(1)) << "100/100 below 50/80";
    EXPECT_LT(tts(1), tts(3)) << "50/80 below 10/10";
    const std::string surfaceGf = run.rows.back()[col("surf_gf")];
    EXPECT_EQ(std::to_string(std::stoi(surfaceGf)), surfaceGf);
    EXPECT_GT(std::stoi(surfaceGf), 100) << "a decompression dive";
}

TEST(Scenario, CommandsTheRunStateDoesNotAllowStopTheRun)
{
    SimRun run = runScenario("pause\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors,
            "line 1: 'pause' is not allowed while the pause button is disabled (the idle "
            "simulation)\n");
    run = runScenario("start\nticks 2\npause\nticks 1\nstart\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.rows.size(), 2u);
    EXPECT_EQ(run.errors,
            "line 4: 'ticks' is not allowed unless the simulation is running (the paused "
            "simulation)\n");
}

TEST(Scenario, HandlerErrorsAreReportedAndTheRunGoesOn)
{
    const SimRun run =
            runScenario("field StartTissueN2 -\nstart\nfield Edit3 abc\nslider MaxDepth 10\n"
                        "ticks 2\nfield Edit3 30\nticks 1\nfield DecoStepSeconds x\nforecast\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors,
            "line 2: start: '-' is not a valid floating point value\n"
            "line 9: forecast: 'x' is not a valid integer value\n");
    ASSERT_EQ(run.rows.size(), 4u);
    EXPECT_EQ(run.rows[0][col("text")], "'abc' is not a valid floating point value");
    EXPECT_EQ(run.rows[2][col("text")], "");
    EXPECT_EQ(run.rows[3][col("event")], "forecast");
}

TEST(Scenario, MinutesAddUpTheTicksOwnLengths)
{
    const SimRun run =
            runScenario("field TickMs 5\nstart\nminutes 0,01\nfield TickMs 700\nminutes 1\n");
    // 5 ms becomes 10 ms at the first tick: 60 ticks make 0.6 s; then 86 ticks of 700 ms.
    ASSERT_EQ(run.rows.size(), 60u + 86u);
    EXPECT_EQ(num(run.rows.back(), col("clock_ms")), 600 + 86 * 700);
    EXPECT_EQ(run.rows.back()[col("interval_ms")], "700");
}

TEST(Scenario, MinutesRefuseToCountAnUnreadableTickLength)
{
    const SimRun run = runScenario("start\nfield TickMs abc\nminutes 1\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.rows.size(), 1u);
    EXPECT_EQ(run.errors,
            "line 3: 'minutes' cannot count simulated time: 'abc' is not a valid integer value\n");
}

// Each cell command changes its own cell as it says, and only at the next
// cell step; a quiet loop at the surface stays at 0,3.
TEST(Scenario, CellCommandsAndTheirColumns)
{
    const SimRun run = runScenario("details 8 1000 0 0\ncheck Setpoint1Active 0\n"
                                   "field O2ConstantFlow 0\ncell 2 dead\ncell 3 stuck 0,9\n"
                                   "start\nticks 1\n"
                                   "cell 1 sensitivity 2\ncell 1 limit 0,5\ncell 2 ok\n"
                                   "cell 3 stuck now\nticks 1\n"
                                   "cell 1 limit none\ncell 3 ok\ncell 2 slow 30\nticks 1\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    const double expected[3][3] = {{0.3, 0.0, 0.9}, {0.5, 0.3, 0.9}, {0.6, 0.3, 0.3}};
    ASSERT_EQ(run.rows.size(), 3u);
    for (std::size_t t = 0; t < 3; ++t) {
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(num(run.rows[t], col("cell1") + k), expected[t][k], 1e-12) << t << " " << k;
    }
    EXPECT_NEAR(num(run.rows[0], col("voted_ppo2")), 0.4, 1e-12)
            << "cell 3 out, 1 and 2 disagree: the mean";
    EXPECT_NEAR(num(run.rows[2], col("voted_ppo2")), 0.3, 1e-12) << "cell 1 out";
}

// A field that fails every tick stops the run after a thousand ticks in a
// row, counted across commands; one tick fewer runs on.
TEST(Scenario, AThousandFailingTicksInARowStopTheRun)
{
    const std::string broken = "field Conservatism x\nstart\nticks 998\n";
    const SimRun ran = runScenario(broken
            + "ticks 1\nfield Conservatism 0\nticks 1\nfield "
              "Conservatism x\nticks 999\n");
    EXPECT_EQ(ran.status, 0) << ran.errors;
    EXPECT_EQ(ran.rows.size(), 998u + 1 + 1 + 999);
    const SimRun stopped = runScenario(broken + "ticks 1\nticks 1\nticks 5\n");
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(stopped.rows.size(), 1000u);
    EXPECT_EQ(stopped.errors,
            "line 5: 1000 ticks in a row ended on an error, the last on: 'x' is "
            "not a valid floating point value; the run stops\n");
}

TEST(Scenario, TextsWithCommasAreQuoted)
{
    const SimRun run = runScenario("field DilO2Percent 1,2,3\nstart\nticks 1\n");
    EXPECT_NE(run.trace.find("\"'1,2,3' is not a valid floating point value\""), std::string::npos);
}

// A descent at constant loop composition: a 21 % oxygen loop topped up by
// the automatic valve with a diluent of the same mix (nothing else acts), so
// the loop volume, the partial pressures, the depth and the tissue pressures
// follow closed forms tick by tick.
TEST(ScenarioTrace, QuietDescentFollowsClosedForms)
{
    const SimRun run = runScenario(R"(
field TickMs 1000
field StartPPO2 0,21
field DilO2Percent 21
field O2ConstantFlow 0
field DescentRate 10
check Setpoint1Active 0
details 8 1000 0 0
start
slider MaxDepth 30
minutes 10
)");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.rows.size(), 600u);
    double n2First = 0.79;
    double n2Last = 0.79;
    const Compartment &c1 = kCompartmentTable[0];
    const Compartment &c16 = kCompartmentTable[15];
    for (int t = 1; t <= 600; ++t) {
        const auto &row = run.rows[std::size_t(t - 1)];
        const double depth = std::min(30.0, t / 6.0);
        const double ambient = 1.0 + depth / 10.0;
        ASSERT_NEAR(num(row, col("depth")), depth, 1e-9) << t;
        ASSERT_NEAR(num(row, col("ppo2")), 0.21 * ambient, 1e-12) << t;
        ASSERT_NEAR(num(row, col("ppn2")), 0.79 * ambient, 1e-12) << t;
        ASSERT_EQ(num(row, col("clock_ms")), 1000.0 * t);
        ASSERT_NEAR(num(row, col("loop_gas")), 8.0 * ambient, 1e-9) << t;
        n2First += (0.79 * ambient - n2First) * (1 - std::exp2(-1.0 / 60.0 / c1.n2HalfTimeMin));
        n2Last += (0.79 * ambient - n2Last) * (1 - std::exp2(-1.0 / 60.0 / c16.n2HalfTimeMin));
        ASSERT_NEAR(num(row, col("tissue_n2_1")), n2First, 1e-9) << t;
        ASSERT_NEAR(num(row, col("tissue_n2_16")), n2Last, 1e-9) << t;
        ASSERT_EQ(num(row, col("history_count")), double((t - 1) / 60));
    }
}

// The examples, against traces kept in the repository (every tenth tick and
// every other row): any change in the engine's arithmetic shows up here.
class ExampleTrace : public testing::TestWithParam<const char *>
{ };

TEST_P(ExampleTrace, MatchesTheKeptTrace)
{
    const std::string name = GetParam();
    const SimRun run = runScenario(
            readBytes(std::string(LOOPWRIGHT_SOURCE_DIR) + "/examples/" + name + ".scn"));
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");

    std::ifstream golden(
            std::string(LOOPWRIGHT_SOURCE_DIR) + "/tests/tools/golden/" + name + ".csv");
    ASSERT_TRUE(golden) << name;
    std::string line;
    std::getline(golden, line);
    ASSERT_EQ(line, ScenarioRunner::traceHeader());
    std::size_t matched = 0;
    for (const auto &row : run.rows) {
        if (row[col("event")] == "tick" && std::stoll(row[col("tick")]) % 10 != 0)
            continue;
        ASSERT_TRUE(std::getline(golden, line))
                << "trace longer than kept at tick " << row[col("tick")];
        const auto kept = splitCsv(line);
        ASSERT_EQ(kept.size(), row.size());
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i == col("event") || i == col("lamps") || i == col("text")
                    || i == col("breathing")) {
                ASSERT_EQ(row[i], kept[i]) << "tick " << row[col("tick")] << " column " << i;
            } else {
                const double a = std::stod(row[i]);
                const double b = std::stod(kept[i]);
                ASSERT_NEAR(a, b, 1e-9 * std::max(1.0, std::fabs(b)))
                        << "tick " << row[col("tick")] << " column " << i;
            }
        }
        ++matched;
    }
    EXPECT_FALSE(std::getline(golden, line)) << "trace shorter than kept";
    EXPECT_GT(matched, 50u);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleTrace,
        testing::Values("eccr-30m", "o2ccr-shallow", "trimix-60m", "stuck-solenoid", "deco-45m",
                "bailout-40m"),
        [](const auto &info) {
            std::string n = info.param;
            for (char &c : n)
                c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
            return n;
        });

// Runs loopwright-sim with \a arguments and standard output to \a output:
// its exit status and the first line of its standard error.
std::pair<int, std::string> runSim(const std::string &arguments, const std::string &output)
{
    const std::string err = programTempFolder().string() + "/err.txt";
    const std::string command =
            std::string(LOOPWRIGHT_SIM) + " " + arguments + " > " + output + " 2> " + err;
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status)) << arguments;
    std::ifstream in(err);
    std::string message;
    std::getline(in, message);
    return {WEXITSTATUS(status), message};
}

// The program itself: a scenario it cannot use, a trace or a dive file it
// cannot write are failures, with a message and their own exit status.
TEST(LoopwrightSim, ReportsWhatWentWrongWithItsExitStatus)
{
    const std::string dir = programTempFolder().string();
    const std::string example = std::string(LOOPWRIGHT_SOURCE_DIR) + "/examples/eccr-30m.scn";
    std::ofstream(dir + "/malformed.scn") << "start\nticks 3\nwait 5\n";
    std::filesystem::create_directories(dir + "/folder.csv");
    const std::tuple<std::string, std::string, int, std::string> cases[] = {
            {dir + "/malformed.scn", dir + "/out.csv", 2,
                    dir + "/malformed.scn:3: unknown command 'wait'"},
            {dir, dir + "/out.csv", 2, dir + ": cannot read the scenario"},
            {example, "/dev/full", 3, "loopwright-sim: cannot write the trace to standard output"},
            {"--uddf " + dir + "/missing/x.uddf " + example, dir + "/out.csv", 3,
                    "loopwright-sim: cannot write " + dir
                            + "/missing/x.uddf: No such file or directory"},
            {example + " --csv " + dir + "/folder.csv", dir + "/out.csv", 3,
                    "loopwright-sim: cannot write " + dir + "/folder.csv: Is a directory"},
            {"--csv " + dir + "/x.csv /dev/null", dir + "/out.csv", 3,
                    "loopwright-sim: no dive to export: the scenario never starts one"},
            {example + " --uddf", dir + "/out.csv", 2, "loopwright-sim: '--uddf' needs a FILE"}};
    for (const auto &[scenario, output, status, message] : cases)
        EXPECT_EQ(runSim(scenario, output), std::pair(status, message)) << scenario;
}

// Two outputs on one file, or an output on the file being read, are found
// whatever the spelling (links, "..", hard links), and like an unknown
// option they are usage errors; an output that is no regular file, or the
// trace itself, is refused (exit 3). Nothing runs in either case.
TEST(LoopwrightSim, RefusesArgumentsThatCannotWorkBeforeRunning)
{
    namespace fs = std::filesystem;
    const std::string dir = programTempFolder().string() + "/clobber";
    fs::remove_all(dir);
    fs::create_directories(dir + "/sub");
    const std::string scn = dir + "/dive.scn", drill = dir + "/d.drill";
    std::ofstream(scn) << "start\nticks 3\n";
    std::ofstream(drill) << "title T\nend-after 0,1\n";
    fs::create_symlink(scn, dir + "/scn-link");
    fs::create_hard_link(drill, dir + "/d-hard");
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0644), 0);
    const std::string same = "' name the same file ('",
                      clobber = "'): one would overwrite the other";
    const std::tuple<std::string, int, std::string> cases[] = {
            {"--uddf " + dir + "/x --csv " + dir + "/sub/../x " + scn, 2,
                    "'--uddf' and '--csv" + same + dir + "/x', '" + dir + "/sub/../x" + clobber},
            {"--csv " + dir + "/scn-link " + scn, 2,
                    "the scenario and '--csv" + same + scn + "', '" + dir + "/scn-link" + clobber},
            {"--debrief-out=" + dir + "/d-hard --debrief " + drill, 2,
                    "'--debrief' and '--debrief-out" + same + drill + "', '" + dir + "/d-hard"
                            + clobber},
            {"--language en " + scn, 2, "unknown option '--language'"},
            {"-lang en " + scn, 2, "unknown option '-lang'"},
            {"--uddf a.uddf --uddf b.uddf " + scn, 2, "'--uddf' is given twice"},
            {"--debrief " + drill + " --debrief-out o --seed 18446744073709551616", 2,
                    "'--seed' needs a whole number from 0 to 18446744073709551615, not "
                    "'18446744073709551616'"},
            {"--debrief " + drill + " --debrief-out o --seed=+1", 2,
                    "'--seed' needs a whole number from 0 to 18446744073709551615, not '+1'"},
            {"--debrief " + drill + " --response " + scn + " --debrief-out " + dir + "/scn-link", 2,
                    "'--debrief-out' and '--response" + same + dir + "/scn-link', '" + scn
                            + clobber},
            {"--debrief " + drill + " --debrief-out o --csv " + dir + "/d-hard", 2,
                    "'--csv' and '--debrief" + same + dir + "/d-hard', '" + drill + clobber},
            {"--uddf " + dir + "/fifo " + scn, 3,
                    "cannot write " + dir
                            + "/fifo: not a regular file (a device, a pipe or a socket)"},
            {"--debrief " + drill + " --debrief-out " + dir + "/trace.csv", 3,
                    "cannot write " + dir
                            + "/trace.csv: the program's own standard input, output or error"}};
    for (const auto &[arguments, status, reason] : cases) {
        EXPECT_EQ(runSim(arguments, dir + "/trace.csv"),
                std::pair(status, "loopwright-sim: " + reason))
                << arguments;
        EXPECT_EQ(fs::file_size(dir + "/trace.csv"), 0u) << arguments;
    }
    EXPECT_FALSE(fs::exists(dir + "/x"));
    // When the trace cannot be written, neither is any other file.
    const std::string lost = "loopwright-sim: cannot write the trace to standard output";
    EXPECT_EQ(runSim("--uddf " + dir + "/x " + scn, "/dev/full"), std::pair(3, lost));
    EXPECT_EQ(runSim("--debrief " + drill + " --debrief-out " + dir + "/x", "/dev/full"),
            std::pair(3, lost));
    EXPECT_FALSE(fs::exists(dir + "/x"));
}

// A drill flown headless: its trace on standard output, its debrief written
// whole or not at all.
TEST(LoopwrightSim, FliesADrillAndWritesItsDebriefWholeOrNotAtAll)
{
    namespace fs = std::filesystem;
    const std::string dir = programTempFolder().string() + "/debrief";
    fs::remove_all(dir);
    fs::create_directories(dir + "/taken.json"); // a folder where the file should go
    std::ofstream(dir + "/short.drill") << "title T\nfield TickMs 1000\nend-after 0,5\n";
    std::ofstream(dir + "/bad.drill") << "title T\nstart\n";
    std::ofstream(dir + "/stuck.drill") << "title T\nfield Conservatism x\n";
    std::ofstream(dir + "/failing.drill") << "title T\nfield TickMs 1000\nat 0..0,2 check "
                                             "O2SolenoidStuck 1\nend-after 0,5\n";
    std::ofstream(dir + "/acts.txt") << "at 0,25 supply O2 closed\n";
    std::ofstream(dir + "/bad.txt") << "at 0,25 cell 1 dead\n";
    const std::tuple<std::string, std::string, int, std::string> cases[] = {
            {"short.drill", "out.json", 0, ""},
            {"short.drill", "taken.json", 3,
                    "loopwright-sim: cannot write " + dir + "/taken.json: Is a directory"},
            {"bad.drill", "out2.json", 2,
                    dir + "/bad.drill:2: 'start' is a run command, not allowed in a drill"},
            {"failing.drill --response " + dir + "/bad.txt", "out3.json", 2,
                    dir
                            + "/bad.txt:1: 'cell' is not a trainee's action (field, slider, check, "
                              "press, release, supply, gf, bailout-gas, rmv, bailout)"},
            {"failing.drill --seed 7 --response " + dir + "/acts.txt --uddf " + dir
                            + "/dive.uddf --csv " + dir + "/dive.csv",
                    "seven.json", 0, ""},
            {"stuck.drill", "stuck.json", 1,
                    "1000 ticks in a row ended on an error, the last on: 'x' is not a valid "
                    "floating point value; the run stops"}};
    for (const auto &[drill, out, status, message] : cases)
        EXPECT_EQ(runSim("--debrief " + dir + "/" + drill + " --debrief-out " + dir + "/" + out,
                          dir + "/trace.csv"),
                std::pair(status, message))
                << drill;
    EXPECT_NE(readBytes(dir + "/out.json").find("\"ended_by\": \"end-after\""), std::string::npos);
    EXPECT_NE(readBytes(dir + "/stuck.json").find("\"ended_by\": \"error\""), std::string::npos);
    // Seed 7: k >> 11 = 6794898749353179 of 2^53 - 1 draws 0,15088 minutes
    // (9,05 s): the failure after the tick at 10 s, the trainee's action at
    // 15 s, five seconds later.
    const std::string seven = readBytes(dir + "/seven.json");
    EXPECT_NE(seven.find("\"seed\": 7, \"drawn\": [{\"line\": 3, \"from_min\": 0, \"to_min\": "
                         "0.2, \"t_min\": 0.15087706083057165}]"),
            std::string::npos)
            << seven;
    EXPECT_NE(seven.find("\"reaction_s\": 5}"), std::string::npos);
    EXPECT_EQ(split(readBytes(dir + "/dive.csv"), '\n').size(), 6u)
            << "the header, samples at 0, 10, 20 and 30 s, the last line end";
    EXPECT_NE(readBytes(dir + "/dive.uddf").find("<divetime>30</divetime>"), std::string::npos);
    std::vector<std::string> left;
    for (const auto &entry : fs::directory_iterator(dir))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
            (std::vector<std::string> {"acts.txt", "bad.drill", "bad.txt", "dive.csv", "dive.uddf",
                    "failing.drill", "out.json", "seven.json", "short.drill", "stuck.drill",
                    "stuck.json", "taken.json", "trace.csv"}))
            << "no temporary file is left behind";
}

} // namespace
