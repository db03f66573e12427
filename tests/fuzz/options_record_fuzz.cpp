// Any contents at all, of any length, as the options file: a regular file
// always loads, as its first ten bytes with the missing ones zero; a save
// writes exactly ten bytes at its start and leaves everything after them.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "options/options_file.h"
#include "options/options_record.h"

using namespace tessaro;
using fuzz::Check;
namespace fs = std::filesystem;

namespace {

// One folder for the whole run, under TMPDIR (run.sh gives each run its own).
const fs::path& Folder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "tessaro-options-XXXXXX").string();
        Check(::mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(Folder(), ignored);
        });
        return fs::path(pattern);
    }();
    return folder;
}

void WriteAll(const fs::path& file, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    Check(fd >= 0, "the test file can be written");
    Check(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), "the test file is written");
    ::close(fd);
}

std::vector<std::uint8_t> ReadAll(const fs::path& file) {
    std::vector<std::uint8_t> bytes(fs::file_size(file));
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    Check(fd >= 0, "the test file can be read");
    Check(::read(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), "the test file is read");
    ::close(fd);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    const fs::path file = Folder() / kOptionsFileName;
    WriteAll(file, input);

    OptionsBytes head{};
    std::copy_n(input.begin(), std::min(size, head.size()), head.begin());
    const OptionsRecord decoded = DecodeOptions(input);
    Check(EncodeOptions(decoded) == head, "a record is its first ten bytes, zero where missing");

    OptionsRecord loaded{7, 7, 7};  // whatever the game held before
    Check(LoadOptions(loaded, Folder()).ok, "a regular file loads");
    Check(loaded == decoded, "loading reads the record as decoding does");

    // Different from the loaded record in every byte, so that a save that
    // skipped any byte would show.
    const OptionsRecord changed{~loaded.OptBlockN, ~loaded.Difficulty, static_cast<std::int16_t>(~loaded.ShowShuffle)};
    Check(SaveOptions(changed, Folder()).ok, "a regular file saves");
    const std::vector<std::uint8_t> saved = ReadAll(file);
    const OptionsBytes record = EncodeOptions(changed);
    Check(saved.size() == std::max(size, kOptionsRecordSize),
          "a save neither cuts the file nor pads it past ten bytes");
    Check(std::equal(record.begin(), record.end(), saved.begin()), "the save writes the record at the start");
    Check(size <= kOptionsRecordSize ||
              std::equal(input.begin() + kOptionsRecordSize, input.end(), saved.begin() + kOptionsRecordSize),
          "the bytes past the tenth stay as they were");

    OptionsRecord reloaded;
    Check(LoadOptions(reloaded, Folder()).ok && reloaded == changed, "a saved record loads back unchanged");
    return 0;
}
