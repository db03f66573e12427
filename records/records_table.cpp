#include "records/records_table.h"

namespace tessaro {

bool MergeWin(RecordsTable& table, const WonGame& game) {
    const auto [entry, isNew] = table.entries.try_emplace(game.key,
                                                          RecordBest{game.seconds, game.clicks, game.seed, game.seed});
    RecordBest& best = entry->second;
    bool changed = isNew;
    if (game.seconds < best.seconds) {
        best.seconds = game.seconds;
        best.secondsSeed = game.seed;
        changed = true;
    }
    if (game.clicks < best.clicks) {
        best.clicks = game.clicks;
        best.clicksSeed = game.seed;
        changed = true;
    }
    if (!changed) return false;
    table.last = game.key;
    return true;
}

}  // namespace tessaro
