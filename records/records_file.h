#pragma once
// The records file "records.txt" in the player's data folder: where that
// folder is, reading the file, and saving it so that a failed save or a
// crash while saving leaves the previous file whole.

#include <filesystem>
#include <functional>
#include <string_view>

#include "records/records_table.h"
#include "records/records_text.h"

namespace tessaro {

inline constexpr char kRecordsFileName[] = "records.txt";

// Looks up an environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// $XDG_DATA_HOME/<program> when that variable holds an absolute path, else
// $HOME/.local/share/<program> when HOME does; empty when neither does.
// Relative paths are ignored, as the XDG base-directory rules say.
std::filesystem::path RecordsFolder(const EnvironmentLookup& getenv, std::string_view programName);

enum class RecordsFileStatus { Missing, Loaded, Unreadable, Corrupt };

struct RecordsLoad {
    RecordsFileStatus status = RecordsFileStatus::Missing;
    ParsedRecords parsed;  // the table when Loaded, the reason when Corrupt
    int errorCode = 0;     // errno when Unreadable
};

RecordsLoad LoadRecordsFile(const std::filesystem::path& file);

// Puts bytes into an open file, returning false with errno set on failure.
// Replaceable so that tests can make a save fail, or crash, halfway.
using FileWriter = std::function<bool(int fd, std::string_view bytes)>;
bool WriteAll(int fd, std::string_view bytes);

struct RecordsSave {
    bool ok = true;
    int errorCode = 0;               // errno of the failed step
    std::filesystem::path setAside;  // where the previous file went, when it was set aside
};

// Writes the table to a new file beside the old one, flushes it to the disk
// and renames it over the old file. With `setAsideOld`, a previous file
// that could not be read is first renamed to a free "records-bad-<n>.txt",
// so that nothing the player might still recover is overwritten. On
// failure nothing but a stray temporary file can change, and that is
// removed too.
RecordsSave SaveRecordsFile(const std::filesystem::path& folder, const RecordsTable& table, bool setAsideOld,
                            const FileWriter& write = WriteAll);

}  // namespace tessaro
