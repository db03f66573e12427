#pragma once
// The records window's texts (UTF-8): its title, its columns, and how an
// entry is written, for every front end that shows the records. The
// constants are marked for translation; whoever shows one turns it into the
// player's language, while the functions speak it already.

#include <cstdint>
#include <string>

#include "options/marked_text.h"
#include "records/records_table.h"

namespace tessaro {

inline constexpr char kRecordsTitle[] = TESSARO_NOOP("frmRecords", "記録");
inline constexpr char kRecordsListName[] = TESSARO_NOOP("frmRecords", "記録の一覧");
// The columns after the mark's: block count, shuffle moves, time, clicks.
inline constexpr const char* kRecordsColumns[] = {
    TESSARO_NOOP("frmRecords", "ブロック数"), TESSARO_NOOP("frmRecords", "難易度"),
    TESSARO_NOOP("frmRecords", "最短時間"), TESSARO_NOOP("frmRecords", "最少クリック数")};
// Over the number of the game that set the best beside it, and that
// number's place for a best set before games had numbers.
inline constexpr char kRecordsGameNumberHeader[] = TESSARO_NOOP("frmRecords", "ゲーム番号");
inline constexpr char kRecordsNoGameNumber[] = TESSARO_NOOP("frmRecords", "不明");
inline constexpr char kRecordsMark[] = "★";
inline constexpr char kRecordsEmpty[] = TESSARO_NOOP(
    "frmRecords",
    "まだ記録はありません。\n難易度のあるゲームを解くと、ブロック数と難易度ごとに\n"
    "最短時間と最少クリック数がここに残ります。");
inline constexpr char kRecordsMarkNote[] = TESSARO_NOOP("frmRecords", "★ は最後に記録を更新したゲームです。");
inline constexpr char kRecordsClose[] = TESSARO_NOOP("frmRecords", "閉じる");

// "3×3"
std::string RecordBlocksText(std::int32_t blockN);
// "10回 (Usuall)": the shuffle moves, with their difficulty word when they have one.
std::string RecordMovesText(std::int32_t moves);
// "00時間01分05秒", as the game's clock shows it, but the hours run on past a day.
std::string RecordTimeText(std::int32_t seconds);
// "41回"
std::string RecordClicksText(std::int32_t clicks);

}  // namespace tessaro
