#include "web/records_rows.h"

#include "records/records_list_texts.h"

namespace tessaro {

std::string RecordsRows(const RecordsTable& table) {
    std::string rows;
    for (const auto& [key, best] : table.entries) {
        rows += table.last == key ? kRecordsMark : "";
        rows += "\t" + RecordBlocksText(key.blockN) + "\t" + RecordMovesText(key.difficulty) + "\t" +
                RecordTimeText(best.seconds) + "\t" + RecordClicksText(best.clicks) + "\n";
    }
    return rows;
}

}  // namespace tessaro
