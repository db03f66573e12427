#include "records/records_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace tessaro {

namespace {

// How many "records-bad-<n>.txt" names are tried before giving up.
constexpr int kMaxSetAsideNames = 1000;

bool IsAbsolute(const char* value) { return value != nullptr && value[0] == '/'; }

RecordsSave SaveFailed(int error) { return {false, error, {}}; }

// Moves the file to the first free "records-bad-<n>.txt". The name is
// claimed by creating it exclusively, so that an older kept copy is never
// replaced; the rename then puts the file in its place.
RecordsSave SetAside(const std::filesystem::path& file) {
    for (int n = 1; n <= kMaxSetAsideNames; ++n) {
        const auto aside = file.parent_path() / (file.stem().string() + "-bad-" + std::to_string(n) + ".txt");
        const int fd = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return SaveFailed(errno);
        ::close(fd);
        if (::rename(file.c_str(), aside.c_str()) == 0) return {true, 0, aside};
        const int error = errno;
        ::unlink(aside.c_str());
        if (error == ENOENT) return {};  // gone meanwhile: nothing left to keep
        return SaveFailed(error);
    }
    return SaveFailed(EEXIST);
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

RecordsSave SaveRecordsFile(const std::filesystem::path& folder, const RecordsTable& table, bool setAsideOld,
                            const FileWriter& write) {
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) return SaveFailed(made.value());

    const std::filesystem::path file = folder / kRecordsFileName;
    // Appended piece by piece: GCC 12 at -O3 misreads "." + std::string as
    // an overlapping copy (-Wrestrict).
    std::string hidden = ".";
    hidden += kRecordsFileName;
    hidden += ".XXXXXX";
    std::string temporary = (folder / hidden).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return SaveFailed(errno);
    auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        return SaveFailed(error);
    };

    // The new text reaches the disk before it takes the old file's name.
    const bool written = write(fd, FormatRecords(table)) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 && written) return fail(errno);
    if (!written) return fail(writeError);

    RecordsSave saved;
    if (setAsideOld) {
        saved = SetAside(file);
        if (!saved.ok) return fail(saved.errorCode);
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) return fail(errno);

    // The rename itself reaches the disk with the folder; the new file is
    // in place either way, so a failure here changes nothing for the player.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return saved;
}

}  // namespace tessaro
