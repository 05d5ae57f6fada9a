#include "../engine/rig.h"

#include "export/csvwriter.h"
#include "export/exportfile.h"
#include "export/uddfwriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::vector<std::int64_t> sampleTimes(const DiveLog &log)
{
    std::vector<std::int64_t> times;
    for (const DiveSample &s : log.record().samples)
        times.push_back(s.diveTimeMs);
    return times;
}

// Down 0.5 m a second to 3 m, then 3 m more in ticks that fail after moving
// the diver, then up 0.25 m a second: the deepest point lies between
// samples, and only failed ticks reach 6 m.
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
    EXPECT_EQ(sampleTimes(log), (std::vector<std::int64_t> {0, 10000, 20000}));
    const DiveRecord &r = log.record();
    EXPECT_EQ(r.samples[0].depthM, 0.0);
    EXPECT_EQ(r.samples[0].ppo2, 0.7);
    EXPECT_EQ(r.samples[1].depthM, 6.0 - 4 * 0.25);
    EXPECT_EQ(r.greatestDepthM, 6.0 - 0.25);
    EXPECT_EQ(r.durationMs, 22000);
    ASSERT_TRUE(r.diluent);
    EXPECT_EQ(r.diluent->o2Percent, 20.9);
    rig.sim.pause();
    rig.sim.reset();
    EXPECT_EQ(log.record().samples.size(), 3u) << "reset keeps the dive for export";
}

struct OutlookCase
{
    const char *name;
    int depthM;
    const char *field; // set to "x" after the dive button
    const char *startTissueN2;
    bool setpoint2;
    bool stops, noStop, setpoint;
};

class DiveLogOutlook : public testing::TestWithParam<OutlookCase>
{ };

// A sample against the dive computer's own results on the same state.
TEST_P(DiveLogOutlook, TakesTheDiveComputersResults)
{
    const OutlookCase &c = GetParam();
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
    using std::nullopt, std::optional;
    EXPECT_EQ(s.firstStop, c.stops ? optional(rig.sim.decoPlan().stops.at(0)) : nullopt);
    EXPECT_EQ(s.noStopSeconds,
            c.noStop ? optional(rig.sim.liveNoDecoForecast().elapsedSeconds) : nullopt);
    EXPECT_EQ(s.setpoint, c.setpoint ? optional(c.setpoint2 ? 1.4 : 1.0) : nullopt);
}

INSTANTIATE_TEST_SUITE_P(States, DiveLogOutlook,
        testing::Values(OutlookCase {"SurfaceForever", 0, "", "0,79", false, false, false, true},
                OutlookCase {"NoStop", 30, "", "0,79", false, false, true, true},
                OutlookCase {"Setpoint2", 30, "", "0,79", true, false, true, true},
                OutlookCase {"Stops", 30, "", "2", false, true, false, true},
                OutlookCase {"EndlessPlan", 30, "", "4", false, false, false, true},
                OutlookCase {"PlanUnreadable", 30, "AscentRate", "2", false, false, true, true},
                OutlookCase {"ForecastUnreadable", 30, "DecoStepSeconds", "0,79", false, false,
                        false, true},
                OutlookCase {
                        "SetpointUnreadable", 0, "Setpoint1", "0,79", false, false, false, false}),
        [](const auto &info) { return std::string(info.param.name); });

DiveRecord handMadeRecord()
{
    DiveRecord r;
    r.samples.push_back({0, 0.0, 0.7, std::nullopt, 0.0, 0.0, -1.5, 754, std::nullopt});
    r.samples.push_back({10500, 30.5, 1.3, 1.3, 23.0, 12.25, 4.2, std::nullopt, DecoStop {9, 2}});
    r.greatestDepthM = 31.0;
    r.highestPpo2 = 1.35;
    r.durationMs = 12000;
    r.diluent = GasMix {15.0, 40.0};
    return r;
}

std::string between(const std::string &text, const std::string &from, const std::string &to)
{
    const std::size_t begin = text.find(from);
    const std::size_t end = text.find(to, begin);
    return begin == std::string::npos || end == std::string::npos
            ? std::string()
            : text.substr(begin, end + to.size() - begin);
}

TEST(DiveFiles, CsvHasOneRowPerSampleWithEmptyCellsWhereNothingApplies)
{
    EXPECT_EQ(diveCsv(handMadeRecord()),
            std::string(kDiveCsvHeader) + "\r\n"
                    + "0,0,0.7,,0,0,-1.5,12.566666666666666,,\r\n"
                      "10.5,30.5,1.3,1.3,23,12.25,4.2,,9,2\r\n");
}

TEST(DiveFiles, UddfWaypointsInSchemaOrderAndSiUnits)
{
    const std::string uddf = uddfDocument(handMadeRecord(), {"2011-01-21T00:00:00Z", "a<b&c"});
    EXPECT_EQ(uddf.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<uddf version=\"3.3.1\">", 0),
            0u);
    EXPECT_NE(uddf.find("<datetime>a&lt;b&amp;c</datetime>"), std::string::npos);
    EXPECT_EQ(between(uddf, "<mix id=\"diluent\">", "</mix>"),
            "<mix id=\"diluent\">\n      <name>Дилюент</name>\n      <o2>0.15</o2>\n"
            "      <n2>0.45</n2>\n      <he>0.4</he>\n    </mix>");
    EXPECT_EQ(between(uddf, "<samples>", "</informationafterdive>"), R"(<samples>
          <waypoint>
            <cns>0</cns>
            <depth>0</depth>
            <divetime>0</divetime>
            <otu>0</otu>
            <divemode type="closedcircuit"/>
            <ppo2 ref="o2sensor">68646.55</ppo2>
            <nodecotime>754</nodecotime>
          </waypoint>
          <waypoint>
            <cns>0.23</cns>
            <decostop kind="mandatory" decodepth="9" duration="120"/>
            <depth>30.5</depth>
            <divetime>10.5</divetime>
            <otu>12.25</otu>
            <setpo2 setby="user">127486.45</setpo2>
            <ppo2 ref="o2sensor">127486.45</ppo2>
          </waypoint>
        </samples>
        <informationafterdive>
          <greatestdepth>31</greatestdepth>
          <diveduration>12</diveduration>
          <highestpo2>132389.775</highestpo2>
        </informationafterdive>)");
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
    const fs::path dir = fs::path(testing::TempDir()) / "export_write";
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
