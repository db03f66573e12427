#pragma once
// The program's one options record together with the folder of its file.
// Every load and save of the game goes through here.

#include <filesystem>

#include "options/options_file.h"
#include "options/options_record.h"

namespace tessaro {

class OptionsStore {
public:
    explicit OptionsStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    OptionsRecord& Record() { return record_; }
    const OptionsRecord& Record() const { return record_; }
    const std::filesystem::path& Folder() const { return folder_; }

    // Reads the file into the record. When an earlier save failed, the
    // record holds choices newer than the file: they are saved again first,
    // and kept in memory if that fails too, so a player never loses them
    // to an older file. A failure just like the last load's comes back
    // marked `told`: the player hears of it once, not at every Start.
    FileResult Load();

    // Writes the record; on failure it is kept in memory for later loads.
    FileResult Save();

private:
    std::filesystem::path folder_;
    OptionsRecord record_;
    bool unsaved_ = false;
    FileResult lastLoad_;
};

}  // namespace tessaro
