#include "options/options_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "options/file_error_text.h"
#include "options/marked_text.h"
#include "options/options_messages.h"

namespace tessaro {

namespace {

constexpr int kOpenFlags = O_CLOEXEC | O_NONBLOCK;  // a FIFO of that name must not hang the game

// Opens the file for reading and writing, created when missing; falls back to
// reading only when `allowReadOnly` is set. Returns -1 with errno set, and
// `missing` set when the file is not there and could not be made.
int OpenRecordFile(const std::filesystem::path& path, bool allowReadOnly, bool& missing) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | kOpenFlags, 0666);
    if (fd < 0 && allowReadOnly && errno != ENOENT && errno != ENOTDIR) {
        const int firstError = errno;
        fd = ::open(path.c_str(), O_RDONLY | kOpenFlags);
        missing = fd < 0 && errno == ENOENT;
        if (missing) errno = firstError;  // the file is missing because it could not be made
    }
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

FileResult Failure(const std::filesystem::path& path, int error, bool missing = false) {
    return {false, error, path, missing, false};
}

// An advisory lock on the open file, so that two copies of the game never
// read and write the record at once; released when the file is closed. A
// file system that cannot lock goes on without it, as the game did before.
void Lock(int fd, int how) {
    while (::flock(fd, how) != 0 && errno == EINTR) {
    }
}

// Reads bytes 0 to 9; a short file leaves the rest zero. Returns 0 or errno.
int ReadRecord(int fd, OptionsBytes& bytes) {
    bytes = {};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return 0;
}

// Writes bytes 0 to 9 and nothing else. Returns 0 or errno.
int WriteRecord(int fd, const OptionsBytes& bytes) {
    std::size_t put = 0;
    while (put < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + put, bytes.size() - put, static_cast<off_t>(put));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        put += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

FileResult LoadOptions(OptionsRecord& record, const std::filesystem::path& folder) {
    const auto path = folder / kOptionsFileName;
    // No folder is no place at all, never the current folder.
    if (folder.empty()) return Failure(path, ENOENT);
    bool missing = false;
    const int fd = OpenRecordFile(path, true, missing);
    if (fd < 0) return Failure(path, errno, missing);
    Lock(fd, LOCK_SH);  // never half of another copy's write
    OptionsBytes bytes{};
    const int error = ReadRecord(fd, bytes);
    ::close(fd);
    if (error != 0) return Failure(path, error);
    record = DecodeOptions(bytes);
    return {true, 0, path};
}

FileResult ChangeOptions(OptionsRecord& record, const OptionsChange& change, const std::filesystem::path& folder) {
    const auto path = folder / kOptionsFileName;
    if (folder.empty()) return Failure(path, ENOENT);
    bool missing = false;
    const int fd = OpenRecordFile(path, false, missing);
    if (fd < 0) return Failure(path, errno);

    // Read, change and write back under one lock: what another copy saved
    // a moment ago stays, field by field.
    Lock(fd, LOCK_EX);
    OptionsBytes bytes{};
    int error = ReadRecord(fd, bytes);
    OptionsRecord changed = DecodeOptions(bytes);
    change.ApplyTo(changed);
    if (error == 0) error = WriteRecord(fd, EncodeOptions(changed));
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return Failure(path, error);
    record = changed;
    return {true, 0, path};
}

FileResult SaveOptions(const OptionsRecord& record, const std::filesystem::path& folder) {
    OptionsRecord saved = record;
    return ChangeOptions(saved, WholeRecord(record), folder);
}

std::string OptionsFileMessage(const FileResult& result, bool saving) {
    // Permission to what: the file is not even there, and cannot be made.
    const std::string reason =
        result.missing ? TESSARO_TEXT("options_file",
                                      "ファイルがありません。このフォルダには書き込めないため、作ることもできません。")
                       : FileErrorReason(result.errorCode);
    return saving ? OptionsSaveMessage(result.path.string(), reason) : OptionsLoadMessage(result.path.string(), reason);
}

}  // namespace tessaro
