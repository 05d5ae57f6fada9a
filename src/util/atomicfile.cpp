#include "util/atomicfile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

FileWriteError::FileWriteError(const fs::path &path, const std::string &reason)
    : LoopwrightError("cannot write " + path.string() + ": " + reason), m_path(path),
      m_reason(reason)
{ }

namespace {

[[noreturn]] void fail(const fs::path &path, int error)
{
    throw FileWriteError(path, std::strerror(error));
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

} // namespace

void writeFileAtomically(const fs::path &path, std::string_view bytes)
{
    if (path.filename().empty())
        fail(path, EISDIR);
    fs::path target = path;
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path resolved = fs::canonical(path, error);
        if (!error)
            target = resolved;
    }
    struct stat existing
    { };
    // Renaming would replace even a file marked read-only; respect the mark.
    // (A folder is refused by the rename.)
    if (::stat(target.c_str(), &existing) == 0
            && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        fail(path, EACCES);

    static std::atomic<unsigned> counter {0};
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target;
        temp.replace_filename("." + target.filename().string() + ".tmp-"
                + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
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
    if (::close(fd) != 0 && saved == 0)
        saved = errno;
    if (saved == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        saved = errno;
    if (saved != 0) {
        ::unlink(temp.c_str());
        fail(path, saved);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}
