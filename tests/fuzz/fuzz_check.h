#pragma once
// What the fuzz targets share: a check that stops the run with a message,
// and a second, independent reading of typed numbers to compare against.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "options/number_text.h"

namespace tessaro::fuzz {

// Aborts, so libFuzzer keeps the input that broke the rule.
inline void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

// The reading that a typed number must get, worked out another way than
// ParseWholeNumber does: a pattern for the form, then the fraction compared
// as a text with "5" for the rounding. std::regex recurses per character, so
// only texts up to this length are read here; longer ones are still fed to
// the parser, which must then only neither crash nor hang.
inline constexpr std::size_t kOracleMaxLength = 256;

inline std::optional<WholeNumber> ExpectedWholeNumber(std::string_view text) {
    if (text.size() > kOracleMaxLength) return std::nullopt;
    static const std::regex form(R"(^[ \t]*([+-]?)([0-9]*)(?:\.([0-9]*))?[ \t]*$)");
    std::match_results<std::string_view::const_iterator> m;
    if (!std::regex_match(text.begin(), text.end(), m, form) || (m[2].length() == 0 && m[3].length() == 0))
        return WholeNumber{NumberTextStatus::NotANumber, 0};

    std::string whole = m[2].str();
    whole.erase(0, whole.find_first_not_of('0') == std::string::npos ? whole.size() : whole.find_first_not_of('0'));
    if (whole.size() > 10) return WholeNumber{NumberTextStatus::OutOfRange, 0};  // at least 10^10
    std::int64_t magnitude = whole.empty() ? 0 : std::stoll(whole);

    std::string fraction = m[3].str();
    fraction.erase(fraction.find_last_not_of('0') + 1);  // "50" is the same half as "5"
    const int half = fraction.compare("5");
    if (half > 0 || (half == 0 && magnitude % 2 == 1)) ++magnitude;

    const std::int64_t value = m[1].str() == "-" ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return WholeNumber{NumberTextStatus::OutOfRange, 0};
    return WholeNumber{NumberTextStatus::Ok, static_cast<std::int32_t>(value)};
}

}  // namespace tessaro::fuzz
