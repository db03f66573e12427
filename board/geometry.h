#pragma once
// Where the net stands in the client area: integer twips computed from the
// client size and the block count N.

#include <array>
#include <cstdint>

namespace tessaro {

struct BlockSizes {
    std::int32_t BlockSize = 0;  // side of one block
    std::int32_t HalfBlock = 0;  // side of one move button
};

struct TwipsPoint {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// The smaller of the sizes that fit 3N + 4 blocks in the height and 4N + 5
// in the width.
BlockSizes BlockSizeCalc(int n, float scaleWidth, float scaleHeight);

// Centres the net horizontally; negative in very small windows, never clamped.
std::int32_t HorizontalOffset(int n, float scaleWidth, std::int32_t blockSize);

// Top-left corner of face f's place in the net (one block above and to the
// left of its first block).
TwipsPoint FaceOrigin(int face, int n, std::int32_t blockSize);

// Top-left corner of block (face, row, col), offset m included.
TwipsPoint BlockPosition(int face, int row, int col, int n, std::int32_t blockSize, std::int32_t offset);

// Index of block (face, row, col) in BlockObjs: 1 .. 6 N^2, face by face,
// row by row.
constexpr int BlockIndex(int face, int row, int col, int n) { return (face - 1) * n * n + (row - 1) * n + col; }

// The three message labels stand left of the net, 400 twips apart.
struct LabelPlace {
    double left = 0;  // not rounded
    std::int32_t top = 0;
};
inline constexpr int kLabelSpacing = 400;

}  // namespace tessaro
