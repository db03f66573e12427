#include "board/block.h"

#include "board/bevel.h"

namespace tessaro {

void clsBlockMake::BlockMake(Surface& surface, std::int32_t blockSize, std::int32_t iniTop, std::int32_t iniLeft,
                             std::int32_t tmpBColor) {
    BlockColor = tmpBColor;
    BlockTop = iniTop;
    BlockLeft = iniLeft;
    DrawBevelSquare(surface, blockSize, BlockLeft, BlockTop, BlockColor);
}

}  // namespace tessaro
