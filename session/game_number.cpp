#include "session/game_number.h"

#include <array>
#include <optional>

#include "options/difficulty_limit.h"

namespace tessaro {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A field of digits without a leading zero; its value, or nothing when it
// has more digits than any field may ever have (it is out of range then).
struct Field {
    bool ok = false;
    std::optional<std::int64_t> value;
};

// Eleven digits are past every range; longer fields are not read on.
constexpr std::size_t kMostDigits = 11;

Field ReadField(std::string_view digits) {
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0')) return {};
    for (char c : digits)
        if (!IsDigit(c)) return {};
    if (digits.size() >= kMostDigits) return {true, std::nullopt};
    std::int64_t value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return {true, value};
}

bool InRange(const std::optional<std::int64_t>& value, std::int64_t low, std::int64_t high) {
    return value && *value >= low && *value <= high;
}

}  // namespace

std::int32_t GameSeed(std::uint64_t clockValue) {
    return static_cast<std::int32_t>(clockValue % (static_cast<std::uint64_t>(kMaxGameSeed) + 1));
}

std::string FormatGameNumber(const GameNumber& number) {
    std::string text = std::to_string(number.blockN);
    text += '-';
    text += std::to_string(number.moves);
    text += '-';
    text += std::to_string(number.seed);
    return text;
}

GameNumberReading ReadGameNumber(std::string_view utf8) {
    while (!utf8.empty() && IsBlank(utf8.front())) utf8.remove_prefix(1);
    while (!utf8.empty() && IsBlank(utf8.back())) utf8.remove_suffix(1);

    std::array<Field, 3> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t end = i + 1 < fields.size() ? utf8.find('-') : utf8.size();
        if (end == std::string_view::npos) return {};
        fields[i] = ReadField(utf8.substr(0, end));
        if (!fields[i].ok) return {};
        utf8.remove_prefix(end == utf8.size() ? end : end + 1);
    }

    if (!InRange(fields[0].value, kMinBlockN, kMaxBlockN)) return {GameNumberStatus::BlockCountOutOfRange, {}};
    if (!InRange(fields[1].value, 1, kMaxDifficulty)) return {GameNumberStatus::MovesOutOfRange, {}};
    if (!InRange(fields[2].value, 0, kMaxGameSeed)) return {GameNumberStatus::SeedOutOfRange, {}};
    return {GameNumberStatus::Ok,
            {static_cast<std::int32_t>(*fields[0].value), static_cast<std::int32_t>(*fields[1].value),
             static_cast<std::int32_t>(*fields[2].value)}};
}

Move DrawMove(RandomSource& random, int blockN) {
    const int kind = DrawWhole(random.Next(), 6);
    return {kind, DrawWhole(random.Next(), blockN)};
}

std::vector<Move> ShuffleMoves(const GameNumber& number) {
    SeededRandom random(static_cast<std::uint64_t>(number.seed));
    std::vector<Move> moves;
    for (std::int32_t i = 0; i < number.moves; ++i) moves.push_back(DrawMove(random, number.blockN));
    return moves;
}

}  // namespace tessaro
