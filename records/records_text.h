#pragma once
// The records file's text. A header line names the format and its version;
// then one line per entry, fields separated by single spaces: block count,
// shuffle moves, best seconds and fewest clicks as whole numbers in decimal,
// and from version 2 on the seeds of the games that set the best time and
// the fewest clicks, each a whole number or "-" for a best set before games
// had numbers (with the entry's block count and moves, a seed is the game's
// number). The entry the list marks carries the word "last" as its last
// field. Every line ends in a newline, so a file cut short is told apart
// from a whole one:
//
//     Tessaro records 2
//     3 10 83 41 4093127 4093127
//     3 40 620 215 - 1800266 last
//
// A table whose entries carry no seed at all is written as version 1,
// without the seed fields, which every earlier copy of the game reads; a
// version 1 file reads as it always did.
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
// The newest version this game reads and writes; the first one had no seeds.
inline constexpr std::int32_t kRecordsFormatVersion = 2;
inline constexpr std::int32_t kRecordsFirstVersion = 1;
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
