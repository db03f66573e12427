#include "board/button.h"

#include "board/bevel.h"

namespace tessaro {

void clsButtonMake::ButtonMake(Surface& surface, std::int32_t halfBlock) {
    DrawBevelSquare(surface, halfBlock, ButtonLeft_, ButtonTop_, kButtonColor);
}

}  // namespace tessaro
