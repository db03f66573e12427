#include "records/records_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace tessaro {

namespace {

namespace fs = std::filesystem;

// How many "records-bad-<n>.txt" names are tried before giving up.
constexpr int kMaxSetAsideNames = 1000;

// mkstemp's six letters and digits after this.
constexpr std::size_t kTemporaryTail = 6;

bool IsAbsolute(const char* value) { return value != nullptr && value[0] == '/'; }

RecordsSave SaveFailed(int error) {
    RecordsSave failed;
    failed.ok = false;
    failed.errorCode = error;
    return failed;
}

// ".records.txt.": appended piece by piece, as GCC 12 at -O3 misreads
// "." + std::string as an overlapping copy (-Wrestrict).
std::string TemporaryPrefix() {
    std::string prefix = ".";
    prefix += kRecordsFileName;
    prefix += '.';
    return prefix;
}

bool IsTemporaryName(std::string_view name) {
    const std::string prefix = TemporaryPrefix();
    if (name.size() != prefix.size() + kTemporaryTail || !name.starts_with(prefix)) return false;
    for (const char c : name.substr(prefix.size()))
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// The exclusive lock on the lock file, held until destroyed. A folder the
// player cannot write may still hold the lock file from before; a lock on
// it read-only is as good. Without the file there is no lock, and nothing
// may be written. A file system that cannot lock at all saves as the game
// always did, but leaves the temporary files alone: they might be another
// copy's.
class RecordsLock {
public:
    explicit RecordsLock(const fs::path& folder) {
        const fs::path path = folder / kRecordsLockName;
        // O_NONBLOCK: a FIFO of that name must not hang the game.
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
        if (fd_ < 0) {
            error_ = errno;
            fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
            if (fd_ < 0) return;
        }
        // Another copy holds it for the few milliseconds of its save.
        int result = 0;
        while ((result = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
        }
        locked_ = result == 0;
    }
    ~RecordsLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    RecordsLock(const RecordsLock&) = delete;
    RecordsLock& operator=(const RecordsLock&) = delete;

    bool held() const { return fd_ >= 0; }
    bool locked() const { return locked_; }
    int error() const { return error_; }

private:
    int fd_ = -1;
    bool locked_ = false;
    int error_ = 0;
};

// Hidden temporary files that no save is writing: under the lock, every one
// of them was left by a save that was killed. A folder of that name stays.
void RemoveTemporaries(const fs::path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir))
        if (IsTemporaryName(entry->d_name)) (void)::unlinkat(::dirfd(dir), entry->d_name, 0);
    ::closedir(dir);
}

bool Unusable(const RecordsLoad& load) {
    return load.status == RecordsFileStatus::Corrupt || load.status == RecordsFileStatus::Unreadable;
}

// One way of giving the unusable file the name `aside`: a hard link, a
// second name, so that records.txt stays in place until the new file is
// renamed over it. Returns 0 when the file has the name (a save killed
// after linking may have given it already), EEXIST when another file has
// it, else errno.
int LinkAside(const fs::path& file, const struct stat& info, const fs::path& aside) {
    if (::link(file.c_str(), aside.c_str()) == 0) return 0;
    if (errno != EEXIST) return errno;
    struct stat other {};
    const bool same = ::lstat(aside.c_str(), &other) == 0 && other.st_dev == info.st_dev && other.st_ino == info.st_ino;
    return same ? 0 : EEXIST;
}

// The other way, for what cannot be linked: `aside` is claimed with an
// empty file or folder (a folder may replace an empty one), so that an
// older kept copy is never replaced, and the file is renamed onto it.
// records.txt is then missing until the new file takes the name.
int RenameAside(const fs::path& file, bool folder, const fs::path& aside) {
    const int made = folder ? ::mkdir(aside.c_str(), 0700)
                            : ::open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made < 0) return errno;
    if (!folder) ::close(made);
    if (::rename(file.c_str(), aside.c_str()) == 0) return 0;
    const int error = errno;
    if (folder) ::rmdir(aside.c_str());
    else ::unlink(aside.c_str());
    return error == EEXIST ? ENOTEMPTY : error;  // the name was ours: not a reason to try the next
}

// Gives the unusable file the first free name "records-bad-<n>.txt". A
// folder cannot be linked, and neither can a file on a file system without
// hard links (or one the kernel will not let the player link); those are
// renamed. A folder held no records, so nothing is lost in the moment
// without records.txt. Returns errno, or 0.
int SetAside(const fs::path& file, fs::path& aside) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;  // gone: nothing to keep
    const bool folder = S_ISDIR(info.st_mode);
    bool link = !folder;
    for (int n = 1; n <= kMaxSetAsideNames;) {
        const fs::path name = file.parent_path() / (file.stem().string() + "-bad-" + std::to_string(n) + ".txt");
        const int error = link ? LinkAside(file, info, name) : RenameAside(file, folder, name);
        if (error == 0) {
            aside = name;
            return 0;
        }
        if (link && (error == EPERM || error == EOPNOTSUPP || error == EMLINK)) {
            link = false;  // the same name once more, by renaming
            continue;
        }
        if (error == ENOENT) return 0;  // gone meanwhile: nothing left to keep
        if (error != EEXIST) return error;
        ++n;
    }
    return EEXIST;
}

void Step(const SaveStepHook& step, RecordsSaveStep done) {
    if (step) step(done);
}

}  // namespace

std::filesystem::path RecordsFolder(const EnvironmentLookup& getenv, std::string_view programName) {
    if (const char* data = getenv("XDG_DATA_HOME"); IsAbsolute(data)) return std::filesystem::path(data) / programName;
    if (const char* home = getenv("HOME"); IsAbsolute(home))
        return std::filesystem::path(home) / ".local" / "share" / programName;
    return {};
}

RecordsLoad LoadRecordsFile(const std::filesystem::path& file) {
    RecordsLoad load;
    // O_NONBLOCK: a FIFO of that name must not hang the game.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        load.status = errno == ENOENT ? RecordsFileStatus::Missing : RecordsFileStatus::Unreadable;
        load.errorCode = errno;
        // A socket cannot be opened at all; the reason is what it is.
        struct stat info {};
        if (errno == ENXIO && ::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) load.errorCode = EINVAL;
        return load;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        load.status = RecordsFileStatus::Unreadable;
        load.errorCode = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return load;
    }
    // One byte more than the reader accepts is enough to refuse the file.
    std::string text;
    char buffer[8192];
    while (text.size() <= kMaxRecordsTextSize) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            load.status = RecordsFileStatus::Unreadable;
            load.errorCode = errno;
            ::close(fd);
            return load;
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    load.parsed = ParseRecords(text);
    load.status = load.parsed.ok() ? RecordsFileStatus::Loaded : RecordsFileStatus::Corrupt;
    return load;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

RecordsSave SaveRecordsFile(const std::filesystem::path& folder, const std::vector<WonGame>& wins,
                            const FileWriter& write, const SaveStepHook& step) {
    if (folder.empty()) return SaveFailed(ENOENT);  // no place at all, never the current folder
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) return SaveFailed(made.value());
    const fs::path file = folder / kRecordsFileName;

    RecordsSave saved;
    auto fail = [&](int error) {
        saved.ok = false;
        saved.errorCode = error;
        return saved;
    };
    // Read and merge; the same with or without the lock.
    auto readAndMerge = [&] {
        saved.read = true;
        saved.found = LoadRecordsFile(file);
        if (saved.found.status == RecordsFileStatus::Loaded) saved.table = saved.found.parsed.table;
        bool changed = false;
        for (const WonGame& win : wins) changed = MergeWin(saved.table, win) || changed;
        return changed;
    };

    const RecordsLock lock(folder);
    if (!lock.held()) {
        // Nothing may be written without the lock; nothing need be when the
        // wins beat nothing in the file.
        return readAndMerge() ? fail(lock.error()) : saved;
    }
    Step(step, RecordsSaveStep::Locked);
    if (lock.locked()) RemoveTemporaries(folder);
    Step(step, RecordsSaveStep::TemporariesRemoved);
    const bool changed = readAndMerge();
    Step(step, RecordsSaveStep::Read);
    if (!changed) return saved;

    std::string temporary = (folder / TemporaryPrefix()).string();
    temporary.append(kTemporaryTail, 'X');
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return fail(errno);
    Step(step, RecordsSaveStep::Created);
    auto failRemoving = [&](int error) {
        ::unlink(temporary.c_str());
        return fail(error);
    };

    // The new text reaches the disk before it takes the old file's name.
    const bool whole = write(fd, FormatRecords(saved.table)) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 && whole) return failRemoving(errno);
    if (!whole) return failRemoving(writeError);
    Step(step, RecordsSaveStep::Written);

    if (Unusable(saved.found)) {
        if (const int error = SetAside(file, saved.setAside); error != 0) return failRemoving(error);
        Step(step, RecordsSaveStep::SetAside);
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) return failRemoving(errno);
    saved.written = true;
    Step(step, RecordsSaveStep::Replaced);

    // The rename itself reaches the disk with the folder; the new file is
    // in place either way, so a failure here changes nothing for the player.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return saved;
}

}  // namespace tessaro
