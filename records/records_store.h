#pragma once
// The player's records for one run of the game: read from the file when
// first needed, changed by won games, saved whenever a game beats a best.
// Whatever goes wrong with the file is told to the player once, and the
// records of this run are kept in memory meanwhile.

#include <filesystem>
#include <string>

#include "records/records_file.h"
#include "records/records_table.h"

namespace tessaro {

class RecordsStore {
public:
    // An empty folder means there is no place for the file: the records
    // then last for this run only.
    explicit RecordsStore(std::filesystem::path folder, FileWriter write = WriteAll);

    // The records; the first call reads the file.
    const RecordsTable& Table();

    // Enters a won game and saves the table when it changed, or when an
    // earlier save failed.
    void AddWin(const WonGame& game);

    // A message for the player that has not been shown yet, in Japanese;
    // empty when there is none. Each problem is told once: the file that
    // cannot be read when it is first read, and a failed save when a save
    // fails after the last one that worked.
    std::string TakeMessage();

    // One line on the state of the file, for the records window.
    std::string StatusLine() const;

    std::filesystem::path File() const;

private:
    void Save();

    std::filesystem::path folder_;
    FileWriter write_;
    RecordsTable table_;
    bool loaded_ = false;
    bool setAside_ = false;  // the file on disk could not be used: keep it under another name at the first save
    bool unsaved_ = false;   // the last save failed, so the file is older than the table
    std::string message_;
};

}  // namespace tessaro
