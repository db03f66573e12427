#pragma once
// The recorded shuffle (for the demonstration) and the player's recent moves
// (for the undo key), in two parallel arrays with indexes 0 to the game's
// number of shuffle moves.

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaro {

struct RecordedMove {
    std::int32_t kind = 0;
    std::int32_t line = 0;
};

class MoveHistory {
public:
    std::vector<std::int32_t> HistKind{0};
    std::vector<std::int32_t> HistLine{0};
    std::int32_t HistCount = 0;  // player's moves held, 1 .. HistCount
    std::int32_t HistPos = 0;    // entry the undo key takes back next; 0 = nothing

    // A new game: both arrays anew with indexes 0..difficulty, all 0, and
    // nothing to undo (HistPos too, so the undo key cannot reach into the
    // previous game).
    void Reset(std::int32_t difficulty);

    // The last index the arrays were created with.
    std::int32_t Capacity() const { return static_cast<std::int32_t>(HistKind.size()) - 1; }

    // Shuffle move i (1-based) for the demonstration.
    void RecordShuffle(std::int32_t i, std::int32_t kind, std::int32_t line);

    // A move made by the player. `difficulty` is the value in force now: the
    // practice command may have changed it since the arrays were made, so
    // the history keeps at most what its arrays can hold.
    void Back(std::int32_t Bposition, std::int32_t tmpi, std::int32_t difficulty);

    // The undo key: the entry at HistPos, which is then stepped back, or
    // nothing when there is no entry to take back.
    std::optional<RecordedMove> TakeBack(std::int32_t difficulty);

    RecordedMove Entry(std::int32_t i) const;
};

}  // namespace tessaro
