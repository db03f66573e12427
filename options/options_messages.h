#pragma once
// What the player is told when the options cannot be read or kept, in the
// game's language: the same words wherever they are kept (a file beside the
// program, a browser's storage), with the place and the reason.

#include <string>

namespace tessaro {

// "オプションを読み込めませんでした。", the place, the reason, and that the
// game goes on with the values it has.
std::string OptionsLoadMessage(const std::string& where, const std::string& reason);
// "オプションを保存できませんでした。", the place, the reason, and that the
// choices hold for this run only.
std::string OptionsSaveMessage(const std::string& where, const std::string& reason);

}  // namespace tessaro
