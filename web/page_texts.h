#pragma once
// Texts of the page alone: where the browser keeps the options and records,
// and what can go wrong with that storage. Everything else the page says
// comes from the rooms, as the desktop's windows take it.

#include <string>

namespace tessaro {

inline std::string StorageWhere(const std::string& key) { return "ブラウザーの保存領域「" + key + "」"; }
inline constexpr char kStorageUnusable[] =
    "このブラウザーでは保存領域を使えません（プライベートウィンドウ、容量の不足など）。";
inline constexpr char kOptionsUnreadable[] = "10バイトのオプションの記録として読めません。";
inline constexpr char kRecordsBadPrefix[] = "tessaro.records-bad-";
inline const std::string kRecordsStatus = "記録の保存先: ";
inline const std::string kRecordsUnsavedStatus = "最新の記録はまだ保存できていません: ";

}  // namespace tessaro
