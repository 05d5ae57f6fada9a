#include "profile/settingslocation.h"

#include "profile/settingsfile.h"

namespace fs = std::filesystem;

fs::path chooseSettingsFile(const fs::path &programFolder, const fs::path &userFolder)
{
    const fs::path beside = programFolder / "config.ini";
    std::error_code error;
    if (userFolder.empty() || fs::exists(fs::symlink_status(beside, error))
            || permitsWriting(programFolder)) {
        return beside;
    }
    // A folder that cannot be made shows at the first save, as "Unable to
    // write to" the file in it.
    fs::create_directories(userFolder, error);
    return userFolder / "config.ini";
}
