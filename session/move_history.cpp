#include "session/move_history.h"

#include <algorithm>

namespace tessaro {

void MoveHistory::Reset(std::int32_t difficulty) {
    Hist.assign(static_cast<std::size_t>(std::max(difficulty, 0)) + 1, Move{});
    HistCount = 0;
    HistPos = 0;
}

void MoveHistory::RecordShuffle(std::int32_t i, Move move) {
    if (i < 1 || i > Capacity()) return;
    Hist[static_cast<std::size_t>(i)] = move;
}

void MoveHistory::Back(Move move, std::int32_t difficulty) {
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
    HistPos -= 1;
    HistCount = HistPos;
    return move;
}

Move MoveHistory::Entry(std::int32_t i) const {
    if (i < 0 || i > Capacity()) return {};
    return Hist[static_cast<std::size_t>(i)];
}

}  // namespace tessaro
