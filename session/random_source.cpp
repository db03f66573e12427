#include "session/random_source.h"

#include <cmath>

namespace tessaro {

namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
}  // namespace

void SeededRandom::Seed(std::uint64_t seed) {
    state_ = 0;
    NextBits();
    state_ += seed;
    NextBits();
}

std::uint32_t SeededRandom::NextBits() {
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

float SeededRandom::Next() {
    // 24 random bits fill a float's mantissa exactly: the largest value is
    // 1 - 2^-24, so a draw can never reach 1.
    return static_cast<float>(NextBits() >> 8U) * 0x1.0p-24F;
}

int DrawWhole(float r, int m) { return static_cast<int>(std::floor(static_cast<double>(r) * m + 1.0)); }

}  // namespace tessaro
