#pragma once
// The one place where a real value becomes a whole number of twips: to the
// nearest integer, a half to the even neighbour (2.5 -> 2, 3.5 -> 4, -1.5 -> -2).

#include <cmath>
#include <cstdint>
#include <limits>

namespace tessaro {

inline std::int32_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (value <= lo) return std::numeric_limits<std::int32_t>::min();
    if (value >= hi) return std::numeric_limits<std::int32_t>::max();
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) result = floor + 1.0;
    return static_cast<std::int32_t>(result);
}

}  // namespace tessaro
