// Any text in the options panel's block-count box, read as OK reads it: the
// whole signed 32-bit range is taken, and anything else is refused with the
// reason that picks the panel's message.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "options/number_text.h"

using namespace tessaro;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const WholeNumber got = ParseWholeNumber(text);
    Check(got.ok() || got.value == 0, "a refused text carries no value");

    if (const auto expected = fuzz::ExpectedWholeNumber(text)) {
        Check(got.status == expected->status, "the text is read as what it is");
        Check(!got.ok() || got.value == expected->value, "the value rounds half to even");
    }
    if (got.ok()) {
        // The panel shows a stored count as its decimal text; that must read back.
        const WholeNumber again = ParseWholeNumber(std::to_string(got.value));
        Check(again.ok() && again.value == got.value, "a value reads back from its own text");
    }
    // Blanks around the number change nothing.
    const WholeNumber padded = ParseWholeNumber(" \t" + std::string(text) + "\t ");
    Check(padded.status == got.status && padded.value == got.value, "surrounding blanks are ignored");
    return 0;
}
