#pragma once

#include <cstdint>

#include "board/surface.h"

namespace tessaro {

// One block of the net: where it was last drawn and in which colour.
class clsBlockMake {
public:
    std::int32_t BlockTop = 0;
    std::int32_t BlockLeft = 0;
    std::int32_t BlockColor = 0;  // 0x00BBGGRR, taken from the cube

    // Stores the place and colour, then draws the block at once.
    void BlockMake(Surface& surface, std::int32_t blockSize, std::int32_t iniTop, std::int32_t iniLeft,
                   std::int32_t tmpBColor);
};

}  // namespace tessaro
