#include "util/atomicfile.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// How a write of "new" ended: "written", the refusal, or the system's error.
std::string outcome(const fs::path &target)
{
    try {
        writeFileAtomically(target, "new");
        return "written";
    } catch (const FileWriteError &e) {
        const char *refusals[] = {
                "", "not regular", "open file link", "standard stream", "read-only"};
        return e.refusal() == FileRefusal::None ? std::strerror(e.errorCode())
                                                : refusals[int(e.refusal())];
    }
}

mode_t modeOf(const fs::path &file)
{
    struct stat st
    { };
    ::stat(file.c_str(), &st);
    return st.st_mode & 07777;
}

// Refused targets are left as they are and nothing is left beside them; a
// test makes its FIFO, socket and device node in its own folder.
TEST(SafeReplacement, OnlyRegularFilesAreReplacedAndRefusalsTouchNothing)
{
    TempFolder folder;
    const fs::path d = folder.path();
    ASSERT_EQ(::mkfifo((d / "fifo").c_str(), 0644), 0);
    sockaddr_un address {AF_UNIX, {}};
    (d / "socket").string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::mknod((d / "device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
    }
    fs::create_directory(d / "folder");
    fs::create_symlink(d / "missing" / "out.json", d / "dangling");
    writeBytes(d / "open.txt", "old");
    const int open = ::open((d / "open.txt").c_str(), O_RDONLY);
    fs::create_symlink("/proc/self/fd/" + std::to_string(open), d / "fd-link");
    writeBytes(d / "ro.txt", "old");
    fs::permissions(d / "ro.txt", fs::perms::owner_read);
    std::vector<std::pair<const char *, const char *>> cases = {{"fifo", "not regular"},
            {"socket", "not regular"}, {"folder", "Is a directory"}, {"folder/", "Is a directory"},
            {"dangling", "No such file or directory"}, {"fd-link", "open file link"},
            {"ro.txt", "read-only"}};
    if (root)
        cases.push_back({"device", "not regular"});
    else
        std::puts("not root: no device node made; the FIFO and the socket stand in");
    for (const auto &[name, expected] : cases)
        EXPECT_EQ(outcome(d / name), expected) << name;
    ::close(socket);
    ::close(open);
    EXPECT_EQ(readBytes(d / "open.txt"), "old");
    EXPECT_EQ(readBytes(d / "ro.txt"), "old");
    EXPECT_TRUE(fs::is_fifo(d / "fifo") && fs::is_socket(d / "socket"));
    EXPECT_FALSE(fs::exists(d / "missing"));
    EXPECT_EQ(std::distance(fs::directory_iterator(d), {}), root ? 8 : 7) << "a file left behind";
}

// The file the process writes its output to must not be replaced under it,
// whatever name leads there; standard input stands in for standard output,
// which the test runner reads.
TEST(SafeReplacement, RefusesTheFileThatIsAStandardStream)
{
    TempFolder folder;
    const fs::path file = folder.path() / "stream.txt";
    writeBytes(file, "old");
    fs::create_symlink(file, folder.path() / "alias");
    const int saved = ::dup(0);
    const int fd = ::open(file.c_str(), O_RDONLY);
    ::dup2(fd, 0);
    const std::string outcomes = outcome(file) + ", " + outcome(folder.path() / "alias");
    ::dup2(saved, 0);
    ::close(saved);
    ::close(fd);
    EXPECT_EQ(outcomes, "standard stream, standard stream");
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
    EXPECT_EQ(modeOf(d / "real" / "b.txt"), 0640u);
    ::chmod((d / "real" / "b.txt").c_str(), 0754);
    EXPECT_EQ(outcome(d / "real" / "b.txt"), "written");
    EXPECT_EQ(modeOf(d / "real" / "b.txt"), 0754u);
    EXPECT_EQ(std::distance(fs::directory_iterator(d / "real"), {}), 2);

    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((d / "real" / "a.txt").c_str(), 65534, 65534), 0);
        EXPECT_EQ(outcome(d / "real" / "a.txt"), "written");
        struct stat st
        { };
        ::stat((d / "real" / "a.txt").c_str(), &st);
        EXPECT_EQ(st.st_uid + st.st_gid, 2 * 65534u);
    }
}

} // namespace
