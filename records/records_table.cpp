#include "records/records_table.h"

#include <algorithm>

namespace tessaro {

bool MergeWin(RecordsTable& table, const WonGame& game) {
    const auto [entry, isNew] = table.entries.try_emplace(game.key, RecordBest{game.seconds, game.clicks});
    RecordBest& best = entry->second;
    const RecordBest before = best;
    best.seconds = std::min(best.seconds, game.seconds);
    best.clicks = std::min(best.clicks, game.clicks);
    if (!isNew && best == before) return false;
    table.last = game.key;
    return true;
}

}  // namespace tessaro
