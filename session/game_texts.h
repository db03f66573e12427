#pragma once
// The sentences the main window shows while a game runs (UTF-8). The gaps
// inside them are ideographic spaces (U+3000).

#include <cstdint>
#include <string>

#include "model/cube.h"

namespace tessaro {

inline constexpr char kDemoNotice[] = "ただいまデモ中につき自動操作中";

// "現在全色一致している面数は　n　面です"
std::string FacesText(int count);
// "所要時間　hh時間mm分ss秒　です", counted as a time of day: 24 hours show 00 again.
std::string ClockText(std::int32_t elapsedSec);
// "今までのクリック回数は　n　回です"
std::string ClicksText(std::int32_t clicks);

// What screen readers are told of the net: its name, and its state, the
// solved-face sentence above (or that no game has started yet).
inline constexpr char kNetName[] = "展開図";
std::string NetDescription(const Cube* cube);
// A move button's name for screen readers: the line it moves and which way,
// "1行目を左へ". The buttons beside the right-hand face say so.
std::string MoveButtonName(Move move);

// A status label is shown only while it fits in half the client width.
bool LabelFits(float scaleWidth, std::int32_t labelWidth);

}  // namespace tessaro
