#include "records/records_messages.h"

namespace tessaro {

std::string RecordsUnreadableMessage(const std::string& where, const std::string& reason, const std::string& setAside,
                                     const std::string& nextName) {
    const std::string what = "記録ファイルを読めませんでした。\n" + where + "\n" + reason + "\n";
    if (setAside.empty()) {
        return what + "記録は空の表から始めます。このファイルには手を付けず、次に記録を保存するときに「" + nextName +
               "」のような名前で同じフォルダに残します。オプションには影響しません。";
    }
    return what + "このファイルは「" + setAside +
           "」として同じフォルダに残し、記録は新しいファイルに始めました。オプションには影響しません。";
}

std::string RecordsSaveFailedMessage(const std::string& where, const std::string& reason) {
    return "記録を保存できませんでした。\n" + where + "\n" + reason +
           "\nそれまでの記録ファイルはそのまま残っています。今回の記録はこの実行中だけ有効で、"
           "次に記録を更新したときにもう一度保存します。";
}

}  // namespace tessaro
