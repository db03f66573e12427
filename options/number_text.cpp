#include "options/number_text.h"

#include <cstddef>

namespace tessaro {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// 2^31: the largest magnitude a signed 32-bit value can hold (negative side).
constexpr std::uint64_t kMagnitudeLimit = 2147483648ULL;

}  // namespace

WholeNumber ParseWholeNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::size_t pos = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    const std::string_view whole = text.substr(0, pos);
    std::string_view fraction;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t start = ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos;
        fraction = text.substr(start, pos - start);
    }
    if (pos != text.size() || (whole.empty() && fraction.empty())) return {NumberTextStatus::NotANumber, 0};

    // The magnitude is capped just past the limit, so a megabyte of digits
    // cannot overflow it; anything past the cap is out of range anyway.
    std::uint64_t magnitude = 0;
    for (const char c : whole) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > kMagnitudeLimit) magnitude = kMagnitudeLimit + 1;
    }

    if (!fraction.empty()) {
        bool roundUp = fraction.front() > '5';
        if (fraction.front() == '5') {
            const bool beyondHalf = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
            roundUp = beyondHalf || magnitude % 2 == 1;  // an exact half goes to the even neighbour
        }
        if (roundUp) ++magnitude;
    }

    const std::uint64_t limit = negative ? kMagnitudeLimit : kMagnitudeLimit - 1;
    if (magnitude > limit) return {NumberTextStatus::OutOfRange, 0};
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return {NumberTextStatus::Ok, static_cast<std::int32_t>(value)};
}

}  // namespace tessaro
