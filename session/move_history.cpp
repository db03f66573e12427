#include "session/move_history.h"

#include <algorithm>

namespace tessaro {

void MoveHistory::Reset(std::int32_t difficulty) {
    const auto size = static_cast<std::size_t>(std::max(difficulty, 0)) + 1;
    HistKind.assign(size, 0);
    HistLine.assign(size, 0);
    HistCount = 0;
    HistPos = 0;
}

void MoveHistory::RecordShuffle(std::int32_t i, std::int32_t kind, std::int32_t line) {
    if (i < 1 || i > Capacity()) return;
    HistKind[static_cast<std::size_t>(i)] = kind;
    HistLine[static_cast<std::size_t>(i)] = line;
}

void MoveHistory::Back(std::int32_t Bposition, std::int32_t tmpi, std::int32_t difficulty) {
    const std::int32_t limit = std::clamp(difficulty, 0, Capacity());
    if (HistCount >= limit) {
        // Full: the oldest move drops into entry 0, which nothing reads.
        for (std::int32_t i = 1; i <= limit; ++i) {
            HistKind[static_cast<std::size_t>(i - 1)] = HistKind[static_cast<std::size_t>(i)];
            HistLine[static_cast<std::size_t>(i - 1)] = HistLine[static_cast<std::size_t>(i)];
        }
    } else {
        ++HistCount;
    }
    // HistCount can stand above a limit that was lowered during the game,
    // but never above the arrays' last index.
    const auto at = static_cast<std::size_t>(std::clamp(HistCount, 0, Capacity()));
    HistKind[at] = Bposition;
    HistLine[at] = tmpi;
    HistPos = HistCount;
}

std::optional<RecordedMove> MoveHistory::TakeBack(std::int32_t difficulty) {
    if (HistPos <= 0 || HistPos > difficulty || HistPos > Capacity()) return std::nullopt;
    const RecordedMove move = Entry(HistPos);
    HistPos -= 1;
    HistCount = HistPos;
    return move;
}

RecordedMove MoveHistory::Entry(std::int32_t i) const {
    if (i < 0 || i > Capacity()) return {};
    return {HistKind[static_cast<std::size_t>(i)], HistLine[static_cast<std::size_t>(i)]};
}

}  // namespace tessaro
