// Where the net lies on the screen, for scripts that drive the real program
// under an X server: the pixel middles of the move buttons, and a check of a
// screenshot's block colours against the cube the model predicts.
//
//   net_probe buttons <client width px> <client height px> <N>
//       prints "kind line x y side" for every button: its middle and its
//       side, client pixels
//   net_probe check <shot.png> <client x> <client y> <client width> <client height> <N> [kind:line ...]
//       compares every block of the screenshot with the solved cube after
//       those moves; prints the mismatches and fails if there are any

#include <QColor>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/board.h"
#include "board/twips.h"
#include "model/cube.h"

namespace {

using namespace tessaro;

struct NullSurface final : Surface {
    void Cls() override {}
    void SetForeColor(std::int32_t) override {}
    void SetDrawWidth(int) override {}
    void FilledBox(float, float, float, float) override {}
    void Line(float, float, float, float, std::int32_t) override {}
};

Board LayOut(const Cube& cube, int width, int height, TwipsScale scale) {
    Board board;
    NullSurface surface;
    const auto w = static_cast<float>(scale.ToTwips(width));
    const auto h = static_cast<float>(scale.ToTwips(height));
    BlockSizeCalc(board, cube.BlockN(), w, h);
    board.ResetBlocks(cube.BlockN());
    BlockDrawAll(board, cube, surface, w);
    ButtonMakeAll(board, cube.BlockN(), surface);
    return board;
}

int Middle(TwipsScale scale, std::int32_t at, std::int32_t side) { return scale.ToPixels(at + side / 2.0); }

int Usage() {
    std::fprintf(stderr, "usage: net_probe buttons W H N | net_probe check shot.png X Y W H N [kind:line ...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const TwipsScale scale{15};
    if (argc == 5 && std::string(argv[1]) == "buttons") {
        const Cube cube(std::atoi(argv[4]));
        const Board board = LayOut(cube, std::atoi(argv[2]), std::atoi(argv[3]), scale);
        for (const auto& b : board.ButtonObjs)
            std::printf("%d %d %d %d %d\n", b->BuFaceN(), b->BuLineN(), Middle(scale, b->ButtonLeft(), board.HalfBlock),
                        Middle(scale, b->ButtonTop(), board.HalfBlock), scale.ToPixels(board.HalfBlock));
        return 0;
    }
    if (argc >= 8 && std::string(argv[1]) == "check") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        if (shot.isNull()) return Usage();
        const int x0 = std::atoi(argv[3]), y0 = std::atoi(argv[4]);
        Cube cube(std::atoi(argv[7]));
        for (int i = 8; i < argc; ++i) {
            int kind = 0, line = 0;
            if (std::sscanf(argv[i], "%d:%d", &kind, &line) != 2) return Usage();
            cube.ApplyMove(kind, line);
        }
        const Board board = LayOut(cube, std::atoi(argv[5]), std::atoi(argv[6]), scale);
        const int n = cube.BlockN();
        int wrong = 0;
        for (int f = 1; f <= 6; ++f)
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c) {
                    const clsBlockMake& b = board.Block(f, r, c, n);
                    const int x = x0 + Middle(scale, b.BlockLeft, board.BlockSize);
                    const int y = y0 + Middle(scale, b.BlockTop, board.BlockSize);
                    const std::int32_t bgr = cube.CubeCells(f, r, c);
                    const QColor want(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
                    const QColor got = shot.pixelColor(x, y);
                    if (got != want) {
                        ++wrong;
                        std::printf("block %d,%d,%d at %d,%d: %s, expected %s\n", f, r, c, x, y,
                                    qPrintable(got.name()), qPrintable(want.name()));
                    }
                }
        std::printf("%d of %d blocks as predicted\n", 6 * n * n - wrong, 6 * n * n);
        return wrong == 0 ? 0 : 1;
    }
    return Usage();
}
