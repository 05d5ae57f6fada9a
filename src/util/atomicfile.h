#pragma once

#include "util/error.h"

#include <filesystem>
#include <string>
#include <string_view>

/// A file that could not be written; what() is "cannot write PATH: REASON".
class FileWriteError : public LoopwrightError
{
public:
    FileWriteError(const std::filesystem::path &path, const std::string &reason);

    const std::filesystem::path &path() const { return m_path; }
    /// The system's reason, in English ("No such file or directory").
    const std::string &reason() const { return m_reason; }

private:
    std::filesystem::path m_path;
    std::string m_reason;
};

/// Writes \a bytes to \a path as one replacement: into a new file in the
/// same folder, flushed to the disk, then renamed over the target, so the
/// target holds either its old contents or all of the new ones. A symbolic
/// link is followed; a target without any write permission is refused.
/// Throws FileWriteError, leaving nothing behind.
void writeFileAtomically(const std::filesystem::path &path, std::string_view bytes);
