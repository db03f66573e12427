// The practice command's reading of the typed number of shuffle moves.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/practice_moves.h"

namespace tessaro {
namespace {

constexpr auto kOk = PracticeMovesStatus::Ok;
constexpr auto kNaN = PracticeMovesStatus::NotANumber;
constexpr auto kRange = PracticeMovesStatus::OutOfRange;

struct PracticeCase {
    std::string text;
    PracticeMovesStatus status;
    std::int32_t value = 0;  // checked unless the text is not a number
};

TEST(PracticeMoves, KeepsWhatANewGameCanUseAndNamesTheRest) {
    const std::vector<PracticeCase> cases = {
        {"2", kOk, 2},
        {" 7\t", kOk, 7},
        {"0", kOk, 0},
        {"-0", kOk, 0},
        {"+0", kOk, 0},
        {"-0.5", kOk, 0},  // rounds to zero before the sign can matter
        {"2.5", kOk, 2},
        {"9999", kOk, kMaxDifficulty},
        {"9998.5", kOk, 9998},
        {"9999.4", kOk, 9999},
        // Whole numbers the game cannot use keep their value for the message.
        {"-1", kRange, -1},
        {"-0.6", kRange, -1},
        {"10000", kRange, 10000},
        {"9999.5", kRange, 10000},
        {"2147483647", kRange, 2147483647},
        {"2147483647.4", kRange, 2147483647},
        {"-2147483648", kRange, INT32_MIN},
        // Past 32 bits just as much out of range, with no value to show.
        {"2147483647.5", kRange, 0},
        {"2147483648", kRange, 0},
        {"-2147483649", kRange, 0},
        {"99999999999", kRange, 0},
        {"99999999999999999999", kRange, 0},
        {"", kNaN},
        {"   ", kNaN},
        {"abc", kNaN},
        {"1e3", kNaN},
        {"0x10", kNaN},
        {"\xEF\xBC\x92", kNaN},  // full-width 2
    };
    for (const auto& c : cases) {
        const PracticeMoves got = ReadPracticeMoves(c.text);
        EXPECT_EQ(got.status, c.status) << '"' << c.text << '"';
        if (c.status != kNaN) {
            EXPECT_EQ(got.value, c.value) << '"' << c.text << '"';
        }
    }
}

}  // namespace
}  // namespace tessaro
