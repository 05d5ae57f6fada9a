#include "profile/settingslocation.h"

#include "profile/settingsfile.h"

namespace fs = std::filesystem;

bool installedProgramFolder(const fs::path &programFolder)
{
    fs::path folder = programFolder.lexically_normal();
    if (folder.has_parent_path() && folder.filename().empty())
        folder = folder.parent_path();
    // The package manager's folders, which root may write but which no
    // program's settings belong in: apt would leave them behind on removal.
    for (const char *system : {"/bin", "/usr/bin", "/usr/local/bin", "/usr/games"}) {
        if (folder == system)
            return true;
    }
    std::error_code error;
    return folder.filename() == "bin"
            && fs::is_directory(folder.parent_path() / "share" / "loopwright", error);
}

fs::path chooseSettingsFile(const fs::path &programFolder, const fs::path &userFolder)
{
    const fs::path beside = programFolder / "config.ini";
    if (userFolder.empty())
        return beside;
    std::error_code error;
    const bool installed = installedProgramFolder(programFolder);
    if (!installed
            && (fs::exists(fs::symlink_status(beside, error)) || permitsWriting(programFolder))) {
        return beside;
    }
    // A folder that cannot be made shows at the first save, as "Unable to
    // write to" the file in it.
    fs::create_directories(userFolder, error);
    const fs::path own = userFolder / "config.ini";
    // An installed copy whose folder was writable (an install into ~/.local)
    // used to keep its settings beside itself: they come along once, and the
    // old file is left as it was.
    if (installed && !fs::exists(fs::symlink_status(own, error))
            && fs::is_regular_file(beside, error)) {
        fs::copy_file(beside, own, error);
    }
    return own;
}
