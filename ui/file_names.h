#pragma once
// File names by their bytes. Qt keeps file names as text; a name that is not
// valid in the locale's encoding (a folder "café" written in Latin-1 on a
// UTF-8 system) loses bytes on the way, and the file is then not found. The
// program's own folder and its files are therefore found and opened by bytes.

#include <QString>
#include <filesystem>
#include <functional>

namespace tessaro {

// The folder that holds the running program, from /proc/self/exe; empty when
// that cannot be read.
std::filesystem::path ProgramFolder();

// The player's configuration folder for this program: $XDG_CONFIG_HOME/<name>
// when that is an absolute path (a relative one is ignored, as the XDG rules
// say), else $HOME/.config/<name> when HOME is absolute; empty when neither.
std::filesystem::path UserConfigFolder(const std::function<const char*(const char*)>& environment,
                                       const std::string& name);

// A name that Qt can open for the file at `path`. A name that survives the
// trip to text is that name; any other file is opened here and named by its
// descriptor (/proc/self/fd/N), which stays open as long as this object.
class OpenableName {
public:
    explicit OpenableName(const std::filesystem::path& path);
    ~OpenableName();
    OpenableName(const OpenableName&) = delete;
    OpenableName& operator=(const OpenableName&) = delete;

    // Empty when the file cannot be opened.
    const QString& Name() const { return name_; }

private:
    int fd_ = -1;
    QString name_;
};

}  // namespace tessaro
