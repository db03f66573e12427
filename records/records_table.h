#pragma once
// The best results of the player's won games, one entry per block count and
// number of shuffle moves, and how a won game enters them.

#include <compare>
#include <cstdint>
#include <map>
#include <optional>

namespace tessaro {

struct RecordKey {
    std::int32_t blockN = 0;
    std::int32_t difficulty = 0;  // the shuffle moves the game was made with
    auto operator<=>(const RecordKey&) const = default;
};

// The two bests of one entry; they may come from different games.
struct RecordBest {
    std::int32_t seconds = 0;
    std::int32_t clicks = 0;
    bool operator==(const RecordBest&) const = default;
};

struct RecordsTable {
    std::map<RecordKey, RecordBest> entries;
    // The entry that the latest game to beat a best changed; the list marks it.
    std::optional<RecordKey> last;
    bool operator==(const RecordsTable&) const = default;
};

struct WonGame {
    RecordKey key;
    std::int32_t seconds = 0;
    std::int32_t clicks = 0;
};

// Enters a won game: the lower time and the lower click count are kept each
// on its own. Returns whether the table changed; the entry of a game that
// changed it becomes `last`.
bool MergeWin(RecordsTable& table, const WonGame& game);

}  // namespace tessaro
