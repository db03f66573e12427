#include "records/records_text.h"

#include <array>
#include <limits>
#include <optional>
#include <vector>

#include "model/cube.h"
#include "options/difficulty_limit.h"
#include "options/marked_text.h"

namespace tessaro {

namespace {

constexpr std::string_view kLastMark = "last";
constexpr std::string_view kNoSeed = "-";

// A whole number of 0 to INT32_MAX written as the writer writes it: digits
// only, no leading zero.
std::optional<std::int32_t> ReadNumber(std::string_view field) {
    if (field.empty() || field.size() > 10 || (field.size() > 1 && field[0] == '0')) return std::nullopt;
    std::int64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(separator, at);
        parts.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos) return parts;
        at = end + 1;
    }
}

ParsedRecords Failed(RecordsTextError error, int line = 0) { return {{}, error, line}; }

struct Entry {
    RecordKey key;
    RecordBest best;
    bool last = false;
};

// A best's seed: a whole number as ReadNumber reads it (0 to 2^31 - 1, the
// range of the games' seeds), or "-" for none.
// False when the field is neither.
bool ReadSeed(std::string_view field, std::optional<std::int32_t>& seed) {
    seed.reset();
    if (field == kNoSeed) return true;
    seed = ReadNumber(field);
    return seed.has_value();
}

std::optional<Entry> ReadEntry(std::string_view line, std::int32_t version) {
    std::vector<std::string_view> fields = Split(line, ' ');
    const bool last = !fields.empty() && fields.back() == kLastMark;
    if (last) fields.pop_back();
    const std::size_t numbers = 4;
    if (fields.size() != (version >= 2 ? numbers + 2 : numbers)) return std::nullopt;
    std::array<std::int32_t, numbers> n{};
    for (std::size_t i = 0; i < n.size(); ++i) {
        const auto value = ReadNumber(fields[i]);
        if (!value) return std::nullopt;
        n[i] = *value;
    }
    Entry entry{{n[0], n[1]}, {n[2], n[3]}, last};
    if (version >= 2) {
        if (!ReadSeed(fields[numbers], entry.best.secondsSeed) || !ReadSeed(fields[numbers + 1], entry.best.clicksSeed))
            return std::nullopt;
    }
    // A won game needs a shuffle and at least the one click that won it.
    if (entry.key.blockN < kMinBlockN || entry.key.blockN > kMaxBlockN || entry.key.difficulty < 1 ||
        entry.key.difficulty > kMaxDifficulty || entry.best.clicks < 1)
        return std::nullopt;
    return entry;
}

bool HasSeeds(const RecordsTable& table) {
    for (const auto& [key, best] : table.entries)
        if (best.secondsSeed || best.clicksSeed) return true;
    return false;
}

void AppendSeed(std::string& text, const std::optional<std::int32_t>& seed) {
    text += ' ';
    if (seed) text += std::to_string(*seed);
    else text += kNoSeed;
}

}  // namespace

ParsedRecords ParseRecords(std::string_view text) {
    if (text.size() > kMaxRecordsTextSize) return Failed(RecordsTextError::TooLarge);
    std::vector<std::string_view> lines = Split(text, '\n');

    const std::string_view header = lines.front();
    const std::string prefix = std::string(kRecordsFormatName) + " ";
    if (!header.starts_with(prefix)) return Failed(RecordsTextError::NotRecords);
    const auto version = ReadNumber(header.substr(prefix.size()));
    if (!version || *version < kRecordsFirstVersion) return Failed(RecordsTextError::NotRecords);
    if (*version > kRecordsFormatVersion) return Failed(RecordsTextError::NewerVersion);

    // After the last newline Split leaves one empty part; anything else there
    // is a line that never got its newline.
    if (lines.size() < 2 || !lines.back().empty()) return Failed(RecordsTextError::Unfinished);
    lines.pop_back();

    ParsedRecords parsed;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const auto entry = ReadEntry(lines[i], *version);
        if (!entry || (entry->last && parsed.table.last)) return Failed(RecordsTextError::BadLine, lineNumber);
        if (!parsed.table.entries.emplace(entry->key, entry->best).second)
            return Failed(RecordsTextError::DuplicateEntry, lineNumber);
        if (entry->last) parsed.table.last = entry->key;
    }
    return parsed;
}

std::string FormatRecords(const RecordsTable& table) {
    const bool seeds = HasSeeds(table);
    std::string text = std::string(kRecordsFormatName) + " " +
                       std::to_string(seeds ? kRecordsFormatVersion : kRecordsFirstVersion) + "\n";
    for (const auto& [key, best] : table.entries) {
        text += std::to_string(key.blockN) + " " + std::to_string(key.difficulty) + " " + std::to_string(best.seconds) +
                " " + std::to_string(best.clicks);
        if (seeds) {
            AppendSeed(text, best.secondsSeed);
            AppendSeed(text, best.clicksSeed);
        }
        if (table.last == key) {
            // Appended piece by piece: GCC 12 at -O3 misreads " " +
            // std::string as an overlapping copy (-Wrestrict).
            text += ' ';
            text += kLastMark;
        }
        text += "\n";
    }
    return text;
}

std::string RecordsTextErrorReason(const ParsedRecords& parsed) {
    const std::string line = std::to_string(parsed.line);
    switch (parsed.error) {
    case RecordsTextError::None: return {};
    case RecordsTextError::NotRecords:
        return TESSARO_TEXT("records_text", "このゲームの記録ファイルの形式ではありません。");
    case RecordsTextError::NewerVersion:
        return TESSARO_TEXT("records_text", "新しい版のゲームが書いた記録ファイルです。");
    case RecordsTextError::Unfinished: return TESSARO_TEXT("records_text", "ファイルが途中で切れています。");
    //: %1 is a line number of the records file.
    case RecordsTextError::BadLine:
        return FillText(TESSARO_TEXT("records_text", "%1行目が記録として読めません。"), {line});
    case RecordsTextError::DuplicateEntry:
        //: %1 is a line number of the records file.
        return FillText(TESSARO_TEXT("records_text", "%1行目の記録は、同じブロック数と難易度で二度目です。"), {line});
    case RecordsTextError::TooLarge: return TESSARO_TEXT("records_text", "記録ファイルとしては大きすぎます。");
    }
    return {};
}

}  // namespace tessaro
