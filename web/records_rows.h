#pragma once
// The records window's rows as the page's script reads them: one line per
// entry, its cells (mark, blocks, moves, time, clicks) separated by tabs.

#include <string>

#include "records/records_table.h"

namespace tessaro {

std::string RecordsRows(const RecordsTable& table);

}  // namespace tessaro
