// The cube checked against an independent model: every sticker gets a place
// on a real 3-D cube, and each line move must be exactly the quarter rotation
// of one slice of it. Around that, the properties a player relies on.

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <map>
#include <sstream>
#include <tuple>

#include "model/cube.h"

namespace tessaro {
namespace {

using Vec = std::array<int, 3>;  // doubled coordinates: centres at odd values, faces at +-N

struct Cell {
    int f, r, c;
};

// Where block (f, r, c) sits when the net is folded with face 1 in front,
// each face seen from outside.
Vec StickerPosition(int n, Cell s) {
    const int col = 2 * s.c - n - 1;  // -(n-1) .. n-1, left to right as drawn
    const int row = n + 1 - 2 * s.r;  // n-1 .. -(n-1), top to bottom as drawn
    switch (s.f) {
    case 1: return {col, row, n};    // front
    case 2: return {n, row, -col};   // right
    case 3: return {-col, row, -n};  // back
    case 4: return {-n, row, col};   // left
    case 5: return {col, -n, row};   // bottom: row 1 against face 1
    default: return {col, n, -row};  // 6, top: row N against face 1
    }
}

struct SliceTurn {
    int axis;  // 0 x, 1 y, 2 z
    Vec (*turn)(Vec);
    int (*layer)(int n, int line);
};

// Each kind as a rotation of the layer that its line selects.
const std::array<SliceTurn, 7> kTurns = {{
    {0, nullptr, nullptr},
    {1,
     [](Vec p) {
    return Vec{-p[2], p[1], p[0]};
     },
     [](int n, int l) { return n + 1 - 2 * l; }},  // right -> front
    {1,
     [](Vec p) {
    return Vec{p[2], p[1], -p[0]};
     },
     [](int n, int l) { return n + 1 - 2 * l; }},  // front -> right
                                         {0,
                                          [](Vec p) {
    return Vec{p[0], p[2], -p[1]};
                                          },
                                          [](int n, int l) { return 2 * l - n - 1; }},  // front -> top
    {0,
     [](Vec p) {
    return Vec{p[0], -p[2], p[1]};
     },
     [](int n, int l) { return 2 * l - n - 1; }},  // front -> bottom
    {2,
     [](Vec p) {
    return Vec{-p[1], p[0], p[2]};
     },
     [](int n, int l) { return n + 1 - 2 * l; }},  // bottom -> right
    {2,
     [](Vec p) {
    return Vec{p[1], -p[0], p[2]};
     },
     [](int n, int l) { return n + 1 - 2 * l; }},  // right -> bottom
    }};

int Distinct(Cell s) { return s.f * 10000 + s.r * 100 + s.c; }

void FillDistinct(Cube& cube) {
    const int n = cube.BlockN();
    for (int f = 1; f <= 6; ++f)
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) cube.CubeCells(f, r, c) = Distinct({f, r, c});
}

template <typename Fn>
void ForEachCell(int n, Fn fn, bool withIndexZero = false) {
    const int from = withIndexZero ? 0 : 1;
    for (int f = from; f <= 6; ++f)
        for (int r = from; r <= n; ++r)
            for (int c = from; c <= n; ++c) fn(Cell{f, r, c});
}

bool IsLive(Cell s) { return s.f >= 1 && s.r >= 1 && s.c >= 1; }

std::vector<int> Snapshot(const Cube& cube) {
    std::vector<int> all;
    ForEachCell(
        cube.BlockN(), [&](Cell s) { all.push_back(cube.CubeCells(s.f, s.r, s.c)); }, true);
    return all;
}

struct MoveCase {
    int n, kind, line;
};

void PrintTo(const MoveCase& m, std::ostream* os) { *os << "N=" << m.n << " kind=" << m.kind << " line=" << m.line; }

std::vector<MoveCase> AllMoves() {
    std::vector<MoveCase> moves;
    for (int n = kMinBlockN; n <= kMaxBlockN; ++n)
        for (int kind = 1; kind <= 6; ++kind)
            for (int line = 1; line <= n; ++line) moves.push_back({n, kind, line});
    return moves;
}

class EveryMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(EveryMove, IsTheQuarterRotationOfOneSliceOfTheFoldedCube) {
    // Not a structured binding: clang 14 cannot capture one in the lambdas below.
    const int n = GetParam().n, kind = GetParam().kind, line = GetParam().line;
    Cube cube(n);
    FillDistinct(cube);

    std::map<Vec, Cell> at;
    ForEachCell(n, [&](Cell s) { at[StickerPosition(n, s)] = s; });

    std::map<std::tuple<int, int, int>, int> expected;
    const SliceTurn& t = kTurns[static_cast<std::size_t>(kind)];
    ForEachCell(n, [&](Cell s) {
        const Vec p = StickerPosition(n, s);
        const int cubie = std::clamp(p[static_cast<std::size_t>(t.axis)], -(n - 1), n - 1);
        const Cell dest = cubie == t.layer(n, line) ? at.at(t.turn(p)) : s;
        expected[{dest.f, dest.r, dest.c}] = Distinct(s);
    });

    cube.ApplyMove(kind, line);
    ForEachCell(n, [&](Cell s) {
        EXPECT_EQ(cube.CubeCells(s.f, s.r, s.c), (expected[{s.f, s.r, s.c}]))
            << "face " << s.f << " row " << s.r << " col " << s.c;
    });
}

TEST_P(EveryMove, ChangesOnlyItsLineAndEdgeFaceAndIsUndone) {
    const auto [n, kind, line] = GetParam();
    Cube cube(n);
    FillDistinct(cube);
    const auto before = Snapshot(cube);

    cube.ApplyMove(kind, line);
    const auto after = Snapshot(cube);
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) changed += before[i] != after[i];
    const bool edge = line == 1 || line == n;
    const int expectedChanged = 4 * n + (edge ? n * n - n % 2 : 0);  // an odd face keeps its centre
    EXPECT_EQ(changed, expectedChanged);

    // Index-0 cells never take part.
    ForEachCell(
        n,
        [&](Cell s) {
        if (!IsLive(s)) {
            EXPECT_EQ(cube.CubeCells(s.f, s.r, s.c), 0);
        }
        },
        true);

    Cube undone = cube;
    undone.ApplyMove(Reverse(Move{kind, line}));
    EXPECT_EQ(Snapshot(undone), before) << "the partner kind undoes it";

    for (int i = 0; i < 3; ++i) cube.ApplyMove(kind, line);
    EXPECT_EQ(Snapshot(cube), before) << "four applications restore the cube";
}

TEST_P(EveryMove, OneMoveFromSolvedLeavesTwoFacesOfOneColour) {
    const auto [n, kind, line] = GetParam();
    Cube cube(n);
    cube.ApplyMove(kind, line);
    EXPECT_EQ(cube.CountSolvedFaces(), 2);
}

INSTANTIATE_TEST_SUITE_P(AllSizesKindsLines, EveryMove, ::testing::ValuesIn(AllMoves()), [](const auto& info) {
    // A stream, not "N" + std::to_string(...): GCC 12 at -O3 wrongly
    // reports that sum as an overlapping copy (-Wrestrict).
    std::ostringstream name;
    name << "N" << info.param.n << "_kind" << info.param.kind << "_line" << info.param.line;
    return name.str();
});

TEST(Cube, StartsSolvedWithZeroIndexCellsForEverySize) {
    for (int n = kMinBlockN; n <= kMaxBlockN; ++n) {
        Cube cube(n);
        ASSERT_EQ(cube.BlockN(), n);
        int live = 0;
        ForEachCell(
            n,
            [&](Cell s) {
            const int value = cube.CubeCells(s.f, s.r, s.c);
            if (IsLive(s)) {
                ++live;
                EXPECT_EQ(value, kFaceColors[static_cast<std::size_t>(s.f)]);
            } else {
                EXPECT_EQ(value, 0);
            }
            },
            true);
        EXPECT_EQ(live, 6 * n * n);
        EXPECT_EQ(cube.CountSolvedFaces(), 6);
    }
    EXPECT_EQ(kFaceColors[1], 0x00FF00);  // green, 0x00BBGGRR
    EXPECT_EQ(kFaceColors[2], 0x0000FF);  // red
    EXPECT_EQ(kFaceColors[3], 0xFF0000);  // blue
}

TEST(Cube, BlockCountOutsideTheRangeIsBroughtToTheNearestEnd) {
    const std::array<std::pair<int, int>, 5> cases = {{{0, 2}, {1, 2}, {-7, 2}, {11, 10}, {INT_MAX, 10}}};
    for (auto [asked, got] : cases) EXPECT_EQ(Cube(asked).BlockN(), got) << asked;
}

TEST(Cube, KindOrLineOutsideTheRangeMakesNoMove) {
    Cube cube(4);
    FillDistinct(cube);
    const auto before = Snapshot(cube);
    const std::array<std::pair<int, int>, 8> bad = {
        {{0, 1}, {7, 1}, {-1, 2}, {INT_MIN, 1}, {1, 0}, {3, 5}, {6, -1}, {2, INT_MAX}}};
    for (auto [kind, line] : bad) {
        cube.ApplyMove(kind, line);
        EXPECT_EQ(Snapshot(cube), before) << "kind " << kind << " line " << line;
    }
}

TEST(Move, ReversePairsTheKindsAndKeepsTheLineWhileNoMoveStaysNoMove) {
    const std::vector<std::pair<Move, Move>> cases = {
        {{1, 3}, {2, 3}}, {{2, 1}, {1, 1}}, {{3, 2}, {4, 2}}, {{4, 2}, {3, 2}},  {{5, 10}, {6, 10}},
        {{6, 1}, {5, 1}}, {{0, 2}, {0, 2}}, {{7, 2}, {0, 2}}, {{-1, 1}, {0, 1}},  // numbers outside 1..6 are no move
    };
    for (const auto& [move, reverse] : cases) {
        EXPECT_EQ(Reverse(move), reverse) << NumberOf(move.kind) << "," << move.line;
        if (move.kind != MoveKind::None) {
            EXPECT_EQ(Reverse(Reverse(move)), move);
        }
    }
}

TEST(Cube, RowOneLeftOnSolvedThreeByThree) {
    Cube cube(3);
    cube.ApplyMove(1, 1);
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(cube.CubeCells(1, 1, c), kFaceColors[2]);  // red
        EXPECT_EQ(cube.CubeCells(4, 1, c), kFaceColors[1]);  // green
        EXPECT_EQ(cube.CubeCells(3, 1, c), kFaceColors[4]);  // yellow
        EXPECT_EQ(cube.CubeCells(2, 1, c), kFaceColors[3]);  // blue
    }
    for (int r = 2; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(cube.CubeCells(1, r, c), kFaceColors[1]);
    cube.CountSolvedFaces();
    EXPECT_TRUE(cube.FaceDone()[6]);  // turned but still all magenta
    EXPECT_TRUE(cube.FaceDone()[5]);
    EXPECT_FALSE(cube.FaceDone()[1]);
}

TEST(Cube, EveryRowLeftShiftsTheWholeBandAndStillCountsSix) {
    for (int n = kMinBlockN; n <= kMaxBlockN; ++n) {
        Cube cube(n);
        // Mark face 6 and face 5 to see which way they turned.
        Cube marked(n);
        marked.CubeCells(6, 1, 1) = 1;
        marked.CubeCells(5, 1, 1) = 2;
        for (int line = 1; line <= n; ++line) {
            cube.ApplyMove(1, line);
            marked.ApplyMove(1, line);
        }
        EXPECT_EQ(cube.CubeCells(1, n, n), kFaceColors[2]);
        EXPECT_EQ(cube.CubeCells(4, 1, 1), kFaceColors[1]);
        EXPECT_EQ(cube.CubeCells(3, 1, n), kFaceColors[4]);
        EXPECT_EQ(cube.CubeCells(2, n, 1), kFaceColors[3]);
        EXPECT_EQ(cube.CountSolvedFaces(), 6) << "six faces of one colour, none in its own";
        EXPECT_EQ(marked.CubeCells(6, 1, n), 1) << "top turned clockwise";
        EXPECT_EQ(marked.CubeCells(5, n, 1), 2) << "bottom turned counter-clockwise";
    }
}

TEST(Cube, FaceDiffersOnlyInItsLastBlockIsNotDone) {
    for (int n = kMinBlockN; n <= kMaxBlockN; ++n) {
        for (int f = 1; f <= 6; ++f) {
            Cube cube(n);
            cube.CubeCells(f, n, n) = 0x123456;
            EXPECT_EQ(cube.CountSolvedFaces(), 5);
            for (int g = 1; g <= 6; ++g) EXPECT_EQ(cube.FaceDone()[static_cast<std::size_t>(g)], g != f);
        }
    }
}

TEST(Cube, CopiesAreIndependent) {
    Cube a(3);
    Cube b = a;
    b.ApplyMove(3, 2);
    EXPECT_EQ(a.CountSolvedFaces(), 6);
    EXPECT_EQ(b.CountSolvedFaces(), 2);
}

}  // namespace
}  // namespace tessaro
