#include "util/atomicfile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string refusalReason(FileRefusal refusal)
{
    switch (refusal) {
    case FileRefusal::NotRegularFile:
        return "not a regular file (a device, a pipe or a socket)";
    case FileRefusal::OpenFileLink:
        return "a link to a file the program has open, not a file's name";
    case FileRefusal::StandardStream:
        return "the program's own standard input, output or error";
    case FileRefusal::ReadOnly:
        return std::strerror(EACCES);
    case FileRefusal::None:
        break;
    }
    return {};
}

[[noreturn]] void fail(const fs::path &path, int error)
{
    throw FileWriteError(path, error);
}

[[noreturn]] void refuse(const fs::path &path, FileRefusal refusal)
{
    throw FileWriteError(path, refusal);
}

// The links of /proc (and /dev/stdout or /dev/fd/N, which lead there) name a
// process's open files: a "file" reached through one may be a pipe, a
// terminal, or the very file the trace is being written to.
bool onProcFileSystem(const fs::path &folder)
{
    constexpr long kProcSuperMagic = 0x9fa0;
    struct statfs fsInfo
    { };
    return ::statfs(folder.c_str(), &fsInfo) == 0 && fsInfo.f_type == kProcSuperMagic;
}

bool isStandardStream(const struct stat &file)
{
    for (int fd = 0; fd <= 2; ++fd) {
        struct stat stream
        { };
        if (::fstat(fd, &stream) == 0 && stream.st_dev == file.st_dev
                && stream.st_ino == file.st_ino)
            return true;
    }
    return false;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

// The permissions a new file gets: 0666 less the file creation mask, read
// where the kernel shows it, so that the mask is never changed to learn it.
mode_t newFileMode()
{
    if (std::FILE *status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return 0666 & ~mode_t(mask);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

FileWriteError::FileWriteError(const fs::path &path, int errorCode)
    : LoopwrightError("cannot write " + path.string() + ": " + std::strerror(errorCode)),
      m_path(path), m_errorCode(errorCode), m_reason(std::strerror(errorCode))
{ }

FileWriteError::FileWriteError(const fs::path &path, FileRefusal refusal)
    : LoopwrightError("cannot write " + path.string() + ": " + refusalReason(refusal)),
      m_path(path), m_errorCode(refusal == FileRefusal::ReadOnly ? EACCES : 0), m_refusal(refusal),
      m_reason(refusalReason(refusal))
{ }

ReplaceTarget resolveReplaceTarget(const fs::path &path)
{
    if (path.empty())
        fail(path, ENOENT);
    if (path.filename().empty())
        fail(path, EISDIR);
    // Walk the path a name at a time, following each link where the kernel
    // would, so that every folder on the way is a real one and every link
    // is seen.
    std::error_code error;
    fs::path folder = path.is_absolute() ? path.root_path() : fs::current_path(error);
    if (error)
        fail(path, error.value());
    const fs::path relative = path.relative_path();
    std::deque<fs::path> names(relative.begin(), relative.end());
    int links = 0;
    while (!names.empty()) {
        const fs::path name = names.front();
        names.pop_front();
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            folder = folder.parent_path();
            continue;
        }
        const fs::path next = folder / name;
        struct stat st
        { };
        if (::lstat(next.c_str(), &st) != 0) {
            const int saved = errno;
            // A name not yet taken is where the new file goes, but only as
            // the last name: a missing folder is not made.
            if (saved == ENOENT && names.empty()) {
                struct stat dir
                { };
                if (::stat(folder.c_str(), &dir) != 0)
                    fail(path, errno);
                return {next, false, dir.st_dev, dir.st_ino, name.string()};
            }
            fail(path, saved);
        }
        if (S_ISLNK(st.st_mode)) {
            if (++links > 40)
                fail(path, ELOOP);
            if (onProcFileSystem(folder))
                refuse(path, FileRefusal::OpenFileLink);
            std::string target(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
            const ssize_t n = ::readlink(next.c_str(), target.data(), target.size());
            if (n < 0)
                fail(path, errno);
            target.resize(std::size_t(n));
            const fs::path link(target);
            if (link.is_absolute())
                folder = link.root_path();
            const fs::path rest = link.relative_path();
            names.insert(names.begin(), rest.begin(), rest.end());
            continue;
        }
        if (names.empty()) {
            if (S_ISDIR(st.st_mode))
                fail(path, EISDIR);
            if (!S_ISREG(st.st_mode))
                refuse(path, FileRefusal::NotRegularFile);
            if (isStandardStream(st))
                refuse(path, FileRefusal::StandardStream);
            // Renaming would replace even a file marked read-only; respect
            // the mark.
            if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
                refuse(path, FileRefusal::ReadOnly);
            return {next, true, st.st_dev, st.st_ino, {}};
        }
        if (!S_ISDIR(st.st_mode))
            fail(path, ENOTDIR);
        folder = next;
    }
    // Only "." and ".." names: a folder.
    fail(path, EISDIR);
}

bool sameTarget(const ReplaceTarget &a, const ReplaceTarget &b)
{
    return a.exists == b.exists && a.device == b.device && a.inode == b.inode
            && a.newName == b.newName;
}

void writeFileAtomically(const fs::path &path, std::string_view bytes)
{
    const ReplaceTarget target = resolveReplaceTarget(path);
    struct stat original
    { };
    const bool keep = target.exists && ::stat(target.path.c_str(), &original) == 0;

    static std::atomic<unsigned> counter {0};
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target.path;
        temp.replace_filename("." + target.path.filename().string() + ".tmp-"
                + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        // Only the owner can read it while it fills, whatever the target's
        // permissions will be.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        fail(path, errno);
    // On the disk before it takes the target's place, or a crash could leave
    // an empty file under the real name.
    int saved = 0;
    errno = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        saved = errno != 0 ? errno : EIO;
    if (saved == 0 && keep && (original.st_uid != ::geteuid() || original.st_gid != ::getegid())) {
        // Only a privileged writer can give the file back to its owner; the
        // new file then belongs to the writer.
        if (::fchown(fd, original.st_uid, original.st_gid) != 0) { }
    }
    if (saved == 0 && ::fchmod(fd, keep ? original.st_mode & 07777 : newFileMode()) != 0)
        saved = errno;
    if (::close(fd) != 0 && saved == 0)
        saved = errno;
    if (saved == 0 && ::rename(temp.c_str(), target.path.c_str()) != 0)
        saved = errno;
    if (saved != 0) {
        ::unlink(temp.c_str());
        fail(path, saved);
    }
    const fs::path folder = target.path.parent_path();
    if (const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}
