#pragma once
// Texts of the page alone: where the browser keeps the options and records,
// and what can go wrong with that storage. Everything else the page says
// comes from the rooms, as the desktop's windows take it. Marked for
// translation as the rooms' texts are, and in the player's language as made.

#include <string>

#include "options/marked_text.h"

namespace tessaro {

//: %1 is the name the page keeps the options or the records under.
inline std::string StorageWhere(const std::string& key) {
    return FillText(TESSARO_TEXT("page_texts", "ブラウザーの保存領域「%1」"), {key});
}
inline std::string StorageUnusableText() {
    return TESSARO_TEXT("page_texts",
                        "このブラウザーでは保存領域を使えません（プライベートウィンドウ、容量の不足など）。");
}
inline std::string OptionsUnreadableText() {
    return TESSARO_TEXT("page_texts", "10バイトのオプションの記録として読めません。");
}
inline constexpr char kRecordsBadPrefix[] = "tessaro.records-bad-";
// The page's own texts in index.html, which names each by this context and
// its Japanese text: marked here, where the translation tools look.
//: The splash's picture; %1 is the program's name.
inline constexpr char kLogoName[] = TESSARO_NOOP("page_texts", "%1のロゴ");
//: %1 is where the records are kept.
inline std::string RecordsStatusText(const std::string& where) {
    return FillText(TESSARO_TEXT("page_texts", "記録の保存先: %1"), {where});
}
// As the desktop's records window says it of its file.
inline std::string RecordsUnsavedStatusText(const std::string& where) {
    return FillText(TESSARO_TEXT("records_store", "最新の記録はまだ保存できていません: %1"), {where});
}

}  // namespace tessaro
