#include "session/move_history.h"

#include <algorithm>

namespace tessaro {

void MoveHistory::Reset(std::int32_t difficulty) {
    Hist.assign(static_cast<std::size_t>(std::max(difficulty, 0)) + 1, Move{});
    HistCount = 0;
    HistPos = 0;
    HistRedo = 0;
}

void MoveHistory::RecordShuffle(std::int32_t i, Move move) {
    if (i < 1 || i > Capacity()) return;
    Hist[static_cast<std::size_t>(i)] = move;
    // A press and an undo during a shown shuffle: that undone move is gone.
    if (i <= HistRedo) HistRedo = HistPos;
}

void MoveHistory::Back(Move move, std::int32_t difficulty) {
    Record(move, difficulty);
    HistRedo = HistPos;
}

void MoveHistory::Record(Move move, std::int32_t difficulty) {
    const std::int32_t limit = std::clamp(difficulty, 0, Capacity());
    if (HistCount >= limit) {
        // Full: the oldest move drops into entry 0, which nothing reads.
        std::copy(Hist.begin() + 1, Hist.begin() + 1 + limit, Hist.begin());
    } else {
        ++HistCount;
    }
    // HistCount can stand above a limit that was lowered during the game,
    // but never above the sequence's last index.
    Hist[static_cast<std::size_t>(std::clamp(HistCount, 0, Capacity()))] = move;
    HistPos = HistCount;
}

std::optional<Move> MoveHistory::TakeBack(std::int32_t difficulty) {
    if (HistPos <= 0 || HistPos > difficulty || HistPos > Capacity()) return std::nullopt;
    const Move move = Entry(HistPos);
    HistRedo = std::max(HistRedo, HistPos);
    HistPos -= 1;
    HistCount = HistPos;
    return move;
}

std::optional<Move> MoveHistory::Redoable(std::int32_t difficulty) const {
    // The place is HistPos + 1 only while Back would count up to it rather
    // than slide the entries down.
    const std::int32_t next = HistPos + 1;
    if (HistPos < 0 || HistCount != HistPos || next > HistRedo || next > std::min(difficulty, Capacity()))
        return std::nullopt;
    return Entry(next);
}

void MoveHistory::Redo(std::int32_t difficulty) {
    const auto move = Redoable(difficulty);
    if (!move) return;
    const std::int32_t redo = HistRedo;
    Record(*move, difficulty);
    HistRedo = redo;
}

Move MoveHistory::Entry(std::int32_t i) const {
    if (i < 0 || i > Capacity()) return {};
    return Hist[static_cast<std::size_t>(i)];
}

}  // namespace tessaro
