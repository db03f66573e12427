#pragma once
// The game's emblem: a cube of 3 x 3 blocks per face, its square front face
// turned towards the viewer and its top and right faces running back at 45
// degrees, with black lines between the blocks. The program icon, the
// desktop icons and the splash logo all draw it through these helpers.

#include "resources/generator/raster.h"

namespace tessaro {

inline constexpr Rgba kCubeFront{40, 170, 70, 255};   // green
inline constexpr Rgba kCubeTop{226, 52, 48, 255};     // red
inline constexpr Rgba kCubeRight{250, 204, 30, 255};  // yellow
inline constexpr Rgba kCubeLine = kBlack;

struct CubeView {
    Point origin;      // top-left corner of the front face, on the middle of its lines
    double block = 0;  // side of one front block
    double depth = 0;  // one block of depth moves this far right and as far up
    double line = 0;   // width of the lines
};

// Centres the cube in a width x height picture. With whole-numbered sizes
// the horizontal and vertical lines fall on whole pixels, so they stay
// crisp; a 1-pixel line then runs through pixel centres, which gives clean
// one-pixel diagonals at small sizes.
CubeView PlaceCube(int width, int height, int block, int depth, int line);

void AddCube(Scene& scene, const CubeView& view);

}  // namespace tessaro
