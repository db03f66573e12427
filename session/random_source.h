#pragma once
// The shuffle's chance, behind an interface so that a test can replay any
// sequence of draws.

#include <cstdint>

namespace tessaro {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Seed(std::uint64_t seed) = 0;
    // A uniform value r with 0 <= r < 1, never 1 itself.
    virtual float Next() = 0;
};

// Our own small generator (PCG32), so that a seed gives the same shuffle on
// every platform and with every standard library.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed = 0) { Seed(seed); }
    void Seed(std::uint64_t seed) override;
    float Next() override;
    std::uint32_t NextBits();

private:
    std::uint64_t state_ = 0;
};

// A whole number from 1 to m out of one draw: floor(r * m + 1).
int DrawWhole(float r, int m);

}  // namespace tessaro
