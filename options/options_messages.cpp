#include "options/options_messages.h"

#include "options/marked_text.h"

namespace tessaro {

std::string OptionsLoadMessage(const std::string& where, const std::string& reason) {
    //: %1 is the options file, %2 why it could not be read.
    return FillText(
        TESSARO_TEXT("options_file", "オプションを読み込めませんでした。\n%1\n%2\n今ある設定のまま続けます。"),
        {where, reason});
}

std::string OptionsSaveMessage(const std::string& where, const std::string& reason) {
    //: %1 is the options file, %2 why it could not be saved.
    return FillText(
        TESSARO_TEXT("options_file", "オプションを保存できませんでした。\n%1\n%2\n設定はこの実行中だけ有効です。"),
        {where, reason});
}

}  // namespace tessaro
