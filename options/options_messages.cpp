#include "options/options_messages.h"

namespace tessaro {

std::string OptionsLoadMessage(const std::string& where, const std::string& reason) {
    return "オプションを読み込めませんでした。\n" + where + "\n" + reason + "\n今ある設定のまま続けます。";
}

std::string OptionsSaveMessage(const std::string& where, const std::string& reason) {
    return "オプションを保存できませんでした。\n" + where + "\n" + reason + "\n設定はこの実行中だけ有効です。";
}

}  // namespace tessaro
