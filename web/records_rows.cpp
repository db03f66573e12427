#include "web/records_rows.h"

#include "records/records_list_texts.h"
#include "session/game_number.h"

namespace tessaro {

namespace {

std::string GameNumberText(const RecordKey& key, const std::optional<std::int32_t>& seed) {
    if (!seed) return MarkedText("frmRecords", kRecordsNoGameNumber);
    return FormatGameNumber({key.blockN, key.difficulty, *seed});
}

}  // namespace

std::string RecordsRows(const RecordsTable& table) {
    std::string rows;
    for (const auto& [key, best] : table.entries) {
        rows += table.last == key ? kRecordsMark : "";
        rows += "\t" + RecordBlocksText(key.blockN) + "\t" + RecordMovesText(key.difficulty) + "\t" +
                RecordTimeText(best.seconds) + "\t" + GameNumberText(key, best.secondsSeed) + "\t" +
                RecordClicksText(best.clicks) + "\t" + GameNumberText(key, best.clicksSeed) + "\n";
    }
    return rows;
}

}  // namespace tessaro
