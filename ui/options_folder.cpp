#include "ui/options_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <system_error>

#include "options/options_file.h"
#include "ui/app_info.h"

namespace tessaro {

InstallFolders BuiltInstallFolders() { return {app::kInstalledProgramFolder, app::kInstalledDataFolder}; }

bool IsInstalled(const std::filesystem::path& programFolder, const InstallFolders& install) {
    std::error_code error;
    return std::filesystem::equivalent(programFolder, install.program, error) && !error;
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
    system.userConfigFolder = [] {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        return std::filesystem::path(QFile::encodeName(folder).toStdString());
    };
    system.makeFolder = [](const std::filesystem::path& path) {
        return QDir().mkpath(QFile::decodeName(path.c_str()));
    };
    return system;
}

std::filesystem::path OptionsFolder(const std::filesystem::path& programFolder, bool installed,
                                    const OptionsFolderSystem& system) {
    const std::filesystem::path file = programFolder / kOptionsFileName;
    if (!installed && system.canWrite(programFolder) && (!system.exists(file) || system.canWrite(file)))
        return programFolder;

    // Qt always names a per-user folder on Unix (from $HOME, or / without it).
    const std::filesystem::path user = system.userConfigFolder();
    if (user.empty()) return programFolder;
    if (!system.makeFolder(user) && !installed) return programFolder;
    return user;
}

}  // namespace tessaro
