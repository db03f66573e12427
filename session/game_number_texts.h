#pragma once
// What every front end says about game numbers (UTF-8): the box of Game >
// Start from number, what it tells of a text that starts no game, and what a
// screen reader hears once Game > Copy game number has copied one. The
// constants are marked for translation, and whoever shows one turns it into
// the player's language; the functions speak it already.

#include <string>
#include <string_view>

#include "options/marked_text.h"
#include "session/game_number.h"

namespace tessaro {

// Game > Start from number: its box.
inline constexpr char kNumberTitle[] = TESSARO_NOOP("frmCube", "ゲーム番号から始める");
inline constexpr char kNumberPrompt[] = TESSARO_NOOP("frmCube",
                                                     "ゲーム番号を半角で入力して下さい\r\n（例: 3-20-4093127）");

// What the player is told of a typed text that is no game number, or one out
// of range (named as typed, without the blanks around it); empty for a game
// number that can be played.
std::string GameNumberMessage(const GameNumberReading& reading, std::string_view typed);

// "ゲーム番号 3-20-4093127 をコピーしました"
std::string NumberCopiedText(const GameNumber& number);

}  // namespace tessaro
