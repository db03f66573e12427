#pragma once
// A game number: everything needed to play a shuffle again, as a short text
// a player can copy, send and type. "3-20-4093127" is a game of 3 x 3
// blocks shuffled with 20 moves drawn by our own generator (SeededRandom)
// from the seed 4093127, which gives the same moves on every machine and
// with every build.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/cube.h"
#include "session/random_source.h"

namespace tessaro {

struct GameNumber {
    std::int32_t blockN = 0;
    std::int32_t moves = 0;  // shuffle moves, at least 1: a game without shuffle has no number
    std::int32_t seed = 0;   // 0 .. kMaxGameSeed
    bool operator==(const GameNumber&) const = default;
};

// Seeds run from 0 to 2^31 - 1: at most ten digits, and every seed fits the
// records file's whole numbers.
inline constexpr std::int32_t kMaxGameSeed = 2147483647;

// A new game's seed out of the clock's value.
std::int32_t GameSeed(std::uint64_t clockValue);

// "3-20-4093127": the three numbers in decimal, joined by '-'.
std::string FormatGameNumber(const GameNumber& number);

enum class GameNumberStatus {
    Ok,
    NotAGameNumber,        // not three whole numbers joined by '-'
    BlockCountOutOfRange,  // three numbers, but the block count is not kMinBlockN..kMaxBlockN
    MovesOutOfRange,       // ... the shuffle moves are not 1..kMaxDifficulty
    SeedOutOfRange,        // ... the seed is past kMaxGameSeed
};

struct GameNumberReading {
    GameNumberStatus status = GameNumberStatus::NotAGameNumber;
    GameNumber number;  // meaningful only when Ok
};

// Reads a typed game number strictly, so that every game has exactly one
// spelling: spaces and tabs around it are ignored; inside, three fields of
// half-width digits, each without a leading zero, joined by single '-'.
// Anything else is not a game number; of three numbers, the first one out
// of its range names the fault. Linear in the length of the text.
GameNumberReading ReadGameNumber(std::string_view utf8);

// One shuffle move out of two draws, kind first, as every shuffle makes it.
Move DrawMove(RandomSource& random, int blockN);

// The moves the shuffle of that game makes, in order.
std::vector<Move> ShuffleMoves(const GameNumber& number);

}  // namespace tessaro
