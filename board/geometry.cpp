#include "board/geometry.h"

#include "board/rounding.h"

namespace tessaro {

BlockSizes BlockSizeCalc(int n, float scaleWidth, float scaleHeight) {
    const double h = scaleHeight;
    const double w = scaleWidth;
    const std::int32_t hv = RoundHalfEven(h / (3.0 * n + 4.0));
    const std::int32_t wv = RoundHalfEven(w / (4.0 * n + 5.0));
    BlockSizes sizes;
    sizes.BlockSize = wv > hv ? hv : wv;
    sizes.HalfBlock = RoundHalfEven(sizes.BlockSize / 2.0);
    return sizes;
}

std::int32_t HorizontalOffset(int n, float scaleWidth, std::int32_t blockSize) {
    return RoundHalfEven((static_cast<double>(scaleWidth) - (4.0 * n + 4.0) * blockSize) / 2.0);
}

TwipsPoint FaceOrigin(int face, int n, std::int32_t blockSize) {
    const std::int32_t p = (n + 1) * blockSize;
    // Net places by face: 1 centre, 2 right of it, 3 and 4 left of it, 5 below, 6 above.
    static constexpr std::array<std::array<int, 2>, 7> kPlace = {
        {{0, 0}, {2, 1}, {3, 1}, {0, 1}, {1, 1}, {2, 2}, {2, 0}}};
    const auto& place = kPlace[static_cast<std::size_t>(face)];
    return {place[0] * p, place[1] * p};
}

TwipsPoint BlockPosition(int face, int row, int col, int n, std::int32_t blockSize, std::int32_t offset) {
    const TwipsPoint origin = FaceOrigin(face, n, blockSize);
    return {origin.left + col * blockSize + offset, origin.top + row * blockSize};
}

}  // namespace tessaro
