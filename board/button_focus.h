#pragma once
// Keyboard play: which move button an arrow key goes to next.

#include <cstddef>
#include <optional>

#include "board/board.h"

namespace tessaro {

enum class Arrow { Left, Right, Up, Down };

// The button (an index into ButtonObjs) that the arrow goes to from button
// `from`: along the button's group, and past its end on to the nearest
// button of the neighbouring group that way. Of the buttons lying beyond
// this one in the arrow's direction, those in line with it (their squares
// overlap across the arrow) come first; then the nearest along the arrow,
// the nearest across it, the earlier in ButtonObjs. None when no button
// lies that way.
std::optional<std::size_t> NextButton(const Board& board, std::size_t from, Arrow arrow);

}  // namespace tessaro
