#pragma once

#include <cstdint>

#include "board/surface.h"

namespace tessaro {

inline constexpr std::int32_t kButtonColor = 0x404040;  // dark grey

// A raised square: the fill, a white and a silver highlight along the top
// and left, a black and a grey shadow along the bottom and right. The
// offsets are fixed twips and do not grow with the square.
void DrawBevelSquare(Surface& surface, std::int32_t side, std::int32_t left, std::int32_t top, std::int32_t fill);

}  // namespace tessaro
