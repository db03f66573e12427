#include "resources/generator/cube_motif.h"

namespace tessaro {

CubeView PlaceCube(int width, int height, int block, int depth, int line) {
    const int extent = 3 * block + 3 * depth + line;  // the same across and down
    const int left = (width - extent) / 2;
    const int top = (height - extent) / 2;
    return {{left + line / 2.0, top + 3 * depth + line / 2.0}, double(block), double(depth), double(line)};
}

void AddCube(Scene& scene, const CubeView& view) {
    const Point o = view.origin;
    const double b = view.block;
    const double d = view.depth;
    // Lattice points of each face: i across, j down, k into the picture.
    const auto front = [&](double i, double j) { return Point{o.x + i * b, o.y + j * b}; };
    const auto top = [&](double i, double k) { return Point{o.x + i * b + k * d, o.y - k * d}; };
    const auto right = [&](double k, double j) { return Point{o.x + 3 * b + k * d, o.y + j * b - k * d}; };

    scene.Polygon(kCubeFront, {front(0, 0), front(3, 0), front(3, 3), front(0, 3)});
    scene.Polygon(kCubeTop, {top(0, 0), top(3, 0), top(3, 3), top(0, 3)});
    scene.Polygon(kCubeRight, {right(0, 0), right(3, 0), right(3, 3), right(0, 3)});
    for (int t = 0; t <= 3; ++t) {
        scene.Line(kCubeLine, front(t, 0), front(t, 3), view.line);
        scene.Line(kCubeLine, front(0, t), front(3, t), view.line);
        scene.Line(kCubeLine, top(t, 0), top(t, 3), view.line);
        scene.Line(kCubeLine, top(0, t), top(3, t), view.line);
        scene.Line(kCubeLine, right(t, 0), right(t, 3), view.line);
        scene.Line(kCubeLine, right(0, t), right(3, t), view.line);
    }
}

}  // namespace tessaro
