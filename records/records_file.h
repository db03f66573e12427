#pragma once
// The records file "records.txt" in the player's data folder: where that
// folder is, reading the file, and saving into it so that any number of
// copies of the game can share it, and a failed save or a crash at any
// moment of a save leaves a whole file behind.

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "records/records_table.h"
#include "records/records_text.h"

namespace tessaro {

inline constexpr char kRecordsFileName[] = "records.txt";
// Beside the records: every save holds an advisory lock on it from reading
// the file to replacing it, so that two copies of the game never save at
// once. It is never removed, since a lock file taken away while another
// copy waits for it would let two of them in.
inline constexpr char kRecordsLockName[] = ".records.lock";

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
    // errno when Unreadable: EISDIR for a folder of that name, EINVAL for
    // anything else that is not a regular file.
    int errorCode = 0;
};

RecordsLoad LoadRecordsFile(const std::filesystem::path& file);

// Puts bytes into an open file, returning false with errno set on failure.
// Replaceable so that tests can make a save fail, or crash, halfway.
using FileWriter = std::function<bool(int fd, std::string_view bytes)>;
bool WriteAll(int fd, std::string_view bytes);

// The steps of a save that writes, in order. A test sees each one done
// through the hook, and may end the process there.
enum class RecordsSaveStep {
    Locked,              // the lock is held
    TemporariesRemoved,  // what killed saves left behind is gone
    Read,                // the file is read and the wins merged in
    Created,             // the new file exists, empty, under a hidden name
    Written,             // ... and holds the whole text, on the disk
    SetAside,            // an unusable old file has a second name
    Replaced,            // the new file has the name records.txt
};
using SaveStepHook = std::function<void(RecordsSaveStep)>;

struct RecordsSave {
    bool ok = true;
    int errorCode = 0;  // errno of the failed step
    bool read = false;  // the file was read: `found` tells how it was
    RecordsLoad found;
    // The file's table (empty unless it was Loaded) with the wins merged in:
    // what the file holds now when the save worked.
    RecordsTable table;
    bool written = false;            // a new file replaced the old one
    std::filesystem::path setAside;  // the second name the unusable old file kept
};

// Enters the wins into the records file in `folder`, made when missing.
// Under the lock the file is read again, the wins are merged into what it
// holds (the lower time and the lower clicks of each entry, each kept; the
// latest win that changed an entry marks it), and only when that changed
// anything is a new file written beside it, flushed to the disk and renamed
// over it. A file that cannot be used, as read under the lock, is first
// given a free name "records-bad-<n>.txt" as well, so that nothing the
// player might still recover is lost and records.txt is never missing.
// Hidden temporary files of saves that were killed are removed under the
// lock. On failure nothing changes but, at worst, a second name of an
// unusable file. Without the lock (a folder that cannot be written) the
// file is only read: wins that change nothing need no lock.
RecordsSave SaveRecordsFile(const std::filesystem::path& folder, const std::vector<WonGame>& wins,
                            const FileWriter& write = WriteAll, const SaveStepHook& step = {});

}  // namespace tessaro
