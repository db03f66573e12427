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

// The two bests of one entry; they may come from different games. Each
// keeps the seed of the game that set it, which with the entry's block count
// and shuffle moves is that game's number; none for a best set before the
// game had numbers.
struct RecordBest {
    std::int32_t seconds = 0;
    std::int32_t clicks = 0;
    std::optional<std::int32_t> secondsSeed = std::nullopt;
    std::optional<std::int32_t> clicksSeed = std::nullopt;
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
    std::optional<std::int32_t> seed = std::nullopt;  // of the game's number
};

// Enters a won game: the lower time and the lower click count are kept each
// on its own, with the seed of the game that set it (a tie keeps the game
// that set it first). Returns whether the table changed; the entry of a
// game that changed it becomes `last`.
bool MergeWin(RecordsTable& table, const WonGame& game);

}  // namespace tessaro
