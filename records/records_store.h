#pragma once
// The player's records as this copy of the game sees them: the file, read
// again whenever they are looked at, together with this run's wins that
// have not reached it yet. Other copies of the game may save into the same
// file at any time; a win is merged into what the file holds at that
// moment, so no copy's records are lost. Whatever goes wrong with the file
// is told to the player once, and a win that could not be saved is kept
// and saved with the next one.

#include <filesystem>
#include <string>
#include <vector>

#include "records/records_file.h"
#include "records/records_table.h"

namespace tessaro {

class RecordsStore {
public:
    // An empty folder means there is no place for the file: the records
    // then last for this run only.
    explicit RecordsStore(std::filesystem::path folder, FileWriter write = WriteAll, SaveStepHook step = {});

    // The records: the file as it is now (read at every call, so that a
    // file another copy saved, or one the player put back, shows at once)
    // with the wins not saved yet merged in.
    const RecordsTable& Table();

    // Enters a won game into the file, with every earlier win that could
    // not be saved. Nothing is written when they beat nothing there.
    void AddWin(const WonGame& game);

    // A message for the player that has not been shown yet, in Japanese;
    // empty when there is none. Each problem is told once: a file that
    // cannot be used when it is found so (until it can be read again), and
    // a failed save when a save fails after the last one that worked.
    std::string TakeMessage();

    // One line on the state of the file, for the records window.
    std::string StatusLine() const;

    std::filesystem::path File() const;

private:
    void Tell(const std::string& text);
    void TellNoPlace();
    // Takes note of the file as it was just read; `setAside` is where a save
    // kept it when it could not be used.
    void Found(const RecordsLoad& load, const std::filesystem::path& setAside);

    std::filesystem::path folder_;
    FileWriter write_;
    SaveStepHook step_;
    RecordsTable table_;            // what Table() last showed, with the later wins
    std::vector<WonGame> pending_;  // this run's wins since the last save that worked
    bool noPlaceTold_ = false;
    bool fileBad_ = false;  // the file as last read could not be used, and the player has been told
    bool unsaved_ = false;  // the last save failed, so the file lacks some of this run's wins
    std::string message_;
};

}  // namespace tessaro
