// The desktop's drawing of a net, for the page's tests to compare the
// browser's canvas with, pixel for pixel.
//
//   net_pixels shuffle <seed> <n> <moves>
//       the shuffle a game of n blocks makes from this seed, one "kind line"
//       a line, as the game draws it
//   net_pixels draw <width> <height> <ratio> <n> [<kind> <line>]...
//       the main window's backing image for a client area of width x height
//       logical pixels at a device pixel ratio: a new game's net with these
//       moves made on it, as raw RGBA bytes on standard output
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/board.h"
#include "model/cube.h"
#include "session/random_source.h"
#include "ui/qt_surface.h"

using namespace tessaro;

namespace {

int Usage() {
    std::fputs("usage: net_pixels shuffle <seed> <n> <moves> | draw <width> <height> <ratio> <n> [<kind> <line>]...\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string what = argv[1];
    if (what == "shuffle" && argc == 5) {
        SeededRandom random;
        random.Seed(std::strtoull(argv[2], nullptr, 10));
        const int n = std::atoi(argv[3]);
        for (int i = 0; i < std::atoi(argv[4]); ++i) {
            const int kind = DrawWhole(random.Next(), 6);
            std::printf("%d %d\n", kind, DrawWhole(random.Next(), n));
        }
        return 0;
    }
    if (what != "draw" || argc < 6 || (argc - 6) % 2 != 0) return Usage();
    const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
    const double ratio = std::atof(argv[4]);
    const int n = std::atoi(argv[5]);

    const TwipsScale scale{15.0};
    QtSurface surface(scale, QColor(224, 224, 224));
    surface.Resize(QSize(width, height), ratio);
    const auto w = static_cast<float>(scale.ToTwips(width)), h = static_cast<float>(scale.ToTwips(height));
    Cube cube(n);
    Board board;
    board.ResetBlocks(n);
    surface.Cls();
    BlockSizeCalc(board, n, w, h);
    BlockDrawAll(board, cube, surface, w);
    ButtonMakeAll(board, n, surface);
    for (int i = 6; i + 1 < argc; i += 2) cube.ApplyMove(Move{std::atoi(argv[i]), std::atoi(argv[i + 1])});
    if (argc > 6) BlockDrawAll(board, cube, surface, w);

    const QImage image = surface.Image().convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < image.height(); ++y)
        std::fwrite(image.constScanLine(y), 4, static_cast<std::size_t>(image.width()), stdout);
    return 0;
}
