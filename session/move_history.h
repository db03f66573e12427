#pragma once
// The recorded shuffle (for the demonstration) and the player's recent moves
// (for the undo key): one sequence of moves with indexes 0 to the game's
// number of shuffle moves.

#include <cstdint>
#include <optional>
#include <vector>

#include "model/cube.h"

namespace tessaro {

class MoveHistory {
public:
    std::vector<Move> Hist{Move{}};  // entry 0 is never read
    std::int32_t HistCount = 0;      // player's moves held, 1 .. HistCount
    std::int32_t HistPos = 0;        // entry the undo key takes back next; 0 = nothing
    // The last entry the redo key can make again: entries HistPos + 1 to
    // HistRedo are the moves the undo key took back, in the order they were
    // made. HistRedo <= HistPos when there is none.
    std::int32_t HistRedo = 0;

    // A new game: entries 0..difficulty, all no move, and nothing to undo
    // or redo (HistPos too, so the undo key cannot reach into the previous
    // game).
    void Reset(std::int32_t difficulty);

    // The last index the sequence was made with.
    std::int32_t Capacity() const { return static_cast<std::int32_t>(Hist.size()) - 1; }

    // Shuffle move i (1-based) for the demonstration.
    void RecordShuffle(std::int32_t i, Move move);

    // A move made by the player. `difficulty` is the value in force now: the
    // practice command may have changed it since the sequence was made, so
    // the history keeps at most what the sequence can hold. A move of the
    // player's own drops what could be redone.
    void Back(Move move, std::int32_t difficulty);

    // The undo key: the entry at HistPos, which is then stepped back, or
    // nothing when there is no entry to take back.
    std::optional<Move> TakeBack(std::int32_t difficulty);

    // The move the redo key makes next: the entry after HistPos, while it
    // was taken back by the undo key and can go back on the history at its
    // own place (the entries up to it within what `difficulty` keeps).
    std::optional<Move> Redoable(std::int32_t difficulty) const;
    // Records that move again, as Back does, keeping the moves after it
    // for the next redo. Nothing when there is none.
    void Redo(std::int32_t difficulty);

    Move Entry(std::int32_t i) const;

private:
    void Record(Move move, std::int32_t difficulty);
};

}  // namespace tessaro
