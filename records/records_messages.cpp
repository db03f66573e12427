#include "records/records_messages.h"

#include "options/marked_text.h"

namespace tessaro {

std::string RecordsUnreadableMessage(const std::string& where, const std::string& reason, const std::string& setAside,
                                     const std::string& nextName) {
    //: %1 is the records file, %2 why it could not be read; what the game does about it follows.
    const std::string what = FillText(TESSARO_TEXT("records_store", "記録ファイルを読めませんでした。\n%1\n%2\n"),
                                      {where, reason});
    if (setAside.empty()) {
        //: %1 is the kind of name the file will be kept under, e.g. records-bad-1.txt.
        return what +
               FillText(TESSARO_TEXT("records_store",
                                     "記録は空の表から始めます。このファイルには手を付けず、次に記録を保存するときに"
                                     "「%1」のような名前で同じフォルダに残します。オプションには影響しません。"),
                        {nextName});
    }
    //: %1 is the new name of the file that could not be read.
    return what + FillText(TESSARO_TEXT("records_store",
                                        "このファイルは「%1」として同じフォルダに残し、"
                                        "記録は新しいファイルに始めました。オプションには影響しません。"),
                           {setAside});
}

std::string RecordsSaveFailedMessage(const std::string& where, const std::string& reason) {
    //: %1 is the records file, %2 why it could not be saved.
    return FillText(TESSARO_TEXT("records_store",
                                 "記録を保存できませんでした。\n%1\n%2\n"
                                 "それまでの記録ファイルはそのまま残っています。今回の記録はこの実行中だけ有効で、"
                                 "次に記録を更新したときにもう一度保存します。"),
                    {where, reason});
}

}  // namespace tessaro
