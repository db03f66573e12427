#pragma once
// The number typed into the practice command's box: how many shuffle moves
// the following games make. Window-free, so that any text can be fed to it.

#include <cstdint>
#include <string_view>

#include "options/difficulty_limit.h"

namespace tessaro {

enum class PracticeMovesStatus {
    Ok,
    NotANumber,  // not a number at all, or not even a signed 32-bit one
    OutOfRange,  // a whole number (after rounding), but outside 0..kMaxDifficulty
};

struct PracticeMoves {
    PracticeMovesStatus status = PracticeMovesStatus::NotANumber;
    // Ok: the moves to store. OutOfRange: the number typed, for the message.
    std::int32_t value = 0;
};

// Reads the text as ParseWholeNumber does, then keeps only what a new game
// can use: 0 to kMaxDifficulty moves.
PracticeMoves ReadPracticeMoves(std::string_view utf8);

}  // namespace tessaro
