#pragma once

#include <filesystem>

/// Where the program keeps "config.ini": in \a programFolder, the folder of
/// its executable, when the file is already there or the folder may be
/// written, so that a portable copy keeps its settings with it; else (an
/// installed copy in a system folder) in \a userFolder, the per-user
/// configuration folder, which is created when missing.
std::filesystem::path chooseSettingsFile(
        const std::filesystem::path &programFolder, const std::filesystem::path &userFolder);
