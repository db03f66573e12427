#include "ui/file_names.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <system_error>

namespace tessaro {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

std::filesystem::path UserConfigFolder(const std::function<const char*(const char*)>& environment,
                                       const std::string& name) {
    const auto absolute = [&](const char* variable) {
        const char* value = environment(variable);
        const std::filesystem::path path = value != nullptr ? value : "";
        return path.is_absolute() ? path : std::filesystem::path();
    };
    if (const auto config = absolute("XDG_CONFIG_HOME"); !config.empty()) return config / name;
    if (const auto home = absolute("HOME"); !home.empty()) return home / ".config" / name;
    return {};
}

OpenableName::OpenableName(const std::filesystem::path& path) {
    const QString text = QFile::decodeName(path.c_str());
    if (QFile::encodeName(text) == QByteArray(path.c_str())) {
        name_ = text;
        return;
    }
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ >= 0) name_ = QStringLiteral("/proc/self/fd/%1").arg(fd_);
}

OpenableName::~OpenableName() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace tessaro
