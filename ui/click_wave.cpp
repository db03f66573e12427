#include "ui/click_wave.h"

#include <cstring>

namespace tessaro {

namespace {

std::uint64_t Little32(const std::uint8_t* at) {
    return std::uint64_t{at[0]} | std::uint64_t{at[1]} << 8 | std::uint64_t{at[2]} << 16 | std::uint64_t{at[3]} << 24;
}

bool Named(const std::uint8_t* at, const char (&id)[5]) { return std::memcmp(at, id, 4) == 0; }

}  // namespace

bool IsSaneClickWave(std::span<const std::uint8_t> file) {
    const std::uint64_t size = file.size();
    if (size > kMaxClickWaveBytes || size < 12) return false;
    const std::uint8_t* bytes = file.data();
    if (!Named(bytes, "RIFF") || !Named(bytes + 8, "WAVE")) return false;
    if (Little32(bytes + 4) + 8 != size) return false;

    bool format = false;
    // 64-bit sums: no declared size can wrap them.
    for (std::uint64_t at = 12; at + 8 <= size;) {
        const std::uint64_t length = Little32(bytes + at + 4);
        const std::uint64_t end = at + 8 + length;
        if (end > size) return false;
        if (Named(bytes + at, "fmt ")) format = length >= 16;
        if (Named(bytes + at, "data")) return format;
        at = end + (length & 1);
    }
    return false;  // no sound in it, or its header cut short
}

}  // namespace tessaro
