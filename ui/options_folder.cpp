#include "ui/options_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "options/options_file.h"
#include "ui/app_info.h"
#include "ui/file_names.h"

namespace tessaro {

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

std::filesystem::path OptionsFolder(const std::filesystem::path& programFolder, const OptionsFolderSystem& system) {
    const std::filesystem::path file = programFolder / kOptionsFileName;
    if (system.canWrite(programFolder) && (!system.exists(file) || system.canWrite(file))) return programFolder;

    const std::filesystem::path user = system.userConfigFolder();
    if (user.empty() || !system.makeFolder(user)) return programFolder;
    return user;
}

}  // namespace tessaro
