#pragma once
// The records window's rows as the page's script reads them: one line per
// entry, its cells (mark, blocks, moves, time, the number of the game that
// set it, clicks, the number of the game that set them) separated by tabs,
// in the player's language, as the desktop's window shows them.

#include <string>

#include "records/records_table.h"

namespace tessaro {

std::string RecordsRows(const RecordsTable& table);

}  // namespace tessaro
