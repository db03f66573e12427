// Any text typed into the practice command's box: only 0 to kMaxDifficulty
// moves may reach the options record, and a refusal names its reason: a
// number too large for 32 bits is out of range like any other.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "options/practice_moves.h"

using namespace tessaro;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PracticeMoves got = ReadPracticeMoves(text);
    const bool inRange = got.value >= 0 && got.value <= kMaxDifficulty;
    switch (got.status) {
    case PracticeMovesStatus::Ok: Check(inRange, "only usable moves are kept"); break;
    // A number beyond 32 bits is refused as out of range with no value.
    case PracticeMovesStatus::OutOfRange: Check(!inRange || got.value == 0, "a usable number is not refused"); break;
    case PracticeMovesStatus::NotANumber: Check(got.value == 0, "a text that is no number carries no value"); break;
    default: Check(false, "a known status");
    }

    if (const auto expected = fuzz::ExpectedWholeNumber(text)) {
        if (expected->status == NumberTextStatus::NotANumber) {
            Check(got.status == PracticeMovesStatus::NotANumber, "what is no number is refused as such");
        } else if (expected->status == NumberTextStatus::OutOfRange) {
            Check(got.status == PracticeMovesStatus::OutOfRange && got.value == 0,
                  "a number beyond 32 bits is out of range");
        } else {
            Check(got.status != PracticeMovesStatus::NotANumber, "a 32-bit number is read");
            Check(got.value == expected->value, "the number rounds half to even");
        }
    }
    return 0;
}
