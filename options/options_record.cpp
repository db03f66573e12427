#include "options/options_record.h"

namespace tessaro {

namespace {

void PutLittleEndian(OptionsBytes& out, std::size_t at, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetLittleEndian(std::span<const std::uint8_t> in, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        if (at + i < in.size()) value |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
    return value;
}

}  // namespace

void OptionsChange::ApplyTo(OptionsRecord& record) const {
    if (OptBlockN) record.OptBlockN = *OptBlockN;
    if (Difficulty) record.Difficulty = *Difficulty;
    if (ShowShuffle) record.ShowShuffle = *ShowShuffle;
}

void OptionsChange::Add(const OptionsChange& later) {
    if (later.OptBlockN) OptBlockN = later.OptBlockN;
    if (later.Difficulty) Difficulty = later.Difficulty;
    if (later.ShowShuffle) ShowShuffle = later.ShowShuffle;
}

OptionsChange WholeRecord(const OptionsRecord& record) {
    return {record.OptBlockN, record.Difficulty, record.ShowShuffle};
}

OptionsBytes EncodeOptions(const OptionsRecord& record) {
    OptionsBytes out{};
    PutLittleEndian(out, 0, static_cast<std::uint32_t>(record.OptBlockN), 4);
    PutLittleEndian(out, 4, static_cast<std::uint32_t>(record.Difficulty), 4);
    PutLittleEndian(out, 8, static_cast<std::uint16_t>(record.ShowShuffle), 2);
    return out;
}

OptionsRecord DecodeOptions(std::span<const std::uint8_t> bytes) {
    OptionsRecord record;
    record.OptBlockN = static_cast<std::int32_t>(GetLittleEndian(bytes, 0, 4));
    record.Difficulty = static_cast<std::int32_t>(GetLittleEndian(bytes, 4, 4));
    record.ShowShuffle = static_cast<std::int16_t>(static_cast<std::uint16_t>(GetLittleEndian(bytes, 8, 2)));
    return record;
}

}  // namespace tessaro
