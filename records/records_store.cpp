#include "records/records_store.h"

#include <utility>

#include "options/file_error_text.h"

namespace tessaro {

RecordsStore::RecordsStore(std::filesystem::path folder, FileWriter write)
    : folder_(std::move(folder)), write_(std::move(write)) {}

std::filesystem::path RecordsStore::File() const { return folder_.empty() ? folder_ : folder_ / kRecordsFileName; }

const RecordsTable& RecordsStore::Table() {
    if (loaded_) return table_;
    loaded_ = true;
    if (folder_.empty()) {
        message_ =
            "記録を保存する場所がありません（環境変数 HOME も XDG_DATA_HOME も使えません）。\n"
            "記録はこの実行中だけ残ります。";
        return table_;
    }
    const RecordsLoad load = LoadRecordsFile(File());
    if (load.status == RecordsFileStatus::Loaded) table_ = load.parsed.table;
    if (load.status != RecordsFileStatus::Unreadable && load.status != RecordsFileStatus::Corrupt) return table_;

    setAside_ = true;
    const std::string reason = load.status == RecordsFileStatus::Unreadable ? FileErrorReason(load.errorCode)
                                                                            : RecordsTextErrorReason(load.parsed);
    message_ = "記録ファイルを読めませんでした。\n" + File().string() + "\n" + reason +
               "\n記録は空の表から始めます。このファイルには手を付けず、次に記録を保存するときに"
               "「records-bad-1.txt」のような名前で同じフォルダに残します。オプションには影響しません。";
    return table_;
}

void RecordsStore::AddWin(const WonGame& game) {
    Table();
    const bool changed = MergeWin(table_, game);
    if ((changed || unsaved_) && !folder_.empty()) Save();
}

void RecordsStore::Save() {
    const RecordsSave saved = SaveRecordsFile(folder_, table_, setAside_, write_);
    if (saved.ok) {
        setAside_ = false;
        unsaved_ = false;
        return;
    }
    if (!unsaved_) {
        if (!message_.empty()) message_ += "\n\n";
        message_ += "記録を保存できませんでした。\n" + File().string() + "\n" + FileErrorReason(saved.errorCode) +
                    "\nそれまでの記録ファイルはそのまま残っています。今回の記録はこの実行中だけ有効で、"
                    "次に記録を更新したときにもう一度保存します。";
    }
    unsaved_ = true;
}

std::string RecordsStore::TakeMessage() { return std::exchange(message_, {}); }

std::string RecordsStore::StatusLine() const {
    if (folder_.empty()) return "記録の保存先がないため、記録はこの実行中だけ残ります。";
    if (unsaved_) return "最新の記録はまだ保存できていません: " + File().string();
    if (setAside_) return "読めなかった記録ファイルはそのまま残しています: " + File().string();
    return "記録ファイル: " + File().string();
}

}  // namespace tessaro
