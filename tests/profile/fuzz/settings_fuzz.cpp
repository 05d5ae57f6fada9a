// libFuzzer harness: every input is a settings file; the invariant checks
// run reads and writes on it. A broken rule aborts, so that the fuzzer keeps
// the input as a crash.

#include "settingsinvariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

// One folder for the whole run, on a memory file system when there is one:
// every check rewrites the file several times, and each rewrite syncs it.
const std::filesystem::path &folder()
{
    static const std::filesystem::path path = [] {
        const char *base = std::getenv("LOOPWRIGHT_FUZZ_DIR");
        std::string pattern = base != nullptr ? base
                : std::filesystem::is_directory("/dev/shm")
                ? "/dev/shm"
                : std::filesystem::temp_directory_path().string();
        pattern += "/loopwright-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        return std::filesystem::path(pattern);
    }();
    // Registered once the path exists, so that it runs before the path goes.
    static const bool cleanup = std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }) == 0;
    (void)cleanup;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::string problem = checkSettingsInvariants(bytes, folder());
    if (!problem.empty()) {
        std::fprintf(stderr, "settings invariant broken: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
