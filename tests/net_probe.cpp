// Where the net lies on the screen, for scripts that drive the real program
// under an X server: the pixel middles of the move buttons, and a check of a
// screenshot's block colours against the cube the model predicts.
//
//   net_probe buttons <client width px> <client height px> <N> [ratio]
//       prints "kind line x y side" for every button: its middle and its
//       side, client pixels; with a device pixel ratio, device pixels
//   net_probe check <shot.png> <client x> <client y> <client width> <client height> <N> [kind:line ...]
//       compares every block of the screenshot with the solved cube after
//       those moves; prints the mismatches and fails if there are any
//   net_probe blocks <shot.png> <client x> <client y> <client width> <client height> <N>
//       prints "face row col #rrggbb" for every block: the colour drawn at its middle
//   net_probe one_move <shot.png> <client x> <client y> <client width> <client height> <N>
//       prints "kind line": the single move from the solved cube that the
//       screenshot's blocks show; fails when they show none
//   net_probe congratulations <client width px> <client height px> <N>
//       prints "x y": where the congratulations window stands, pixels from
//       the corner of the screen (of the maximised main window's frame)
//   net_probe ground <shot.png> <client x> <client y> <client width> <client height>
//       checks that every pixel of the client area is the empty grey
//   net_probe compare <shot.png> <client x> <client y> <client width> <client height> <ratio> <N> [kind:line ...]
//       compares every device pixel of the client area with the net drawn
//       by the game's own surface at that ratio (sizes in device pixels)
//   net_probe lines <shot.png> <client x> <client y> <client width> <client height> <ratio> <N>
//       measures, from the middle of every block up and to the left, how
//       many device pixels thick its silver inner bevel lines are; prints
//       each thickness found, once, in increasing order
//   net_probe demonstrating <shot.png> <client x> <client y> <client width> <client height> <N>
//       succeeds when the demonstration's red notice shows beside the net
//   net_probe shuffle <game number>
//       prints "N kind:line ...": the block count and the shuffle moves of
//       that game; fails when the text is not a game number

#include <QColor>
#include <QImage>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "board/board.h"
#include "board/twips.h"
#include "model/cube.h"
#include "session/game_number.h"
#include "ui/qt_surface.h"

namespace {

using namespace tessaro;

struct NullSurface final : Surface {
    void Cls() override {}
    void SetForeColor(std::int32_t) override {}
    void SetDrawWidth(int) override {}
    void FilledBox(float, float, float, float) override {}
    void Line(float, float, float, float, std::int32_t) override {}
};

// The net as a new game draws it: blocks, then the buttons over them; after
// any move (`redrawn`) the blocks once more over the buttons' edges.
Board LayOut(const Cube& cube, int width, int height, TwipsScale scale, Surface& surface, bool redrawn = false) {
    Board board;
    const auto w = static_cast<float>(scale.ToTwips(width));
    const auto h = static_cast<float>(scale.ToTwips(height));
    surface.Cls();
    BlockSizeCalc(board, cube.BlockN(), w, h);
    board.ResetBlocks(cube.BlockN());
    BlockDrawAll(board, cube, surface, w);
    ButtonMakeAll(board, cube.BlockN(), surface);
    if (redrawn) BlockDrawAll(board, cube, surface, w);
    return board;
}

Board LayOut(const Cube& cube, int width, int height, TwipsScale scale) {
    NullSurface surface;
    return LayOut(cube, width, height, scale, surface);
}

const QRgb kGround = qRgb(224, 224, 224);

bool ApplyMoves(Cube& cube, int first, int argc, char** argv) {
    for (int i = first; i < argc; ++i) {
        int kind = 0, line = 0;
        if (std::sscanf(argv[i], "%d:%d", &kind, &line) != 2) return false;
        cube.ApplyMove(kind, line);
    }
    return true;
}

// Device pixels of the client area that differ from the expected image, whose
// pixel (0, 0) lies at (x0, y0) of the shot; past the image, the ground.
// Left of face 6 and above face 3 stand the status labels, not the net:
// `labels` (device pixels) is left out. Stops counting at `enough`.
long Differences(const QImage& shot, QPoint origin, QSize size, const QImage& expected, QRect labels, long enough,
                 bool print) {
    long wrong = 0;
    for (int y = 0; y < size.height(); ++y) {
        const auto* got = reinterpret_cast<const QRgb*>(shot.constScanLine(origin.y() + y)) + origin.x();
        const auto* want = y < expected.height() ? reinterpret_cast<const QRgb*>(expected.constScanLine(y)) : nullptr;
        for (int x = 0; x < size.width(); ++x) {
            const QRgb w = (want != nullptr && x < expected.width() ? want[x] : kGround) & 0xFFFFFF;
            if ((got[x] & 0xFFFFFF) == w || labels.contains(x, y)) continue;
            if (print && wrong < 10)
                std::printf("device pixel %d,%d of the client area: %s, expected %s\n", x, y,
                            qPrintable(QColor(got[x]).name()), qPrintable(QColor(w).name()));
            if (++wrong >= enough) return wrong;
        }
    }
    return wrong;
}

int Middle(TwipsScale scale, std::int32_t at, std::int32_t side) { return scale.ToPixels(at + side / 2.0); }

// From `from`, a step at a time in (dx, dy): past the pixels of the colour
// there, then the number of pixels of `line` that follow.
int RunAfterFill(const QImage& shot, QPoint from, int dx, int dy, QRgb line) {
    if (!shot.valid(from)) return 0;
    const QRgb fill = shot.pixel(from) & 0xFFFFFF;
    QPoint p = from;
    while (shot.valid(p) && (shot.pixel(p) & 0xFFFFFF) == fill) p += QPoint(dx, dy);
    int run = 0;
    for (; shot.valid(p) && (shot.pixel(p) & 0xFFFFFF) == (line & 0xFFFFFF); p += QPoint(dx, dy)) ++run;
    return run;
}

// Blocks of the screenshot, client area at `origin`, whose middle is not
// the colour of the cube's cell; with `print`, each is told.
int WrongBlocks(const QImage& shot, QPoint origin, const Board& board, const Cube& cube, TwipsScale scale, bool print) {
    const int n = cube.BlockN();
    int wrong = 0;
    for (int f = 1; f <= 6; ++f)
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                const clsBlockMake& b = board.Block(f, r, c, n);
                const int x = origin.x() + Middle(scale, b.BlockLeft, board.BlockSize);
                const int y = origin.y() + Middle(scale, b.BlockTop, board.BlockSize);
                const std::int32_t bgr = cube.CubeCells(f, r, c);
                const QColor want(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
                const QColor got = shot.pixelColor(x, y);
                if (got == want) continue;
                ++wrong;
                if (print)
                    std::printf("block %d,%d,%d at %d,%d: %s, expected %s\n", f, r, c, x, y, qPrintable(got.name()),
                                qPrintable(want.name()));
            }
    return wrong;
}

int Usage() {
    std::fprintf(
        stderr,
        "usage: net_probe buttons W H N [ratio] | net_probe check shot.png X Y W H N [kind:line ...]\n"
        "       net_probe blocks shot.png X Y W H N | net_probe one_move shot.png X Y W H N\n"
        "       net_probe congratulations W H N\n"
        "       net_probe ground shot.png X Y W H | net_probe compare shot.png X Y W H ratio N [kind:line ...]\n"
        "       net_probe lines shot.png X Y W H ratio N | net_probe demonstrating shot.png X Y W H N\n"
        "       net_probe shuffle <game number>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const TwipsScale scale{15};
    if ((argc == 5 || argc == 6) && std::string(argv[1]) == "buttons") {
        const Cube cube(std::atoi(argv[4]));
        const double ratio = argc == 6 ? std::atof(argv[5]) : 1.0;
        if (ratio <= 0) return Usage();
        // The client area's size in logical pixels, as the game sees it.
        const int width = static_cast<int>(std::lround(std::atoi(argv[2]) / ratio));
        const int height = static_cast<int>(std::lround(std::atoi(argv[3]) / ratio));
        const Board board = LayOut(cube, width, height, scale);
        const TwipsScale device{scale.twipsPerPixel / ratio};
        for (const auto& b : board.ButtonObjs)
            std::printf("%d %d %d %d %d\n", b->BuFaceN(), b->BuLineN(),
                        Middle(device, b->ButtonLeft(), board.HalfBlock),
                        Middle(device, b->ButtonTop(), board.HalfBlock), device.ToPixels(board.HalfBlock));
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "shuffle") {
        const GameNumberReading reading = ReadGameNumber(argv[2]);
        if (reading.status != GameNumberStatus::Ok) return Usage();
        std::printf("%d", reading.number.blockN);
        for (const Move& m : ShuffleMoves(reading.number)) std::printf(" %d:%d", NumberOf(m.kind), m.line);
        std::printf("\n");
        return 0;
    }
    if (argc == 5 && std::string(argv[1]) == "congratulations") {
        const Cube cube(std::atoi(argv[4]));
        const Board board = LayOut(cube, std::atoi(argv[2]), std::atoi(argv[3]), scale);
        const int n = cube.BlockN();
        std::printf("%d %d\n", scale.ToPixels(board.Block(3, 1, 1, n).BlockLeft / 3.0),
                    scale.ToPixels(board.Block(5, 1, 1, n).BlockTop));
        return 0;
    }
    if (argc == 7 && std::string(argv[1]) == "ground") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        if (shot.isNull()) return Usage();
        const QImage shot32 = shot.convertToFormat(QImage::Format_RGB32);
        const long wrong = Differences(shot32, QPoint(std::atoi(argv[3]), std::atoi(argv[4])),
                                       QSize(std::atoi(argv[5]), std::atoi(argv[6])), QImage(), QRect(), LONG_MAX,
                                       true);
        std::printf("%ld pixels of the client area are not the grey ground\n", wrong);
        return wrong == 0 ? 0 : 1;
    }
    if (argc >= 9 && std::string(argv[1]) == "compare") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        const double ratio = std::atof(argv[7]);
        Cube cube(std::atoi(argv[8]));
        if (shot.isNull() || ratio <= 0 || !ApplyMoves(cube, 9, argc, argv)) return Usage();
        const int x0 = std::atoi(argv[3]), y0 = std::atoi(argv[4]);
        const int width = std::atoi(argv[5]), height = std::atoi(argv[6]);
        // The logical size the game laid the net out for is the device size
        // over the ratio, give or take the pixel that Qt rounds; the first
        // device row may be ground that Qt rounds onto the area. Whichever
        // of these the game had, the shot matches it exactly.
        const QImage shot32 = shot.convertToFormat(QImage::Format_RGB32);
        const QSize nearest(static_cast<int>(std::lround(width / ratio)),
                            static_cast<int>(std::lround(height / ratio)));
        struct Drawn {
            QImage image;
            QRect labels;
        };
        auto draw = [&](QSize logical) {
            QtSurface surface(scale, QColor(kGround));
            surface.Resize(logical, ratio);
            const Board board = LayOut(cube, logical.width(), logical.height(), scale, surface, argc > 9);
            const int n = cube.BlockN();
            const int margin = 24;  // twips: the bevel lines reach past a block
            const QPoint corner(scale.ToDevicePixels(board.Block(6, 1, 1, n).BlockLeft - margin, ratio),
                                scale.ToDevicePixels(board.Block(3, 1, 1, n).BlockTop - margin, ratio));
            return Drawn{surface.Image().convertToFormat(QImage::Format_RGB32), QRect(QPoint(0, 0), corner)};
        };
        long best = -1;
        for (int dw : {0, -1, 1})
            for (int dh : {0, -1, 1}) {
                const QSize logical = nearest + QSize(dw, dh);
                const Drawn expected = draw(logical);
                for (int dy : {0, 1}) {
                    const long wrong = Differences(shot32, QPoint(x0, y0 + dy), QSize(width, height - dy),
                                                   expected.image, expected.labels, best < 0 ? LONG_MAX : best, false);
                    if (best < 0 || wrong < best) best = wrong;
                    if (wrong == 0) {
                        std::printf("every device pixel as drawn for %dx%d logical pixels\n", logical.width(),
                                    logical.height());
                        return 0;
                    }
                }
            }
        // Show where the nearest fit differs.
        const Drawn expected = draw(nearest);
        Differences(shot32, QPoint(x0, y0), QSize(width, height), expected.image, expected.labels, LONG_MAX, true);
        std::printf("no layout matches: at best %ld device pixels differ\n", best);
        return 1;
    }
    if (argc == 8 && std::string(argv[1]) == "blocks") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        if (shot.isNull()) return Usage();
        const int x0 = std::atoi(argv[3]), y0 = std::atoi(argv[4]);
        const Cube cube(std::atoi(argv[7]));
        const Board board = LayOut(cube, std::atoi(argv[5]), std::atoi(argv[6]), scale);
        const int n = cube.BlockN();
        for (int f = 1; f <= 6; ++f)
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c) {
                    const clsBlockMake& b = board.Block(f, r, c, n);
                    const QColor got = shot.pixelColor(x0 + Middle(scale, b.BlockLeft, board.BlockSize),
                                                       y0 + Middle(scale, b.BlockTop, board.BlockSize));
                    std::printf("%d %d %d %s\n", f, r, c, qPrintable(got.name()));
                }
        return 0;
    }
    if (argc == 9 && std::string(argv[1]) == "lines") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        const double ratio = std::atof(argv[7]);
        const Cube cube(std::atoi(argv[8]));
        if (shot.isNull() || ratio <= 0) return Usage();
        const QPoint origin(std::atoi(argv[3]), std::atoi(argv[4]));
        // Where the blocks' middles are; a pixel more or less of the layout
        // does not move them off their blocks.
        const Board board = LayOut(cube, static_cast<int>(std::lround(std::atoi(argv[5]) / ratio)),
                                   static_cast<int>(std::lround(std::atoi(argv[6]) / ratio)), scale);
        const TwipsScale device{scale.twipsPerPixel / ratio};
        // The lines of a block's bottom and right edges may lie under the
        // next block's; its top and left inner lines are its own.
        const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);
        std::set<int> found;
        const int n = cube.BlockN();
        for (int f = 1; f <= 6; ++f)
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c) {
                    const clsBlockMake& b = board.Block(f, r, c, n);
                    const QPoint middle = origin + QPoint(Middle(device, b.BlockLeft, board.BlockSize),
                                                          Middle(device, b.BlockTop, board.BlockSize));
                    found.insert(RunAfterFill(shot, middle, 0, -1, silver));
                    found.insert(RunAfterFill(shot, middle, -1, 0, silver));
                }
        for (int thickness : found) std::printf("%d ", thickness);
        std::printf("\n");
        return 0;
    }
    if (argc == 8 && std::string(argv[1]) == "demonstrating") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        if (shot.isNull()) return Usage();
        const int x0 = std::atoi(argv[3]), y0 = std::atoi(argv[4]);
        const Cube cube(std::atoi(argv[7]));
        const Board board = LayOut(cube, std::atoi(argv[5]), std::atoi(argv[6]), scale);
        const int n = cube.BlockN();
        // The labels stand left of the top face and above the band; only
        // the notice there is red.
        const int right = scale.ToPixels(board.Block(6, 1, 1, n).BlockLeft);
        const int bottom = scale.ToPixels(board.Block(3, 1, 1, n).BlockTop);
        int red = 0;
        for (int y = y0; y < y0 + bottom; ++y)
            for (int x = x0; x < x0 + right; ++x) red += shot.valid(x, y) && (shot.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
        std::printf("%d red pixels beside the net\n", red);
        return red > 0 ? 0 : 1;
    }
    if (argc >= 8 && std::string(argv[1]) == "check") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        if (shot.isNull()) return Usage();
        Cube cube(std::atoi(argv[7]));
        if (!ApplyMoves(cube, 8, argc, argv)) return Usage();
        const Board board = LayOut(cube, std::atoi(argv[5]), std::atoi(argv[6]), scale);
        const int n = cube.BlockN();
        const int wrong = WrongBlocks(shot, QPoint(std::atoi(argv[3]), std::atoi(argv[4])), board, cube, scale, true);
        std::printf("%d of %d blocks as predicted\n", 6 * n * n - wrong, 6 * n * n);
        return wrong == 0 ? 0 : 1;
    }
    if (argc == 8 && std::string(argv[1]) == "one_move") {
        const QImage shot(QString::fromLocal8Bit(argv[2]));
        const int n = std::atoi(argv[7]);
        if (shot.isNull() || n < 2) return Usage();
        const Board board = LayOut(Cube(n), std::atoi(argv[5]), std::atoi(argv[6]), scale);
        for (int kind = 1; kind <= 6; ++kind)
            for (int line = 1; line <= n; ++line) {
                Cube cube(n);
                cube.ApplyMove(kind, line);
                if (WrongBlocks(shot, QPoint(std::atoi(argv[3]), std::atoi(argv[4])), board, cube, scale, false) == 0) {
                    std::printf("%d %d\n", kind, line);
                    return 0;
                }
            }
        std::printf("the net shows no single move\n");
        return 1;
    }
    return Usage();
}
