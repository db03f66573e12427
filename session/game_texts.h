#pragma once
// The sentences the main window shows while a game runs (UTF-8), in the
// player's language (options/marked_text.h). The gaps inside the Japanese
// ones are ideographic spaces (U+3000). The constants here are marked for
// translation; the window turns them into the player's language where it
// shows them.

#include <cstdint>
#include <string>

#include "model/cube.h"
#include "options/marked_text.h"

namespace tessaro {

inline constexpr char kDemoNotice[] = TESSARO_NOOP("game_texts", "ただいまデモ中につき自動操作中");

// "現在全色一致している面数は　n　面です"
std::string FacesText(int count);
// "所要時間　hh時間mm分ss秒　です", counted as a time of day: 24 hours show 00 again.
std::string ClockText(std::int32_t elapsedSec);
// "今までのクリック回数は　n　回です"
std::string ClicksText(std::int32_t clicks);

// What screen readers are told of the net: its name, and its state, the
// solved-face sentence above (or that no game has started yet).
inline constexpr char kNetName[] = TESSARO_NOOP("game_texts", "展開図");
std::string NetDescription(const Cube* cube);
// A move button's name for screen readers: the line it moves and which way,
// "1行目を左へ". The buttons beside the right-hand face say so.
std::string MoveButtonName(Move move);

// How many faces are of one colour.
int SolvedFaces(const Cube& cube);

// What a screen reader is told once after each change: the move a press
// made and how many faces are of one colour ("1行目を左へ。現在全色一致して
// いる面数は　2　面です"), the same for a move the undo key took back, the
// start of play, and the win with its clicks and time.
std::string MoveAnnouncement(Move move, int solvedFaces);
std::string UndoAnnouncement(Move made, int solvedFaces);
// The same for a move the redo key made again: "やり直し、1行目を左へ。..."
std::string RedoAnnouncement(Move move, int solvedFaces);
std::string StartAnnouncement(int solvedFaces);
std::string WinAnnouncement(std::int32_t clicks, std::int32_t elapsedSec);

// The net's faces for screen readers, each named after where it lies in the
// net (the band of four from the left end, the faces above and below the
// third), and their blocks, named by their colour in words and placed by
// their row and column.
std::string FaceName(int face);
// "緑", "赤", ... for the six face colours; empty for any other value.
std::string ColourWord(std::int32_t colour);
// "1行目2列目"
std::string BlockPlace(int row, int col);
// A face's description while it is of one colour.
inline constexpr char kFaceSolvedText[] = TESSARO_NOOP("game_texts", "一色にそろっています");

// A status label is shown only while it fits in half the client width.
bool LabelFits(float scaleWidth, std::int32_t labelWidth);

}  // namespace tessaro
