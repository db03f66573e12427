#include "ui/options_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "options/options_file.h"
#include "ui/app_info.h"
#include "ui/file_names.h"

namespace tessaro {

InstallFolders BuiltInstallFolders() { return {app::kInstalledProgramFolder, app::kInstalledDataFolder}; }

bool IsInstalled(const std::filesystem::path& programFolder, const InstallFolders& install) {
    std::error_code error;
    return std::filesystem::equivalent(programFolder, install.program, error) && !error;
}

std::filesystem::path ClickSoundFolder(const std::filesystem::path& programFolder, bool installed,
                                       const InstallFolders& install) {
    return installed ? install.data : programFolder;
}

OptionsFolderSystem RealOptionsFolderSystem() {
    OptionsFolderSystem system;
    system.exists = [](const std::filesystem::path& path) {
        std::error_code error;
        return std::filesystem::exists(path, error);
    };
    // The effective user, since that is who opens the file.
    system.canWrite = [](const std::filesystem::path& path) {
        return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
    };
    system.userConfigFolder = [] { return UserConfigFolder(std::getenv, app::kTitle); };
    system.makeFolder = [](const std::filesystem::path& path) {
        std::error_code error;
        std::filesystem::create_directories(path, error);
        return std::filesystem::is_directory(path, error);
    };
    return system;
}

std::filesystem::path OptionsFolder(const std::filesystem::path& programFolder, bool installed,
                                    const OptionsFolderSystem& system) {
    const std::filesystem::path file = programFolder / kOptionsFileName;
    if (!installed && system.canWrite(programFolder) && (!system.exists(file) || system.canWrite(file)))
        return programFolder;

    // Without an absolute home there is no per-user folder. An installed game
    // then has no place for its options at all (its own folder is a system
    // folder, also for root), so it keeps them in memory and says so.
    const std::filesystem::path user = system.userConfigFolder();
    if (user.empty()) return installed ? std::filesystem::path() : programFolder;
    if (!system.makeFolder(user) && !installed) return programFolder;
    return user;
}

}  // namespace tessaro
