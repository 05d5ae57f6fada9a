// Both programs' command lines: --help and --version on standard output
// without a display, and a wrong command line refused with the usage text
// on standard error and exit status 2.

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <string>
#include <vector>

namespace {

const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
const std::string kOffscreen = "env QT_QPA_PLATFORM=offscreen ";
const std::string kVersion = LOOPWRIGHT_EXPECTED_VERSION;

TEST(CommandLine, HelpAndVersionAnswerAndAWrongLineIsRefused)
{
    const TempFolder dir;
    const std::string sim = LOOPWRIGHT_SIM;
    const std::string example = std::string(LOOPWRIGHT_SOURCE_DIR) + "/examples/eccr-30m.scn";
    const std::vector<std::string> simOptions = {"SCENARIO", "--uddf FILE", "--csv FILE",
            "--debrief DRILL", "--debrief-out FILE", "--response FILE", "--seed N", "-h, --help",
            "--version"};
    const struct
    {
        std::string command;
        int status;
        std::vector<std::string> out, err; // texts each stream must hold
    } cases[] = {
            {sim + " --help", 0, simOptions, {}},
            {sim + " -h", 0, simOptions, {}},
            {sim + " " + example + " --version", 0, {"loopwright-sim " + kVersion + "\n"}, {}},
            {sim + " --bogus " + example, 2, {}, {"usage: loopwright-sim [--uddf FILE]"}},
            {sim + " --debrief " + example + " --debrief-out", 2, {},
                    {"--debrief DRILL --debrief-out FILE"}},
#ifdef LOOPWRIGHT_APP
            {kNoDisplay + LOOPWRIGHT_APP + " --help", 0,
                    {"--lang ru|en", "-h, --help", "--version"}, {}},
            {kNoDisplay + LOOPWRIGHT_APP + " --version", 0, {"loopwright " + kVersion + "\n"}, {}},
            {kOffscreen + LOOPWRIGHT_APP + " -style Fusion --lang en --bogus", 2, {},
                    {"loopwright: unknown option '--bogus'\nusage: loopwright [--lang ru|en]"}},
            {kOffscreen + LOOPWRIGHT_APP + " --lang=ru extra", 2, {},
                    {"unexpected argument 'extra'\nusage: loopwright"}},
#endif
    };
    const auto out = dir.path() / "out.txt";
    const auto err = dir.path() / "err.txt";
    for (const auto &c : cases) {
        const int status =
                std::system((c.command + " > " + out.string() + " 2> " + err.string()).c_str());
        ASSERT_TRUE(WIFEXITED(status)) << c.command;
        EXPECT_EQ(WEXITSTATUS(status), c.status) << c.command;
        const std::string outText = readBytes(out), errText = readBytes(err);
        for (const auto &text : c.out)
            EXPECT_NE(outText.find(text), std::string::npos) << c.command << ": " << text;
        for (const auto &text : c.err)
            EXPECT_NE(errText.find(text), std::string::npos) << c.command << ": " << text;
        EXPECT_TRUE(c.status == 0 ? errText.empty() : outText.empty()) << c.command;
    }
    // Help or a version that cannot be written is no success.
    EXPECT_EQ(WEXITSTATUS(std::system((sim + " --version > /dev/full").c_str())), 3);
#ifdef LOOPWRIGHT_APP
    EXPECT_EQ(
            WEXITSTATUS(std::system((kNoDisplay + LOOPWRIGHT_APP + " --help > /dev/full").c_str())),
            3);
#endif
}

} // namespace
