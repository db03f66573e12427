// Any text typed into Start from number's box. Only a playable game gets
// through; each game has one spelling, which the writer writes back; and
// the reading agrees with a second one worked out another way (a pattern
// for the form, then each field's digits compared as text).

#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "options/difficulty_limit.h"
#include "session/game_number.h"

using namespace tessaro;
using fuzz::Check;

namespace {

// Whether the digits, without leading zeros, name a number from low to high.
bool Within(const std::string& digits, std::int64_t low, std::int64_t high) {
    if (digits.size() > 12) return false;
    const std::int64_t value = std::stoll(digits);
    return value >= low && value <= high;
}

GameNumberStatus Expected(std::string_view text) {
    static const std::regex form(R"(^[ \t]*(0|[1-9][0-9]*)-(0|[1-9][0-9]*)-(0|[1-9][0-9]*)[ \t]*$)");
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_match(text.begin(), text.end(), m, form)) return GameNumberStatus::NotAGameNumber;
    if (!Within(m[1].str(), kMinBlockN, kMaxBlockN)) return GameNumberStatus::BlockCountOutOfRange;
    if (!Within(m[2].str(), 1, kMaxDifficulty)) return GameNumberStatus::MovesOutOfRange;
    if (!Within(m[3].str(), 0, kMaxGameSeed)) return GameNumberStatus::SeedOutOfRange;
    return GameNumberStatus::Ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const GameNumberReading got = ReadGameNumber(text);
    if (got.status != GameNumberStatus::Ok) {
        Check(got.number == GameNumber{}, "a refused text carries no game");
    } else {
        const GameNumber& n = got.number;
        Check(n.blockN >= kMinBlockN && n.blockN <= kMaxBlockN, "a playable block count");
        Check(n.moves >= 1 && n.moves <= kMaxDifficulty, "a shuffle of 1 to kMaxDifficulty moves");
        Check(n.seed >= 0 && n.seed <= kMaxGameSeed, "a seed in range");
        std::string_view inside = text;
        while (!inside.empty() && (inside.front() == ' ' || inside.front() == '\t')) inside.remove_prefix(1);
        while (!inside.empty() && (inside.back() == ' ' || inside.back() == '\t')) inside.remove_suffix(1);
        Check(FormatGameNumber(n) == inside, "one spelling of each game, the one the game writes");
    }
    // std::regex recurses per character: only short texts are read twice.
    if (size <= fuzz::kOracleMaxLength) Check(got.status == Expected(text), "the text is read as what it is");
    return 0;
}
