#pragma once
// A temporary folder that any user can reach, and a way to drop root's
// privileges for a while: file modes do not stop root, so tests of files
// that cannot be read or written run as nobody.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tessaro::testing {

class TempFolder {
public:
    TempFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "tessaro-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
        std::filesystem::permissions(path_, std::filesystem::perms::all);
    }
    ~TempFolder() {
        namespace fs = std::filesystem;
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

class AsUnprivileged {
public:
    AsUnprivileged() : wasRoot_(::geteuid() == 0) {
        if (wasRoot_) ok_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsUnprivileged() {
        if (wasRoot_ && ok_) (void)!(::seteuid(0) == 0 && ::setegid(0) == 0);
    }
    AsUnprivileged(const AsUnprivileged&) = delete;
    AsUnprivileged& operator=(const AsUnprivileged&) = delete;
    bool ok() const { return !wasRoot_ || ok_; }

private:
    bool wasRoot_;
    bool ok_ = false;
};

}  // namespace tessaro::testing
