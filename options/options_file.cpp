#include "options/options_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "options/file_error_text.h"

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

}  // namespace

FileResult LoadOptions(OptionsRecord& record, const std::filesystem::path& folder) {
    const auto path = folder / kOptionsFileName;
    // No folder is no place at all, never the current folder.
    if (folder.empty()) return Failure(path, ENOENT);
    bool missing = false;
    const int fd = OpenRecordFile(path, true, missing);
    if (fd < 0) return Failure(path, errno, missing);

    OptionsBytes bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return Failure(path, error);
        }
        if (n == 0) break;  // a short file: the rest stays zero
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    record = DecodeOptions(bytes);
    return {true, 0, path};
}

FileResult SaveOptions(const OptionsRecord& record, const std::filesystem::path& folder) {
    const auto path = folder / kOptionsFileName;
    if (folder.empty()) return Failure(path, ENOENT);
    bool missing = false;
    const int fd = OpenRecordFile(path, false, missing);
    if (fd < 0) return Failure(path, errno);

    const OptionsBytes bytes = EncodeOptions(record);
    std::size_t put = 0;
    while (put < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + put, bytes.size() - put, static_cast<off_t>(put));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            return Failure(path, error);
        }
        put += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) return Failure(path, errno);
    return {true, 0, path};
}

std::string OptionsFileMessage(const FileResult& result, bool saving) {
    // Permission to what: the file is not even there, and cannot be made.
    const std::string reason = result.missing
                                   ? "ファイルがありません。このフォルダには書き込めないため、作ることもできません。"
                                   : FileErrorReason(result.errorCode);
    std::string text = saving ? "オプションを保存できませんでした。" : "オプションを読み込めませんでした。";
    text += "\n";
    text += result.path.string();
    text += "\n";
    text += reason;
    if (saving) text += "\n設定はこの実行中だけ有効です。";
    else text += "\n今ある設定のまま続けます。";
    return text;
}

}  // namespace tessaro
