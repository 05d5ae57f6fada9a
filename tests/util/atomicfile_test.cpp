#include "util/atomicfile.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// How a write ended: "written", or the refusal or the system's error.
std::string outcome(const fs::path &target)
{
    try {
        writeFileAtomically(target, "new");
        return "written";
    } catch (const FileWriteError &e) {
        switch (e.refusal()) {
        case FileRefusal::NotRegularFile:
            return "not a regular file";
        case FileRefusal::OpenFileLink:
            return "open file link";
        case FileRefusal::StandardStream:
            return "standard stream";
        case FileRefusal::ReadOnly:
            return "read-only";
        case FileRefusal::None:
            break;
        }
        return std::strerror(e.errorCode());
    }
}

std::vector<std::string> namesIn(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const fs::path &file)
{
    struct stat st
    { };
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st.st_mode & 07777;
}

// Each target is made in a fresh folder; whatever the write did, the folder
// must hold what it held before, and a refused target must be untouched.
TEST(SafeReplacement, RefusesWhatIsNoRegularFileAndLeavesItAsItWas)
{
    struct Case
    {
        const char *what;
        std::function<fs::path(const fs::path &)> make; ///< returns the target
        std::string expected;
    };
    int openFd = -1;
    const Case cases[] = {
            {"fifo",
                    [](const fs::path &d) {
                        EXPECT_EQ(::mkfifo((d / "fifo").c_str(), 0644), 0);
                        return d / "fifo";
                    },
                    "not a regular file"},
            {"socket",
                    [](const fs::path &d) {
                        sockaddr_un address {};
                        address.sun_family = AF_UNIX;
                        const std::string path = (d / "socket").string();
                        path.copy(address.sun_path, sizeof address.sun_path - 1);
                        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
                        EXPECT_EQ(
                                ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address),
                                0);
                        ::close(fd);
                        return d / "socket";
                    },
                    "not a regular file"},
            {"folder",
                    [](const fs::path &d) {
                        fs::create_directory(d / "folder");
                        return d / "folder";
                    },
                    "Is a directory"},
            {"dangling link into a missing folder",
                    [](const fs::path &d) {
                        fs::create_symlink(d / "missing" / "out.json", d / "link");
                        return d / "link";
                    },
                    "No such file or directory"},
            {"link to an open file of the process",
                    [&openFd](const fs::path &d) {
                        writeBytes(d / "open.txt", "old");
                        openFd = ::open((d / "open.txt").c_str(), O_RDONLY);
                        fs::create_symlink("/proc/self/fd/" + std::to_string(openFd), d / "link");
                        return d / "link";
                    },
                    "open file link"},
            {"read-only file",
                    [](const fs::path &d) {
                        writeBytes(d / "ro.txt", "old");
                        fs::permissions(d / "ro.txt", fs::perms::owner_read);
                        return d / "ro.txt";
                    },
                    "read-only"},
            {"trailing slash", [](const fs::path &d) { return fs::path(d.string() + "/x/"); },
                    "Is a directory"},
    };
    for (const Case &c : cases) {
        TempFolder folder;
        const fs::path target = c.make(folder.path());
        const std::vector<std::string> before = namesIn(folder.path());
        const std::string contents = fs::is_regular_file(target) ? readBytes(target) : "";
        EXPECT_EQ(outcome(target), c.expected) << c.what;
        EXPECT_EQ(namesIn(folder.path()), before) << c.what;
        if (fs::is_regular_file(target)) {
            EXPECT_EQ(readBytes(target), contents) << c.what;
        }
    }
    ::close(openFd);
}

TEST(SafeReplacement, RefusesADeviceNode)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making a device node needs root; the FIFO and socket cases stand in";
    TempFolder folder;
    const fs::path node = folder.path() / "null-like";
    ASSERT_EQ(::mknod(node.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
    EXPECT_EQ(outcome(node), "not a regular file");
    EXPECT_TRUE(fs::is_character_file(node));
}

// The file the process writes its output to must not be replaced under it,
// whatever name leads there; standard input stands in for standard output,
// which the test runner reads.
TEST(SafeReplacement, RefusesTheFileThatIsAStandardStream)
{
    TempFolder folder;
    const fs::path file = folder.path() / "stream.txt";
    writeBytes(file, "old");
    const int saved = ::dup(0);
    const int fd = ::open(file.c_str(), O_RDONLY);
    ASSERT_EQ(::dup2(fd, 0), 0);
    fs::create_symlink(file, folder.path() / "alias");
    const std::string direct = outcome(file);
    const std::string throughLink = outcome(folder.path() / "alias");
    ::dup2(saved, 0);
    ::close(saved);
    ::close(fd);
    EXPECT_EQ(direct, "standard stream");
    EXPECT_EQ(throughLink, "standard stream");
    EXPECT_EQ(readBytes(file), "old");
}

// Links are followed to the final file, which is replaced while the links
// stay links; a link to a name not yet taken in an existing folder makes it.
TEST(SafeReplacement, FollowsLinksKeepsModeAndOwnerAndMakesNewFilesByTheMask)
{
    TempFolder folder;
    const fs::path d = folder.path();
    fs::create_directory(d / "real");
    writeBytes(d / "real" / "a.txt", "old");
    ::chmod((d / "real" / "a.txt").c_str(), 0600);
    fs::create_symlink("real/a.txt", d / "second");
    fs::create_symlink(d / "second", d / "first");
    fs::create_symlink("real/../real/b.txt", d / "toNew");
    EXPECT_EQ(outcome(d / "first"), "written");
    EXPECT_EQ(readBytes(d / "real" / "a.txt"), "new");
    EXPECT_TRUE(fs::is_symlink(d / "first") && fs::is_symlink(d / "second"));
    EXPECT_EQ(modeOf(d / "real" / "a.txt"), 0600u);

    const mode_t mask = ::umask(027);
    EXPECT_EQ(outcome(d / "toNew"), "written");
    ::umask(mask);
    EXPECT_EQ(readBytes(d / "real" / "b.txt"), "new");
    EXPECT_EQ(modeOf(d / "real" / "b.txt"), 0640u);

    ::chmod((d / "real" / "b.txt").c_str(), 0754);
    EXPECT_EQ(outcome(d / "real" / "b.txt"), "written");
    EXPECT_EQ(modeOf(d / "real" / "b.txt"), 0754u);
    EXPECT_EQ(namesIn(d / "real"), (std::vector<std::string> {"a.txt", "b.txt"}));

    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((d / "real" / "a.txt").c_str(), 65534, 65534), 0);
        EXPECT_EQ(outcome(d / "real" / "a.txt"), "written");
        struct stat st
        { };
        ::stat((d / "real" / "a.txt").c_str(), &st);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }
}

TEST(SafeReplacement, SameTargetComparesFilesNotSpellings)
{
    TempFolder folder;
    const fs::path d = folder.path();
    writeBytes(d / "a", "a");
    fs::create_hard_link(d / "a", d / "hard");
    fs::create_symlink("a", d / "soft");
    fs::create_directory(d / "sub");
    const auto same = [](const fs::path &x, const fs::path &y) {
        return sameTarget(resolveReplaceTarget(x), resolveReplaceTarget(y));
    };
    EXPECT_TRUE(same(d / "a", d / "hard"));
    EXPECT_TRUE(same(d / "soft", d / "sub" / ".." / "a"));
    EXPECT_TRUE(same(d / "new", d / "sub" / ".." / "new"));
    EXPECT_FALSE(same(d / "new", d / "sub" / "new"));
    EXPECT_FALSE(same(d / "a", d / "new"));
}

} // namespace
