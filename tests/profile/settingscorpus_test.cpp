// Replays the saved fuzzer inputs (crashes it found, and small files of
// every damaged kind) through the fuzzer's own invariant checks.

#include "settingsinvariants.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> corpusFiles()
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(LOOPWRIGHT_SETTINGS_CORPUS)) {
        if (entry.is_regular_file()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SettingsCorpus : public testing::TestWithParam<std::string>
{ };

TEST_P(SettingsCorpus, KeepsTheInvariants)
{
    const std::string bytes =
            readBytes(std::filesystem::path(LOOPWRIGHT_SETTINGS_CORPUS) / GetParam());
    TempFolder folder;
    EXPECT_EQ(checkSettingsInvariants(bytes, folder.path()), "");
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsCorpus, testing::ValuesIn(corpusFiles()),
        [](const testing::TestParamInfo<std::string> &info) {
            std::string name = info.param;
            std::replace_if(
                    name.begin(), name.end(),
                    [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
            return name;
        });

TEST(SettingsCorpus, IsNotEmpty)
{
    EXPECT_GE(corpusFiles().size(), 5u);
}

} // namespace
