// loopwright-sim --uddf and --csv on the examples: the files validate, read
// back as written, and agree with the trace of the same run.

#include "exportcheck.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

namespace fs = std::filesystem;

const std::string kSource = LOOPWRIGHT_SOURCE_DIR;

struct Exported
{
    fs::path uddfPath;
    std::string trace, uddf, csv;
};

// Each example runs once for all the tests that read its files.
const Exported &exported(const std::string &name)
{
    static std::map<std::string, Exported> cache;
    if (auto found = cache.find(name); found != cache.end())
        return found->second;
    const fs::path dir = programTempFolder() / "simexport";
    fs::create_directories(dir);
    Exported e;
    e.uddfPath = dir / (name + ".uddf");
    const fs::path csv = dir / (name + ".csv");
    const std::string command = std::string(LOOPWRIGHT_SIM) + " --uddf " + e.uddfPath.string()
            + " --csv " + csv.string() + " " + kSource + "/examples/" + name + ".scn > "
            + (dir / "trace.csv").string() + " 2> " + (dir / "err.txt").string();
    EXPECT_EQ(std::system(command.c_str()), 0) << readBytes(dir / "err.txt");
    e.trace = readBytes(dir / "trace.csv");
    e.uddf = readBytes(e.uddfPath);
    e.csv = readBytes(csv);
    return cache[name] = e;
}

class ExampleExport : public testing::TestWithParam<const char *>
{ };

TEST_P(ExampleExport, UddfValidatesAgainstTheSchema)
{
    if (const std::string missing = uddfSchemaMissing(); !missing.empty())
        GTEST_SKIP() << missing;
    const Exported &e = exported(GetParam());
    EXPECT_EQ(uddfSchemaErrors(e.uddf, e.uddfPath.string()), "");
}

std::string tagText(const std::string &block, const std::string &open)
{
    const std::size_t begin = block.find(open);
    if (begin == std::string::npos)
        return "";
    const std::size_t from = begin + open.size();
    return block.substr(from, block.find('<', from) - from);
}

double number(const std::string &text)
{
    return text.empty() ? -1e300 : std::stod(text);
}

TEST_P(ExampleExport, FilesReadBackAsTheTraceHasIt)
{
    const Exported &e = exported(GetParam());
    std::vector<std::string> waypoints;
    for (std::size_t at = e.uddf.find("<waypoint>"); at != std::string::npos;
            at = e.uddf.find("<waypoint>", at + 1))
        waypoints.push_back(e.uddf.substr(at, e.uddf.find("</waypoint>", at) - at));
    std::vector<std::string> rows = split(e.csv, '\n');
    ASSERT_EQ(rows.front(),
            "time_s,depth_m,ppo2,setpoint,cns_percent,otu,ceiling_m,ndl_min,"
            "first_stop_m,first_stop_min,gf99,surf_gf,cell1,cell2,cell3,breathing");
    ASSERT_EQ(rows.back(), "");
    rows = {rows.begin() + 1, rows.end() - 1};
    ASSERT_EQ(rows.size(), waypoints.size());
    ASSERT_FALSE(rows.empty());

    // The first sample is the state at the dive button, before any tick.
    const std::vector<std::string> first = split(rows[0], ',');
    EXPECT_EQ(tagText(waypoints[0], "<divetime>"), "0");
    EXPECT_EQ(first[0], "0");
    EXPECT_EQ(number(tagText(waypoints[0], "<depth>")), number(first[1]));
    // The examples keep the default gradient factors, given once.
    EXPECT_EQ(tagText(waypoints[0], "<setgfhigh>") + tagText(waypoints[0], "<setgflow>"), "0.80.5");
    EXPECT_EQ(e.uddf.find("<setgflow>", e.uddf.find("</waypoint>")), std::string::npos);
    double greatest = number(first[1]), highest = number(first[2]);
    double lastMs = 0, endMs = 0; // of the last sample, of the last completed tick
    std::size_t sample = 1;
    for (const std::string &line : split(e.trace, '\n')) {
        const std::vector<std::string> t = split(line, ',');
        if (t.size() != 36 || t[0] != "tick" || !t[23].empty())
            continue; // the header, another event, or a tick that ended on an error
        // The PPO2 the diver breathed.
        const double clockMs = number(t[2]), depth = number(t[3]), ppo2 = number(t[35]);
        greatest = std::max(greatest, depth);
        highest = std::max(highest, ppo2);
        endMs = clockMs;
        if (clockMs < lastMs + 10000)
            continue;
        ASSERT_LT(sample, rows.size()) << "no sample at " << clockMs << " ms";
        const std::vector<std::string> row = split(rows[sample], ',');
        const std::string &w = waypoints[sample];
        EXPECT_EQ(number(tagText(w, "<divetime>")), clockMs / 1000) << w;
        EXPECT_EQ(number(row[0]), clockMs / 1000) << rows[sample];
        EXPECT_EQ(number(tagText(w, "<depth>")), depth) << w;
        EXPECT_EQ(number(row[1]), depth) << rows[sample];
        EXPECT_EQ(number(row[2]), ppo2) << rows[sample];
        for (int k = 1; k <= 3; ++k) {
            const double cell = number(t[std::size_t(25 + k)]);
            EXPECT_EQ(number(tagText(w, "<ppo2 ref=\"o2sensor" + std::to_string(k) + "\">")),
                    cell * 98066.5)
                    << w;
            EXPECT_EQ(number(row[std::size_t(11 + k)]), cell) << rows[sample];
        }
        EXPECT_EQ(row[10] + ',' + row[11], t[30] + ',' + t[31]) << "GF99, surface GF";
        EXPECT_EQ(row[15], t[32]) << "what the diver breathed";
        // A change of it marks the waypoint: the mix, then the dive mode.
        const std::string before = split(rows[sample - 1], ',')[15];
        const std::string mix = row[15] == "loop" ? "diluent" : "bailout" + row[15];
        const std::string mode = row[15] == "loop" ? "closedcircuit" : "opencircuit";
        EXPECT_EQ(w.find("<switchmix ref=\"" + mix + "\"/>\n            <divemode type=\"" + mode)
                        != std::string::npos,
                row[15] != before)
                << w;
        EXPECT_EQ(w.find("<switchmix") != std::string::npos, row[15] != before) << w;
        lastMs = clockMs;
        ++sample;
    }
    EXPECT_EQ(sample, rows.size()) << "samples the trace does not explain";
    EXPECT_EQ(number(tagText(e.uddf, "<greatestdepth>")), greatest);
    EXPECT_EQ(number(tagText(e.uddf, "<highestpo2>")), highest * 98066.5);
    EXPECT_EQ(number(tagText(e.uddf, "<diveduration>")), endMs / 1000);
    EXPECT_EQ(tagText(e.uddf, "<informationbeforedive>\n          <datetime>"),
            "2011-01-21T00:00:00Z");
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleExport,
        testing::Values("eccr-30m", "o2ccr-shallow", "trimix-60m", "stuck-solenoid", "deco-45m",
                "bailout-40m"),
        [](const auto &info) {
            std::string n = info.param;
            std::replace(n.begin(), n.end(), '-', '_');
            return n;
        });

} // namespace
