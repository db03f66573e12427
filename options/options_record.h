#pragma once
// The three settings that shape a new game, and their 10-byte file record.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tessaro {

struct OptionsRecord {
    std::int32_t OptBlockN = 0;    // blocks per face side for the next new game
    std::int32_t Difficulty = 0;   // random moves of the next shuffle
    std::int16_t ShowShuffle = 0;  // -1 true, 0 false; any non-zero value counts as true

    bool operator==(const OptionsRecord&) const = default;
};

// The fields one save sets; the others keep what the file holds then, so
// that a save never undoes a value it did not set (another copy of the
// game may have saved it meanwhile).
struct OptionsChange {
    std::optional<std::int32_t> OptBlockN;
    std::optional<std::int32_t> Difficulty;
    std::optional<std::int16_t> ShowShuffle;

    bool operator==(const OptionsChange&) const = default;
    bool Empty() const { return !OptBlockN && !Difficulty && !ShowShuffle; }
    void ApplyTo(OptionsRecord& record) const;
    // Takes the fields `later` sets as well, over this change's own.
    void Add(const OptionsChange& later);
};

// Every field of the record.
OptionsChange WholeRecord(const OptionsRecord& record);

// Packed little-endian: OptBlockN at 0, Difficulty at 4, ShowShuffle at 8.
inline constexpr std::size_t kOptionsRecordSize = 10;
using OptionsBytes = std::array<std::uint8_t, kOptionsRecordSize>;

OptionsBytes EncodeOptions(const OptionsRecord& record);

// Reads a record from the first bytes of `bytes`, whatever their number:
// bytes past the tenth are ignored, missing ones count as zero.
OptionsRecord DecodeOptions(std::span<const std::uint8_t> bytes);

}  // namespace tessaro
