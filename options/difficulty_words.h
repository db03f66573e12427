#pragma once
// The five words of the difficulty box and their numbers of shuffle moves.
// Words match exactly, case included; any other number of moves (set by the
// practice command) has no word.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaro {

struct DifficultyWordEntry {
    std::string_view word;
    std::int32_t moves;
};

// In the order OK compares them.
inline constexpr std::array<DifficultyWordEntry, 5> DifficultyWord = {{
    {"Practice", 0},
    {"Easy", 5},
    {"Usuall", 10},
    {"Hard", 20},
    {"Ultra", 40},
}};

inline std::optional<std::int32_t> MovesForDifficultyWord(std::string_view word) {
    for (const auto& entry : DifficultyWord)
        if (entry.word == word) return entry.moves;
    return std::nullopt;
}

inline std::optional<std::string_view> DifficultyWordForMoves(std::int32_t moves) {
    for (const auto& entry : DifficultyWord)
        if (entry.moves == moves) return entry.word;
    return std::nullopt;
}

}  // namespace tessaro
