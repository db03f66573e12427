#pragma once
// The number typed into the practice command's box: how many shuffle moves
// the following games make. Window-free, so that any text can be fed to it.

#include <cstdint>
#include <string>
#include <string_view>

#include "options/difficulty_limit.h"
#include "options/marked_text.h"

namespace tessaro {

enum class PracticeMovesStatus {
    Ok,
    NotANumber,  // not a number at all
    OutOfRange,  // a number, but not a whole number 0..kMaxDifficulty after rounding
};

struct PracticeMoves {
    PracticeMovesStatus status = PracticeMovesStatus::NotANumber;
    // Ok: the moves to store. OutOfRange: the number typed when it fits in
    // 32 bits, else 0.
    std::int32_t value = 0;
};

// Reads the text as ParseWholeNumber does, then keeps only what a new game
// can use: 0 to kMaxDifficulty moves.
PracticeMoves ReadPracticeMoves(std::string_view utf8);

// The practice command's box: its title, and its prompt of three lines.
inline constexpr char kPracticeTitle[] = TESSARO_NOOP("frmCube", "練習用の隠しコマンド");
inline constexpr char kPracticePrompt[] = TESSARO_NOOP(
    "frmCube", "半角で数値を入力して下さい\r\nオプションの難易度が狂いますので\r\n再設定の時びっくりしないように");

// What the player is told when the typed text cannot be used; empty when it
// can.
std::string PracticeMovesMessage(const PracticeMoves& moves, std::string_view typed);

}  // namespace tessaro
