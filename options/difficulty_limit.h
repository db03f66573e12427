#pragma once
// The bound on the number of shuffle moves, shared by the game that shuffles
// and by the practice command that lets the player type that number.

#include <cstdint>

namespace tessaro {

// The most shuffle moves a game makes. Enough for any practice, small enough
// that a shuffle takes seconds and the history a few tens of kilobytes; a
// larger value from the options file counts as this.
inline constexpr std::int32_t kMaxDifficulty = 9999;

}  // namespace tessaro
