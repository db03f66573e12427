#include "session/game_number_texts.h"

#include "model/cube.h"
#include "options/difficulty_limit.h"

namespace tessaro {

namespace {

//: %1 is what the player typed.
constexpr char kNotANumber[] = TESSARO_NOOP(
    "frmCube",
    "「%1」はゲーム番号として読めません。\nゲーム番号は「3-20-4093127」のように、ブロック数、シャッフルの回数、"
    "乱数の種の三つの数を半角の数字で書き、半角の「-」でつないだものです。");
//: %1 is the game number typed, %2 and %3 the fewest and most blocks.
constexpr char kNumberBlocksOutOfRange[] = TESSARO_NOOP(
    "frmCube", "ゲーム番号「%1」のブロック数は使えません。\nブロック数は%2から%3までです。");
//: %1 is the game number typed, %2 the most shuffle moves.
constexpr char kNumberMovesOutOfRange[] = TESSARO_NOOP(
    "frmCube", "ゲーム番号「%1」のシャッフルの回数は使えません。\nシャッフルの回数は1から%2までです。");
//: %1 is the game number typed, %2 the largest seed.
constexpr char kNumberSeedOutOfRange[] = TESSARO_NOOP(
    "frmCube", "ゲーム番号「%1」の乱数の種は使えません。\n乱数の種は0から%2までです。");
// Told to a screen reader once Game > Copy game number has copied it.
//: %1 is the game number.
constexpr char kNumberCopied[] = TESSARO_NOOP("frmCube", "ゲーム番号 %1 をコピーしました");

std::string Marked(const char* text) { return MarkedText("frmCube", text); }

// A number out of range has been read whole: only blanks stand around it.
std::string_view WithoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string GameNumberMessage(const GameNumberReading& reading, std::string_view typed) {
    const std::string_view number = WithoutBlanks(typed);
    switch (reading.status) {
    case GameNumberStatus::Ok: return {};
    case GameNumberStatus::NotAGameNumber: return FillText(Marked(kNotANumber), {typed});
    case GameNumberStatus::BlockCountOutOfRange:
        return FillText(Marked(kNumberBlocksOutOfRange),
                        {number, std::to_string(kMinBlockN), std::to_string(kMaxBlockN)});
    case GameNumberStatus::MovesOutOfRange:
        return FillText(Marked(kNumberMovesOutOfRange), {number, std::to_string(kMaxDifficulty)});
    case GameNumberStatus::SeedOutOfRange:
        return FillText(Marked(kNumberSeedOutOfRange), {number, std::to_string(kMaxGameSeed)});
    }
    return {};
}

std::string NumberCopiedText(const GameNumber& number) {
    return FillText(Marked(kNumberCopied), {FormatGameNumber(number)});
}

}  // namespace tessaro
