#include "../engine/rig.h"
#include "exportcheck.h"

#include "export/csvwriter.h"
#include "export/uddfwriter.h"
#include "util/atomicfile.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Down 0.5 m a second for 6 s, 3 m more in ticks that fail after moving the
// diver, then up 0.25 m a second: the deepest point of the completed ticks
// lies between samples, and only failed ticks reach 6 m.
TEST(DiveLog, SamplesAndMaximaFollowTheCompletedTicks)
{
    Rig rig;
    DiveLog log;
    rig.set(Edit::tickMs, "1000");
    rig.set(Edit::startPPO2, "0,7");
    rig.form.setPosition(Slider::maxDepth, 20);
    rig.sim.start();
    log.start(rig.sim);
    auto ticks = [&](int n) {
        for (int i = 0; i < n; ++i)
            log.afterTick(rig.sim, rig.tick().empty());
    };
    ticks(6);
    rig.set(Edit::conservatism, "x");
    ticks(6);
    rig.set(Edit::conservatism, "0");
    rig.form.setPosition(Slider::maxDepth, 0);
    ticks(16);
    const DiveRecord &r = log.record();
    ASSERT_EQ(r.samples.size(), 3u);
    EXPECT_EQ(r.samples[1].diveTimeMs, 10000);
    EXPECT_EQ(r.samples[2].diveTimeMs, 20000);
    EXPECT_EQ(r.samples[0].depthM, 0.0);
    EXPECT_EQ(r.samples[0].ppo2, 0.7);
    EXPECT_EQ(r.samples[1].depthM, 6.0 - 4 * 0.25);
    EXPECT_EQ(r.greatestDepthM, 6.0 - 0.25);
    EXPECT_EQ(r.durationMs, 22000);
    EXPECT_EQ(r.diluent.value_or(GasMix {}).o2Percent, 20.9);

    // The next dive's first sample has its own start tissues' safe ascent
    // depth, not the last dive's: compartment 16 at 0,79 tolerates
    // (0,79 - 0,2327) x 0,9653 = 0,53796, 4,62 m above the surface.
    rig.state.tissues.n2.fill(3.0);
    ASSERT_EQ(rig.tick(), "");
    ASSERT_GT(rig.state.ceilings.safeAscentDepth, 0.0);
    rig.sim.pause();
    rig.sim.reset();
    rig.sim.start();
    log.start(rig.sim);
    EXPECT_NEAR(log.record().samples.at(0).safeAscentDepthM, -4.6204, 1e-4);
}

// What a sample takes of the dive computer's results, state by state: the
// first stop when the plan has stops, else the no-stop time unless it never
// ends, nothing that a field cannot give; the active setpoint.
TEST(DiveLog, TakesTheDiveComputersResults)
{
    const struct
    {
        int depthM;
        const char *field; // made unreadable just before the sample
        const char *startTissueN2;
        bool setpoint2; // else Setpoint1 is the active one
        double firstStopM; // 0: none
        bool noStop, setpoint; // what the sample holds
    } cases[] = {{0, "", "0,79", false, 0, false, true}, // the forecast never ends
            {30, "", "0,79", true, 0, true, true}, {30, "", "2", false, 9, false, true},
            {30, "", "4", false, 0, false, true}, // the plan never ends
            {30, "AscentRate", "2", false, 0, true, true},
            {30, "DecoStepSeconds", "0,79", false, 0, false, true},
            {8, "", "0,79", false, 0, true, true}, // ends at GF high, never at the raw limits
            {0, "Setpoint1", "0,79", false, 0, false, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.depthM) + " m " + c.field + " " + c.startTissueN2);
        Rig rig;
        rig.form.setPosition(Slider::startDepth, c.depthM);
        rig.set(Edit::startTissueN2, c.startTissueN2);
        rig.set(Edit::setpoint2, "1,4");
        rig.form.setChecked(Check::setpoint2Active, c.setpoint2);
        rig.form.setPosition(Slider::maxDepth, c.depthM);
        rig.sim.start();
        ASSERT_EQ(rig.ticks(10), "");
        rig.set(findEdit(c.field).value_or(Edit::minLoopVolume), "x");
        DiveLog log;
        log.start(rig.sim); // a sample of the state as it stands
        const DiveSample &s = log.record().samples.at(0);
        // Tissues of 2 at 30 m: compartment 16 tolerates 1,85 (8,5 m) at GF
        // 0,5, deeper than 6 m: the first stop is 9 m.
        EXPECT_EQ(s.firstStop ? s.firstStop->depthM : 0.0, c.firstStopM);
        EXPECT_EQ(s.noStopSeconds.has_value(), c.noStop);
        EXPECT_EQ(s.setpoint, c.setpoint ? std::optional(c.setpoint2 ? 1.4 : 1.0) : std::nullopt);
    }
    // On gas 2, 50 % at 30 m: the greatest PPO2 is the 2,0 breathed, not the
    // loop's; the sample holds the bailout plan's first stop, on gas 1 (the
    // 50 % is above 1,6), again 9 m.
    Rig rig;
    rig.form.setPosition(Slider::startDepth, 30);
    rig.form.setPosition(Slider::maxDepth, 30);
    rig.set(Edit::startTissueN2, "2");
    rig.sim.start();
    DiveLog log;
    log.start(rig.sim);
    rig.state.breathing = Breathing::Gas2;
    ASSERT_EQ(rig.ticks(1), "");
    log.afterTick(rig.sim, true);
    EXPECT_EQ(log.record().highestPpo2, 2.0);
    log.start(rig.sim);
    const std::optional<DecoStop> &first = log.record().samples.at(0).firstStop;
    EXPECT_EQ(first ? first->depthM : 0.0, 9.0);
}

DiveRecord handMadeRecord()
{
    DiveRecord r;
    r.samples.push_back({0, 0.0, 0.7, std::nullopt, 0.0, 0.0, -1.5, 754, std::nullopt,
            {0.7, 0.7, 0.7}, 0.5, 1.5, GradientFactors {}});
    r.samples.push_back({10500, 30.5, 1.3, 1.3, 23.0, 12.25, 4.2, std::nullopt, DecoStop {9, 2},
            {1.2, 0.0, 1.5}, 87.5, 112.5, GradientFactors {30, 70}});
    r.greatestDepthM = 31.0;
    r.highestPpo2 = 1.35;
    r.durationMs = 12000;
    r.diluent = GasMix {15.0, 40.0};
    return r;
}

TEST(DiveFiles, CsvHasOneRowPerSampleWithEmptyCellsWhereNothingApplies)
{
    EXPECT_EQ(diveCsv(handMadeRecord()),
            std::string(kDiveCsvHeader) + "\r\n"
                    + "0,0,0.7,,0,0,-1.5,12.566666666666666,,,0,2,0.7,0.7,0.7,loop\r\n"
                      "10.5,30.5,1.3,1.3,23,12.25,4.2,,9,2,88,112,1.2,0,1.5,loop\r\n");
}

TEST(DiveFiles, UddfWaypointsInSchemaOrderAndSiUnits)
{
    const std::string uddf = uddfDocument(handMadeRecord(), {"2011-01-21T00:00:00Z", "a<b&c"});
    // The names in the window's language, the sensors numbered.
    const std::string english = uddfDocument(
            handMadeRecord(), {}, {"Loopwright rebreather", "O2 sensor %1", "Diluent", "Oxygen"});
    for (const char *name : {"<name>Ребризер Loopwright</name>", "<name>Датчик O2 3</name>"})
        EXPECT_NE(uddf.find(name), std::string::npos) << name;
    for (const char *name : {"<name>Loopwright rebreather</name>", "<name>O2 sensor 1</name>",
                 "<name>O2 sensor 3</name>", "<name>Diluent</name>", "<name>Oxygen</name>"})
        EXPECT_NE(english.find(name), std::string::npos) << name;
    EXPECT_EQ(uddf.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<uddf version=\"3.3.1\">", 0),
            0u);
    EXPECT_NE(uddf.find("<datetime>a&lt;b&amp;c</datetime>"), std::string::npos);
    EXPECT_NE(uddf.find("<o2sensor id=\"o2sensor1\">\n            <name>Датчик O2 1</name>\n"
                        "          </o2sensor>\n          <o2sensor id=\"o2sensor2\">"),
            std::string::npos);
    EXPECT_NE(uddf.find("<name>Дилюент</name>\n      <o2>0.15</o2>\n      <n2>0.45</n2>\n"
                        "      <he>0.4</he>"),
            std::string::npos);
    EXPECT_NE(uddf.find(R"(<samples>
          <waypoint>
            <cns>0</cns>
            <depth>0</depth>
            <divetime>0</divetime>
            <otu>0</otu>
            <setgfhigh>0.8</setgfhigh>
            <setgflow>0.5</setgflow>
            <divemode type="closedcircuit"/>
            <ppo2 ref="o2sensor1">68646.55</ppo2>
            <ppo2 ref="o2sensor2">68646.55</ppo2>
            <ppo2 ref="o2sensor3">68646.55</ppo2>
            <nodecotime>754</nodecotime>
          </waypoint>
          <waypoint>
            <cns>0.23</cns>
            <decostop kind="mandatory" decodepth="9" duration="120"/>
            <depth>30.5</depth>
            <divetime>10.5</divetime>
            <otu>12.25</otu>
            <setgfhigh>0.7</setgfhigh>
            <setgflow>0.3</setgflow>
            <setpo2 setby="user">127486.45</setpo2>
            <ppo2 ref="o2sensor1">117679.8</ppo2>
            <ppo2 ref="o2sensor2">0</ppo2>
            <ppo2 ref="o2sensor3">147099.75</ppo2>
          </waypoint>
        </samples>
        <informationafterdive>
          <greatestdepth>31</greatestdepth>
          <diveduration>12</diveduration>
          <highestpo2>132389.775</highestpo2>
        </informationafterdive>)"),
            std::string::npos);
}

// What a dive log cannot read is left out: a value that is not finite or
// lies beyond the single-precision range, judged on the value as written (a
// setpoint in range in kg/cm² can overflow it in pascals).
TEST(DiveFiles, ValuesBeyondTheFloatRangeAreLeftOut)
{
    DiveRecord r;
    r.samples.push_back({0, 1e39, NAN, 3.5e33, 3.4e38, -INFINITY, -FLT_MAX, std::nullopt,
            DecoStop {1e39, 2}, {1e39, NAN, 0.5}, NAN, 1e39, GradientFactors {}, Breathing::Loop});
    r.greatestDepthM = 1e39;
    r.highestPpo2 = 1.2;
    EXPECT_EQ(diveCsv(r),
            std::string(kDiveCsvHeader) + "\r\n"
                    + "0,,,3.5e+33,3.4e+38,,-3.4028234663852886e+38,,,2,,,,,0.5,loop\r\n");
    const std::string uddf = uddfDocument(r, {"2011-01-21T00:00:00Z", "2011-01-21T00:00:00Z"});
    EXPECT_NE(uddf.find(R"(<waypoint>
            <cns>3.4e+36</cns>
            <divetime>0</divetime>
            <setgfhigh>0.8</setgfhigh>
            <setgflow>0.5</setgflow>
            <divemode type="closedcircuit"/>
            <ppo2 ref="o2sensor3">49033.25</ppo2>
          </waypoint>
        </samples>
        <informationafterdive>
          <diveduration>0</diveduration>
          <highestpo2>117679.8</highestpo2>)"),
            std::string::npos)
            << uddf;
    for (const char *word : {"INF", "NaN"})
        EXPECT_EQ(uddf.find(word), std::string::npos) << word;
}

// Each change of what the diver breathes marks the first waypoint after it:
// the mix switched to (the diluent's for the loop), then the dive mode; the
// bailout mixes are defined beside the diluent and oxygen.
TEST(DiveFiles, BailoutSwitchesMarkTheirWaypoints)
{
    DiveRecord r = handMadeRecord();
    r.bailout = {GasMix {18.0, 45.0}, GasMix {50.0, 0.0}};
    for (Breathing b : {Breathing::Gas1, Breathing::Gas1, Breathing::Loop, Breathing::Gas2}) {
        DiveSample s = r.samples.back();
        s.diveTimeMs += 10000;
        s.breathing = b;
        r.samples.push_back(s);
    }
    const std::string uddf = uddfDocument(r, {"2011-01-21T00:00:00Z", "2011-01-21T00:01:00Z"});
    std::string marks;
    for (std::size_t at = uddf.find("<s"); at != std::string::npos; at = uddf.find("<", at + 1)) {
        if (uddf.compare(at, 10, "<switchmix") == 0 || uddf.compare(at, 8, "<divemod") == 0
                || uddf.compare(at, 9, "<waypoint") == 0)
            marks += uddf.substr(at, uddf.find('>', at) + 1 - at) + ";";
    }
    EXPECT_EQ(marks,
            "<waypoint>;<divemode type=\"closedcircuit\"/>;<waypoint>;<waypoint>;"
            "<switchmix ref=\"bailout1\"/>;<divemode type=\"opencircuit\"/>;<waypoint>;"
            "<waypoint>;<switchmix ref=\"diluent\"/>;<divemode type=\"closedcircuit\"/>;"
            "<waypoint>;<switchmix ref=\"bailout2\"/>;<divemode type=\"opencircuit\"/>;");
    EXPECT_NE(uddf.find("<mix id=\"bailout1\">\n      <name>Байлаут 1</name>\n      <o2>0.18</o2>\n"
                        "      <n2>0.37</n2>\n      <he>0.45</he>"),
            std::string::npos);
    EXPECT_NE(uddf.find("</setpo2>\n            <switchmix ref=\"bailout1\"/>"), std::string::npos)
            << "after the setpoint, in the schema's order";
    const std::vector<std::string> rows = split(diveCsv(r), '\n');
    for (std::size_t i = 3; i < 7; ++i)
        EXPECT_EQ(rows[i].substr(rows[i].rfind(',') + 1),
                std::string(i == 5      ? "loop"
                                : i < 5 ? "1"
                                        : "2"));
}

std::string contents(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every failure leaves the folder as it was: no temporary file, the old
// contents in place.
TEST(DiveFiles, WritingReplacesWholeOrFailsWithNothingLeft)
{
    const fs::path dir = programTempFolder() / "export_write";
    fs::remove_all(dir);
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "old.csv") << "old";
    std::ofstream(dir / "locked.csv") << "kept";
    fs::permissions(dir / "locked.csv", fs::perms::owner_read);
    const struct
    {
        const char *name;
        std::string error; // "" for success
        std::string after;
    } cases[] = {{"new.csv", "", "new"}, {"old.csv", "", "new"},
            {"missing/x.csv", "No such file or directory", ""}, {"folder", "Is a directory", ""},
            {"locked.csv", "Permission denied", "kept"}};
    // (The refusals of what is no regular file are tested with the routine.)
    for (const auto &c : cases) {
        std::string error;
        try {
            writeFileAtomically(dir / c.name, "new");
        } catch (const FileWriteError &e) {
            error = e.reason();
            EXPECT_EQ(e.what(), "cannot write " + (dir / c.name).string() + ": " + error);
        }
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(contents(dir / c.name), c.after) << c.name;
    }
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 4u) << "a temporary file was left behind";
}

} // namespace
