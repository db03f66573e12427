#pragma once
// A random source that returns the draws a test scripts, so that a shuffle
// makes exactly the moves the test chose.

#include <cstdint>
#include <deque>
#include <vector>

#include "session/move_history.h"
#include "session/random_source.h"

namespace tessaro::testing {

class ScriptedRandom : public RandomSource {
public:
    std::deque<float> draws;
    std::vector<std::uint64_t> seeds;
    void Seed(std::uint64_t seed) override { seeds.push_back(seed); }
    float Next() override {
        if (draws.empty()) return 0.0F;
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
    // Two draws per move, kind first, that give exactly these moves.
    void Script(const std::vector<Move>& moves, int n) {
        for (const auto& m : moves) {
            draws.push_back((static_cast<float>(NumberOf(m.kind)) - 0.5F) / 6.0F);
            draws.push_back((static_cast<float>(m.line) - 0.5F) / static_cast<float>(n));
        }
    }
};

}  // namespace tessaro::testing
