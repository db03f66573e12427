#pragma once
// The records file's text. A header line names the format and its version;
// then one line per entry, four whole numbers in decimal separated by single
// spaces: block count, shuffle moves, best seconds, fewest clicks. The entry
// the list marks carries the word "last" as a fifth field. Every line ends
// in a newline, so a file cut short is told apart from a whole one:
//
//     Tessaro records 1
//     3 10 83 41
//     3 40 620 215 last
//
// The reading is strict (no signs, leading zeros, extra blanks, comments or
// empty lines; every number in its range; no entry twice), so that anything
// but a file the game wrote, or one edited with care, is reported rather
// than half read.

#include <cstddef>
#include <string>
#include <string_view>

#include "records/records_table.h"

namespace tessaro {

inline constexpr std::string_view kRecordsFormatName = "Tessaro records";
inline constexpr std::int32_t kRecordsFormatVersion = 1;
// Far more than every block count times every number of shuffle moves; a
// larger file is not one the game wrote, and is not read into memory.
inline constexpr std::size_t kMaxRecordsTextSize = std::size_t{8} << 20;

enum class RecordsTextError {
    None,
    NotRecords,      // the first line is not the header
    NewerVersion,    // written by a later version of the game
    Unfinished,      // the last line has no newline: cut short
    BadLine,         // a line that is not an entry, or a second mark
    DuplicateEntry,  // the same block count and shuffle moves twice
    TooLarge,
};

struct ParsedRecords {
    RecordsTable table;
    RecordsTextError error = RecordsTextError::None;
    int line = 0;  // the line of a BadLine or DuplicateEntry, from 1
    bool ok() const { return error == RecordsTextError::None; }
};

// Never throws on any text; on an error the table is empty.
ParsedRecords ParseRecords(std::string_view text);

std::string FormatRecords(const RecordsTable& table);

// The reason of a failed reading, for the player.
std::string RecordsTextErrorReason(const ParsedRecords& parsed);

}  // namespace tessaro
