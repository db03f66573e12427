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
    // and kept in memory over the file's other fields if that fails too, so
    // a player never loses them to an older file. A failure just like the
    // last load's comes back marked `told`: the player hears of it once,
    // not at every Start.
    FileResult Load();

    // Sets the fields of the change in the file, on top of what it holds
    // now (another copy of the game may have saved since this one loaded),
    // and the record becomes what the file then holds. On failure the
    // change is made in memory and kept for later loads.
    FileResult Change(const OptionsChange& change);

    // Writes every field of the record, as Change does.
    FileResult Save() { return Change(WholeRecord(record_)); }

private:
    std::filesystem::path folder_;
    OptionsRecord record_;
    OptionsChange unsaved_;  // fields set since the last save that worked
    FileResult lastLoad_;
};

}  // namespace tessaro
