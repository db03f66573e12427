#pragma once
// Typed numbers: the options panel's block count and the practice command's
// number of shuffle moves both come from text the player typed.

#include <cstdint>
#include <string_view>

namespace tessaro {

enum class NumberTextStatus {
    Ok,
    NotANumber,  // empty, letters, exponents, hex, thousands separators, ...
    OutOfRange,  // a number, but not within a signed 32-bit whole number after rounding
};

struct WholeNumber {
    NumberTextStatus status = NumberTextStatus::NotANumber;
    std::int32_t value = 0;  // meaningful only when status is Ok

    bool ok() const { return status == NumberTextStatus::Ok; }
};

// Reads a decimal number written in half-width ASCII: spaces and tabs around
// it are ignored, then an optional '+' or '-', then digits with an optional
// '.' and fraction digits ("5", "-12", "2.50", ".5", "5." are numbers). A
// fraction rounds to the nearest whole number, a half to the even neighbour,
// decided on the digits themselves so that no binary rounding creeps in
// ("2.5" -> 2, "3.5" -> 4, "2.5000000001" -> 3). Anything else is not a
// number. Linear in the length of the text, whatever that length.
WholeNumber ParseWholeNumber(std::string_view utf8);

}  // namespace tessaro
