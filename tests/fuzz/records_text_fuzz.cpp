// Any text as the records file. The reader either refuses it, with a reason
// and no half-read table, or reads a table that the writer writes back as
// the same lines (the form allows one spelling of each entry; a version 2
// text whose entries carry no seed comes back as version 1, every seed
// field "-" left out) and that reads back as the same table, also after a
// won game, with or without a number, has entered it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// A version 1 text as version 2 writes the same table without seeds.
std::string AsVersionTwo(std::string_view written) {
    std::string text = "Tessaro records 2\n";
    const std::size_t body = written.find('\n') + 1;
    for (std::size_t at = body; at < written.size();) {
        const std::size_t end = written.find('\n', at);
        std::string line(written.substr(at, end - at));
        const bool last = line.ends_with(" last");
        if (last) line.resize(line.size() - 5);
        text += line + " - -" + (last ? " last" : "") + "\n";
        at = end + 1;
    }
    return text;
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
    const bool dropped = text.starts_with("Tessaro records 2\n") && written.starts_with("Tessaro records 1\n");
    Check(SortedLines(dropped ? AsVersionTwo(written) : written) == SortedLines(text),
          "the writer writes the lines it read");
    const ParsedRecords again = ParseRecords(written);
    Check(again.ok() && again.table == parsed.table, "a table reads back from its own text");

    RecordsTable merged = parsed.table;
    const std::int32_t moves = 1 + static_cast<std::int32_t>(size % 9999);
    std::optional<std::int32_t> seed;
    if (size % 2 == 1) seed = static_cast<std::int32_t>(size % 1000);
    MergeWin(merged, {{2 + static_cast<std::int32_t>(size % 9), moves}, 0, 1, seed});
    const ParsedRecords afterWin = ParseRecords(FormatRecords(merged));
    Check(afterWin.ok() && afterWin.table == merged, "a won game keeps the file readable");
    return 0;
}
