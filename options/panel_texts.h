#pragma once
// The options panel's captions and messages (UTF-8), for every front end
// that shows the panel. The captions are English in every language; the
// texts in Japanese are marked for translation, and whoever shows one turns
// it into the player's language.

#include "options/marked_text.h"

namespace tessaro {

inline constexpr char kPanelTabCaption[] = "Option";
inline constexpr char kPanelComboStartText[] = "Combo1";  // what both boxes hold until the panel first fills them
inline constexpr char kBlockCountCaption[] = "N of Block";
inline constexpr char kDifficultyCaption[] = "Difficulty";
inline constexpr char kShowShuffleCaption[] = "  Can see the shuffle";
inline constexpr char kDemonstrationCaption[] = "Can see the Demonstration";
inline constexpr char kPanelOkCaption[] = TESSARO_NOOP("OptionsPanel", "ＯＫ");
inline constexpr char kPanelCancelCaption[] = "Cancel";
// The block-count box's entries, in their order.
inline constexpr const char* kBlockCountEntries[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10"};
// The difficulty box's entries, in their order.
inline constexpr const char* kDifficultyEntries[] = {"Ultra", "Hard", "Usuall", "Easy", "Practice"};

// OK with a block count that is no number, or none that fits.
inline constexpr char kBlockCountNotANumberMessage[] = TESSARO_NOOP(
    "OptionsPanel",
    "ブロック数（N of Block）が数値になっていません。\n"
    "半角の数字で 2 から 10 までの数を入力して下さい。");
inline constexpr char kBlockCountOutOfRangeMessage[] = TESSARO_NOOP(
    "OptionsPanel",
    "ブロック数（N of Block）の数値が大きすぎるか小さすぎます。\n"
    "半角の数字で 2 から 10 までの数を入力して下さい。");

}  // namespace tessaro
