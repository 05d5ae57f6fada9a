#pragma once

#include "util/error.h"

#include <filesystem>
#include <string>
#include <string_view>

#include <sys/types.h>

/// Why a file is refused although the system would let it be written.
enum class FileRefusal {
    None, ///< not refused: the system's error (errorCode()) stopped the write
    NotRegularFile, ///< a device, a pipe or a socket is there (a folder: EISDIR)
    OpenFileLink, ///< a link to a file the program holds open (/dev/stdout, /proc/self/fd/N)
    StandardStream, ///< the file is the program's standard input, output or error
    ReadOnly, ///< the file has no write permission bit
};

/// A file that could not be written; what() is "cannot write PATH: REASON".
class FileWriteError : public LoopwrightError
{
public:
    FileWriteError(const std::filesystem::path &path, int errorCode);
    FileWriteError(const std::filesystem::path &path, FileRefusal refusal);

    const std::filesystem::path &path() const { return m_path; }
    /// The system's error number, or 0 for a refusal.
    int errorCode() const { return m_errorCode; }
    FileRefusal refusal() const { return m_refusal; }
    /// The reason, in English ("No such file or directory").
    const std::string &reason() const { return m_reason; }

private:
    std::filesystem::path m_path;
    int m_errorCode = 0;
    FileRefusal m_refusal = FileRefusal::None;
    std::string m_reason;
};

/// Where a replacement of a path lands: every symbolic link followed to the
/// final target, which is a regular file or a name not yet taken in an
/// existing folder.
struct ReplaceTarget
{
    std::filesystem::path path; ///< the final target, absolute, without links
    bool exists = false;
    dev_t device = 0; ///< the file's when it exists, else its folder's
    ino_t inode = 0; ///< likewise
    std::string newName; ///< the name in that folder when it does not exist
};

/// Resolves \a path as writeFileAtomically would replace it, or throws
/// FileWriteError: a target that exists and is not a regular file, a link
/// that dangles into a missing folder, a link on the proc file system (a file
/// the program holds open, such as /dev/stdout or /dev/fd/3), and the file
/// that is one of the program's standard streams are refused, as is a file
/// without any write permission bit.
ReplaceTarget resolveReplaceTarget(const std::filesystem::path &path);

/// Whether two resolved targets are the same file: the same file on the
/// same device (a hard link too), or the same new name in the same folder.
bool sameTarget(const ReplaceTarget &a, const ReplaceTarget &b);

/// Writes \a bytes to \a path as one replacement: into a new file (mode
/// 0600 while it fills) in the target's folder, flushed to the disk, then
/// renamed over the target, so the target holds either its old contents or
/// all of the new ones. The target is resolved and checked as by
/// resolveReplaceTarget. A replaced file keeps its permission bits, and its
/// owner and group where the process may set them; a new one gets the
/// permissions the process's file creation mask gives. Throws
/// FileWriteError, leaving nothing behind.
void writeFileAtomically(const std::filesystem::path &path, std::string_view bytes);
