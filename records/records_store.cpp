#include "records/records_store.h"

#include <utility>

#include "options/file_error_text.h"
#include "options/marked_text.h"
#include "records/records_messages.h"

namespace tessaro {

RecordsStore::RecordsStore(std::filesystem::path folder, FileWriter write, SaveStepHook step)
    : folder_(std::move(folder)), write_(std::move(write)), step_(std::move(step)) {}

std::filesystem::path RecordsStore::File() const { return folder_.empty() ? folder_ : folder_ / kRecordsFileName; }

void RecordsStore::Tell(const std::string& text) {
    if (!message_.empty()) message_ += "\n\n";
    message_ += text;
}

void RecordsStore::TellNoPlace() {
    if (std::exchange(noPlaceTold_, true)) return;
    Tell(TESSARO_TEXT("records_store",
                      "記録を保存する場所がありません（環境変数 HOME も XDG_DATA_HOME も使えません）。\n"
                      "記録はこの実行中だけ残ります。"));
}

void RecordsStore::Found(const RecordsLoad& load, const std::filesystem::path& setAside) {
    if (load.status != RecordsFileStatus::Unreadable && load.status != RecordsFileStatus::Corrupt) {
        fileBad_ = false;
        return;
    }
    const bool told = std::exchange(fileBad_, setAside.empty());
    if (told) return;
    const std::string reason = load.status == RecordsFileStatus::Unreadable ? FileErrorReason(load.errorCode)
                                                                            : RecordsTextErrorReason(load.parsed);
    Tell(RecordsUnreadableMessage(File().string(), reason, setAside.empty() ? "" : setAside.filename().string(),
                                  "records-bad-1.txt"));
}

const RecordsTable& RecordsStore::Table() {
    RecordsTable file;
    if (folder_.empty()) {
        TellNoPlace();
    } else {
        const RecordsLoad load = LoadRecordsFile(File());
        Found(load, {});
        if (load.status == RecordsFileStatus::Loaded) file = load.parsed.table;
    }
    for (const WonGame& win : pending_) MergeWin(file, win);
    table_ = std::move(file);
    return table_;
}

void RecordsStore::AddWin(const WonGame& game) {
    pending_.push_back(game);
    MergeWin(table_, game);
    if (folder_.empty()) {
        TellNoPlace();
        return;
    }
    const RecordsSave saved = SaveRecordsFile(folder_, pending_, write_, step_);
    if (saved.read) {
        Found(saved.found, saved.setAside);
        table_ = saved.table;
    }
    if (saved.ok) {
        pending_.clear();
        unsaved_ = false;
        return;
    }
    if (!unsaved_) {
        Tell(RecordsSaveFailedMessage(File().string(), FileErrorReason(saved.errorCode)));
    }
    unsaved_ = true;
}

std::string RecordsStore::TakeMessage() { return std::exchange(message_, {}); }

std::string RecordsStore::StatusLine() const {
    if (folder_.empty()) return TESSARO_TEXT("records_store", "記録の保存先がないため、記録はこの実行中だけ残ります。");
    const std::string file = File().string();
    //: %1 is the records file.
    if (unsaved_) return FillText(TESSARO_TEXT("records_store", "最新の記録はまだ保存できていません: %1"), {file});
    //: %1 is the records file.
    if (fileBad_)
        return FillText(TESSARO_TEXT("records_store", "読めなかった記録ファイルはそのまま残しています: %1"), {file});
    //: %1 is the records file.
    return FillText(TESSARO_TEXT("records_store", "記録ファイル: %1"), {file});
}

}  // namespace tessaro
