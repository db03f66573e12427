// Any text as the records file. The reader either refuses it, with a reason
// and no half-read table, or reads a table that the writer writes back as
// the same lines (the form allows one spelling of each entry) and that
// reads back as the same table, also after a won game has entered it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "records/records_table.h"
#include "records/records_text.h"

using namespace tessaro;
using fuzz::Check;

namespace {

std::vector<std::string_view> SortedLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedRecords parsed = ParseRecords(text);
    if (!parsed.ok()) {
        Check(parsed.table.entries.empty() && !parsed.table.last, "a refused text leaves no table");
        Check(!RecordsTextErrorReason(parsed).empty(), "a refusal has a reason");
        return 0;
    }
    const std::string written = FormatRecords(parsed.table);
    Check(SortedLines(written) == SortedLines(text), "the writer writes the lines it read");
    const ParsedRecords again = ParseRecords(written);
    Check(again.ok() && again.table == parsed.table, "a table reads back from its own text");

    RecordsTable merged = parsed.table;
    const std::int32_t moves = 1 + static_cast<std::int32_t>(size % 9999);
    MergeWin(merged, {{2 + static_cast<std::int32_t>(size % 9), moves}, 0, 1});
    const ParsedRecords afterWin = ParseRecords(FormatRecords(merged));
    Check(afterWin.ok() && afterWin.table == merged, "a won game keeps the file readable");
    return 0;
}
