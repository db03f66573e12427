#pragma once
// "GameOpt.dat": one 10-byte record at offset 0, no header. Each call opens
// the file, moves the one record under an advisory lock on the file and
// closes it again; any number of copies of the game may share it.

#include <filesystem>
#include <string>

#include "options/options_record.h"

namespace tessaro {

inline constexpr char kOptionsFileName[] = "GameOpt.dat";

struct FileResult {
    bool ok = true;
    int errorCode = 0;           // errno of the failed step
    std::filesystem::path path;  // the file that was tried
    bool missing = false;        // the file is not there and the folder would not let it be made
    bool told = false;           // the same failure as the last load's, which the player has been told
};

// Replaces `record` with record 1 of the file in `folder`. A missing file is
// created empty and loads as all zero; a file of fewer than 10 bytes loads
// with the missing bytes as zero; bytes past the tenth are ignored. A file
// that can be read but not written still loads. On failure `record` keeps
// what it held, so the game goes on with the values it has.
FileResult LoadOptions(OptionsRecord& record, const std::filesystem::path& folder);

// Sets the fields of `change` in the record of the file in `folder`,
// creating it when missing: the record is read, changed and written back
// (bytes 0 to 9; a longer file keeps its tail, a shorter one is made ten
// bytes long) under an advisory lock, so that the fields it does not set
// keep what the file holds, even when another copy of the game saved them
// a moment ago. On success `record` becomes the changed record of the
// file; on failure it is left alone and the file's bytes stay as they were.
FileResult ChangeOptions(OptionsRecord& record, const OptionsChange& change, const std::filesystem::path& folder);

// Writes every field of `record`, as ChangeOptions does.
FileResult SaveOptions(const OptionsRecord& record, const std::filesystem::path& folder);

// A message for the player, in the game's language, naming the file and the
// reason. `saving` picks between the save and the load wording.
std::string OptionsFileMessage(const FileResult& result, bool saving);

}  // namespace tessaro
