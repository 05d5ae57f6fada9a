#pragma once

#include <filesystem>

/// Whether \a programFolder, the folder of the program's executable, is an
/// installed copy's: PREFIX/bin with the program's data in
/// PREFIX/share/loopwright beside it, or a system program folder such as
/// /usr/bin. A build folder or a copy carried on a stick is not.
bool installedProgramFolder(const std::filesystem::path &programFolder);

/// Where the program keeps "config.ini". A copy that is not installed keeps
/// it in \a programFolder when the file is already there or the folder may
/// be written, so that a portable copy keeps its settings with it. An
/// installed copy, and one whose folder is read-only, keeps it in
/// \a userFolder, the per-user configuration folder, which is created when
/// missing; an installed copy's earlier file beside it is copied there once.
/// Without a \a userFolder, beside the program.
std::filesystem::path chooseSettingsFile(
        const std::filesystem::path &programFolder, const std::filesystem::path &userFolder);
