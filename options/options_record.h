#pragma once
// The three settings that shape a new game, and their 10-byte file record.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tessaro {

struct OptionsRecord {
    std::int32_t OptBlockN = 0;    // blocks per face side for the next new game
    std::int32_t Difficulty = 0;   // random moves of the next shuffle
    std::int16_t ShowShuffle = 0;  // -1 true, 0 false; any non-zero value counts as true

    bool operator==(const OptionsRecord&) const = default;
};

// Packed little-endian: OptBlockN at 0, Difficulty at 4, ShowShuffle at 8.
inline constexpr std::size_t kOptionsRecordSize = 10;
using OptionsBytes = std::array<std::uint8_t, kOptionsRecordSize>;

OptionsBytes EncodeOptions(const OptionsRecord& record);

// Reads a record from the first bytes of `bytes`, whatever their number:
// bytes past the tenth are ignored, missing ones count as zero.
OptionsRecord DecodeOptions(std::span<const std::uint8_t> bytes);

}  // namespace tessaro
