// The net's layout in twips, the bevelled squares it is drawn with, the
// button collection and the hit test.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "board/board.h"
#include "board/button_focus.h"
#include "board/rounding.h"
#include "model/cube.h"
#include "recording_surface.h"

namespace tessaro {
namespace {

using testing::Primitive;
using testing::RecordingSurface;

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::vector<std::pair<double, std::int32_t>> cases = {
        {2.5, 2},     {3.5, 4},          {-1.5, -2},         {-2.5, -2},
        {0.5, 0},     {1.5, 2},          {452.31, 452},      {196.5, 196},
        {193.5, 194}, {988.5, 988},      {8.5, 8},           {0.4999999, 0},
        {-0.5, 0},    {1e12, INT32_MAX}, {-1e12, INT32_MIN}, {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (auto [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

struct SizeCase {
    float width, height;
    int n;
    std::int32_t blockSize, halfBlock, offset;
};

TEST(Geometry, BlockSizeAndOffsetForWindowsLargeAndSmall) {
    const std::vector<SizeCase> cases = {
        {6675, 5880, 3, 393, 196, 194},    // the designed window
        {15240, 9885, 2, 988, 494, 1692},  // height / 10 = 988.5 goes to the even 988
        {20, 20, 2, 2, 1, -2},             // tiny: negative offset, never clamped
        {6675, 5880, 10, 148, 74, 82},
        {0, 0, 10, 0, 0, 0},
        {1920 * 15, 1050 * 15, 10, 463, 232, 4214},  // HalfBlock 231.5 goes to the even 232
    };
    for (const auto& c : cases) {
        const BlockSizes sizes = BlockSizeCalc(c.n, c.width, c.height);
        EXPECT_EQ(sizes.BlockSize, c.blockSize) << c.width << "x" << c.height << " N=" << c.n;
        EXPECT_EQ(sizes.HalfBlock, c.halfBlock) << c.width << "x" << c.height << " N=" << c.n;
        EXPECT_EQ(HorizontalOffset(c.n, c.width, sizes.BlockSize), c.offset) << c.width << "x" << c.height;
    }
}

// A board laid out and drawn as a new game does it.
struct LaidOut {
    Board board;
    RecordingSurface surface;
    std::array<LabelPlace, 3> labels{};
    LaidOut(int n, float width, float height, const Cube* cube = nullptr) {
        const Cube solved(n);
        BlockSizeCalc(board, n, width, height);
        board.ResetBlocks(n);
        BlockDrawAll(board, cube ? *cube : solved, surface, width);
        labels = ButtonMakeAll(board, n, surface);
    }
    const Ishape& Button(int k, int i, int n) const {
        return *board.ButtonObjs[static_cast<std::size_t>((k - 1) * n + i - 1)];
    }
};

TEST(Geometry, DesignedWindowWithThreeBlocksPlacesEveryFaceButtonAndLabel) {
    LaidOut net(3, 6675, 5880);
    const Board& b = net.board;
    // Face 1 spans left 3731 to 4910 and top 1965 to 3144.
    EXPECT_EQ(b.Block(1, 1, 1, 3).BlockLeft, 3731);
    EXPECT_EQ(b.Block(1, 1, 1, 3).BlockTop, 1965);
    EXPECT_EQ(b.Block(1, 3, 3, 3).BlockLeft + b.BlockSize, 4910);
    EXPECT_EQ(b.Block(1, 3, 3, 3).BlockTop + b.BlockSize, 3144);
    EXPECT_EQ(b.Block(3, 1, 1, 3).BlockLeft, 587);
    EXPECT_EQ(b.Block(6, 1, 1, 3).BlockTop, 393);
    // Every face one block apart, in the cross.
    EXPECT_EQ(b.Block(2, 1, 1, 3).BlockLeft - b.Block(1, 1, 1, 3).BlockLeft, 4 * 393);
    EXPECT_EQ(b.Block(4, 1, 1, 3).BlockLeft, b.Block(3, 1, 1, 3).BlockLeft + 4 * 393);
    EXPECT_EQ(b.Block(5, 1, 1, 3).BlockTop, b.Block(1, 1, 1, 3).BlockTop + 4 * 393);
    EXPECT_EQ(b.Block(5, 1, 1, 3).BlockLeft, 3731);

    struct ButtonCase {
        int k, i;
        std::int32_t left, top;
    };
    const std::vector<ButtonCase> buttons = {
        {1, 1, 3535, 2063}, {1, 2, 3535, 2456}, {1, 3, 3535, 2849},  // left of face 1
        {2, 1, 4910, 2063}, {2, 3, 4910, 2849},                      // right of face 1
        {3, 1, 3829, 1769}, {3, 2, 4222, 1769}, {3, 3, 4615, 1769},  // above face 1
        {4, 1, 3829, 3144}, {4, 3, 4615, 3144},                      // below face 1
        {5, 1, 5401, 1769}, {5, 2, 5794, 1769}, {5, 3, 6187, 1769},  // above face 2
        {6, 1, 5401, 3144}, {6, 3, 6187, 3144},                      // below face 2
    };
    for (const auto& c : buttons) {
        const Ishape& button = net.Button(c.k, c.i, 3);
        EXPECT_EQ(button.ButtonLeft(), c.left) << "button " << c.k << "," << c.i;
        EXPECT_EQ(button.ButtonTop(), c.top) << "button " << c.k << "," << c.i;
        EXPECT_EQ(button.BuFaceN(), c.k);
        EXPECT_EQ(button.BuLineN(), c.i);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(net.labels[static_cast<std::size_t>(i)].left, 587.0 / 3.0, 1e-9);  // 195.67, not rounded
        EXPECT_EQ(net.labels[static_cast<std::size_t>(i)].top, 393 + 400 * i);
    }
}

TEST(Geometry, TinyWindowRoundsTheFirstButtonHalfToEven) {
    LaidOut net(2, 20, 20);
    EXPECT_EQ(net.Button(1, 1, 2).ButtonTop(), 8);  // R(8.5)
    EXPECT_EQ(net.board.BlockSize, 2);
}

TEST(Geometry, ButtonsBesideTheFacesRoundAQuarterBlockThatEndsInThreeQuarters) {
    // 5135 / 13 = 395 twips a block: a quarter is 98.75, which rounds up to
    // 99; cutting it off would put every button one twip too high or left.
    LaidOut net(3, 9000, 5135);
    ASSERT_EQ(net.board.BlockSize, 395);
    ASSERT_EQ(net.board.Block(1, 1, 1, 3).BlockTop, 1975);
    ASSERT_EQ(net.board.Block(1, 1, 1, 3).BlockLeft, 4895);
    ASSERT_EQ(net.board.Block(2, 1, 1, 3).BlockLeft, 6475);
    const std::vector<std::tuple<int, int, std::int32_t, std::int32_t>> buttons = {
        {1, 1, 4697, 2074}, {1, 3, 4697, 2864},  // left of face 1: top 1975 + 98.75
        {2, 1, 6080, 2074}, {2, 2, 6080, 2469},  // right of face 1
        {3, 1, 4994, 1777}, {4, 2, 5389, 3160},  // above and below face 1: left 4895 + 98.75
        {5, 1, 6574, 1777}, {6, 3, 7364, 3160},  // above and below face 2: left 6475 + 98.75
    };
    for (const auto& [k, i, left, top] : buttons) {
        EXPECT_EQ(net.Button(k, i, 3).ButtonLeft(), left) << "button " << k << "," << i;
        EXPECT_EQ(net.Button(k, i, 3).ButtonTop(), top) << "button " << k << "," << i;
    }
}

TEST(Board, CollectionHoldsSixButtonsPerLineInGroupThenLineOrder) {
    for (int n : {2, 3, 10}) {
        LaidOut net(n, 6675, 5880);
        ASSERT_EQ(net.board.ButtonObjs.size(), static_cast<std::size_t>(6 * n));
        ASSERT_EQ(net.board.BlockObjs.size(), static_cast<std::size_t>(6 * n * n + 1));
        for (std::size_t j = 0; j < net.board.ButtonObjs.size(); ++j) {
            EXPECT_EQ(net.board.ButtonObjs[j]->BuFaceN(), static_cast<int>(j) / n + 1);
            EXPECT_EQ(net.board.ButtonObjs[j]->BuLineN(), static_cast<int>(j) % n + 1);
        }
    }
    LaidOut three(3, 6675, 5880);
    EXPECT_EQ(three.board.ButtonObjs[6]->BuFaceN(), 3);  // the seventh is button (3, 1)
    EXPECT_EQ(three.board.ButtonObjs[6]->BuLineN(), 1);
}

TEST(Drawing, BlockIsTheBevelledSquareWithFixedTwipsOffsets) {
    RecordingSurface s;
    clsBlockMake block;
    block.BlockMake(s, 393, 1965, 3731, 0x00FF00);
    const std::vector<Primitive> expected = {
        testing::Fore(0x00FF00),
        testing::Box(3739, 1973, 4116, 2350),
        testing::Width(1),
        testing::Line(3739, 1973, 4132, 1973, 0xFFFFFF),
        testing::Line(3739, 1973, 3739, 2366, 0xFFFFFF),
        testing::Line(3755, 1989, 4148, 1989, 0xC0C0C0),
        testing::Line(3755, 1989, 3755, 2382, 0xC0C0C0),
        testing::Line(4124, 2358, 4124, 1965, 0x000000),
        testing::Line(4124, 2358, 3731, 2358, 0x000000),
        testing::Line(4116, 2350, 4116, 1957, 0x808080),
        testing::Line(4116, 2350, 3723, 2350, 0x808080),
    };
    EXPECT_EQ(s.drawn, expected);
    EXPECT_EQ(block.BlockTop, 1965);
    EXPECT_EQ(block.BlockLeft, 3731);
    EXPECT_EQ(block.BlockColor, 0x00FF00);
}

TEST(Drawing, ButtonIsADarkGreySquareOfHalfABlock) {
    RecordingSurface s;
    clsButtonMake button;
    Ishape& shape = button;
    shape.SetButtonLeft(3535);
    shape.SetButtonTop(2063);
    shape.ButtonMake(s, 196);
    ASSERT_EQ(s.drawn.size(), 11u);
    EXPECT_EQ(s.drawn[0], testing::Fore(0x404040));
    EXPECT_EQ(s.drawn[1], testing::Box(3543, 2071, 3723, 2251));
    EXPECT_EQ(s.drawn[10], testing::Line(3723, 2251, 3527, 2251, 0x808080));
}

TEST(Drawing, NetDrawsEveryBlockInIndexOrderThenTheButtons) {
    Cube cube(3);
    cube.ApplyMove(1, 1);
    LaidOut net(3, 6675, 5880, &cube);
    const auto& drawn = net.surface.drawn;
    ASSERT_EQ(drawn.size(), static_cast<std::size_t>((6 * 9 + 6 * 3) * 11));
    // Blocks come first, face by face, row by row, each in its cube colour.
    int j = 0;
    for (int f = 1; f <= 6; ++f)
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c, ++j) {
                EXPECT_EQ(drawn[static_cast<std::size_t>(j * 11)], testing::Fore(cube.CubeCells(f, r, c)));
                const clsBlockMake& block = net.board.Block(f, r, c, 3);
                EXPECT_EQ(drawn[static_cast<std::size_t>(j * 11 + 1)].x1, static_cast<float>(block.BlockLeft + 8));
            }
    for (std::size_t b = 54; b < 72; ++b) EXPECT_EQ(drawn[b * 11], testing::Fore(0x404040));
    EXPECT_EQ(net.surface.batches, 2) << "one redraw bracket for the blocks, one for the buttons";
}

TEST(Drawing, RedrawAfterAMoveKeepsEveryBlockInPlace) {
    LaidOut net(4, 9000, 7000);
    std::vector<std::pair<std::int32_t, std::int32_t>> before;
    for (const auto& block : net.board.BlockObjs) before.emplace_back(block.BlockLeft, block.BlockTop);
    Cube cube(4);
    cube.ApplyMove(1, 1);
    BlockDrawAll(net.board, cube, net.surface, 9000);
    for (std::size_t j = 1; j < before.size(); ++j) {
        EXPECT_EQ(net.board.BlockObjs[j].BlockLeft, before[j].first);
        EXPECT_EQ(net.board.BlockObjs[j].BlockTop, before[j].second);
    }
    EXPECT_EQ(net.board.Block(1, 1, 1, 4).BlockColor, cube.CubeCells(1, 1, 1));
    EXPECT_EQ(net.board.Block(1, 1, 1, 4).BlockColor, kFaceColors[2]) << "face 1's top row came from face 2";
}

TEST(HitTest, EdgesCountGapsDoNotAndTheFirstButtonWins) {
    LaidOut net(3, 6675, 5880);
    struct Case {
        float x, y;
        int kind, line;  // 0, 0: no button
    };
    const std::vector<Case> cases = {
        {3535, 2063, 1, 1},    {3731, 2259, 1, 1},  // both corners of button (1, 1) belong to it
        {3534, 2063, 0, 0},    {3535, 2062, 0, 0},  // one twip outside
        {3600, 2300, 0, 0},                         // between buttons (1, 1) and (1, 2)
        {3535.5f, 2456, 1, 2}, {4910, 2849, 2, 3}, {5106, 3045, 2, 3},    {5107, 3045, 0, 0},
        {3829, 1769, 3, 1},    {6383, 3340, 6, 3}, {6383.5f, 3340, 0, 0}, {4000, 2500, 0, 0},  // on a block
    };
    for (const auto& c : cases) {
        const Ishape* hit = HitTest(net.board, c.x, c.y);
        if (c.kind == 0) {
            EXPECT_EQ(hit, nullptr) << c.x << "," << c.y;
        } else {
            ASSERT_NE(hit, nullptr) << c.x << "," << c.y;
            EXPECT_EQ(hit->BuFaceN(), c.kind) << c.x << "," << c.y;
            EXPECT_EQ(hit->BuLineN(), c.line) << c.x << "," << c.y;
        }
    }
    // In a tiny window the buttons overlap; the first in the collection wins.
    LaidOut tiny(2, 20, 20);
    const Ishape* first = HitTest(tiny.board, 12, 8);  // on button (1, 1) and on button (3, 1)
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->BuFaceN(), 1);
}

TEST(Board, ClearingForgetsButtonsButKeepsTheirDrawing) {
    LaidOut net(3, 6675, 5880);
    Board empty;
    BobjClear(empty);
    EXPECT_TRUE(empty.ButtonObjs.empty());
    const std::size_t drawnBefore = net.surface.drawn.size();
    BobjClear(net.board);
    EXPECT_TRUE(net.board.ButtonObjs.empty());
    EXPECT_EQ(net.surface.drawn.size(), drawnBefore) << "nothing is erased";
    EXPECT_EQ(HitTest(net.board, 3535, 2063), nullptr);
}

TEST(Board, FindButtonGivesTheIndexOfTheButtonThatMakesAMove) {
    LaidOut net(3, 6675, 5880);
    EXPECT_EQ(FindButton(net.board, {3, 1}), std::optional<std::size_t>(6));
    EXPECT_EQ(FindButton(net.board, {6, 3}), std::optional<std::size_t>(17));
    for (const Move none : {Move{}, Move{1, 4}, Move{7, 1}, Move{2, 0}}) EXPECT_FALSE(FindButton(net.board, none));
    BobjClear(net.board);
    EXPECT_FALSE(FindButton(net.board, {1, 1}));
}

// ---------------------------------------------------------------- arrow keys

// "kind,line" of the button at index i.
std::string ButtonAt(const Board& board, std::size_t i) {
    return std::to_string(board.ButtonObjs[i]->BuFaceN()) + "," + std::to_string(board.ButtonObjs[i]->BuLineN());
}

TEST(ArrowKeys, GoAroundTheNetOfThreeAsThePlayerSeesIt) {
    LaidOut net(3, 6675, 5880);
    struct Case {
        Move from;
        Arrow arrow;
        Move to;  // no move: the button stays marked
    };
    const std::vector<Case> cases = {
        {{1, 1}, Arrow::Down, {1, 2}},  {{1, 3}, Arrow::Down, {4, 1}},   // along the group, then round the corner
        {{1, 1}, Arrow::Up, {3, 1}},    {{1, 2}, Arrow::Right, {2, 2}},  // across the face, on the same row
        {{1, 1}, Arrow::Left, {}},      {{2, 1}, Arrow::Up, {3, 3}},     // nothing further left; the nearer corner
        {{2, 2}, Arrow::Right, {5, 1}}, {{2, 3}, Arrow::Right, {6, 1}},  // a tie goes to the earlier button
        {{2, 3}, Arrow::Down, {4, 3}},  {{3, 1}, Arrow::Right, {3, 2}}, {{3, 3}, Arrow::Right, {5, 1}},
        {{3, 1}, Arrow::Left, {1, 1}},  // on along the row above the band
        {{3, 2}, Arrow::Down, {4, 2}},  {{3, 1}, Arrow::Up, {}},        {{5, 1}, Arrow::Left, {3, 3}},
        {{5, 3}, Arrow::Right, {}},     {{5, 2}, Arrow::Down, {6, 2}},  {{6, 1}, Arrow::Left, {4, 3}},
        {{6, 3}, Arrow::Down, {}},      {{4, 1}, Arrow::Left, {1, 3}},  {{4, 2}, Arrow::Up, {3, 2}},
    };
    for (const auto& c : cases) {
        const auto from = FindButton(net.board, c.from);
        ASSERT_TRUE(from);
        const auto to = NextButton(net.board, *from, c.arrow);
        const std::string what = ButtonAt(net.board, *from) + " arrow " + std::to_string(static_cast<int>(c.arrow));
        if (c.to.kind == MoveKind::None) {
            EXPECT_FALSE(to) << what;
        } else {
            ASSERT_TRUE(to) << what;
            EXPECT_EQ(ButtonAt(net.board, *to), std::to_string(NumberOf(c.to.kind)) + "," + std::to_string(c.to.line))
                << what;
        }
    }
    EXPECT_FALSE(NextButton(net.board, 18, Arrow::Up)) << "no such button";
    EXPECT_FALSE(NextButton(Board{}, 0, Arrow::Down));
}

TEST(ArrowKeys, RunAlongEveryGroupAndReachEveryButtonAtEverySize) {
    struct Window {
        float width, height;
    };
    for (const Window w : {Window{6675, 5880}, Window{1920 * 15, 1050 * 15}, Window{1024 * 15, 700 * 15}})
        for (int n = 2; n <= 10; ++n) {
            LaidOut net(n, w.width, w.height);
            const Board& b = net.board;
            // Along a group: the arrows of its direction go line by line.
            for (int k = 1; k <= 6; ++k) {
                const Arrow onward = k <= 2 ? Arrow::Down : Arrow::Right;
                const Arrow back = k <= 2 ? Arrow::Up : Arrow::Left;
                for (int i = 1; i < n; ++i) {
                    const std::size_t here = *FindButton(b, {k, i});
                    const std::size_t next = *FindButton(b, {k, i + 1});
                    EXPECT_EQ(NextButton(b, here, onward), next) << "N=" << n << " group " << k << " line " << i;
                    EXPECT_EQ(NextButton(b, next, back), here) << "N=" << n << " group " << k << " line " << i + 1;
                }
            }
            // Every button can be reached from the first one.
            std::set<std::size_t> reached = {0};
            std::vector<std::size_t> open = {0};
            while (!open.empty()) {
                const std::size_t at = open.back();
                open.pop_back();
                for (Arrow a : {Arrow::Left, Arrow::Right, Arrow::Up, Arrow::Down})
                    if (const auto next = NextButton(b, at, a); next && reached.insert(*next).second)
                        open.push_back(*next);
            }
            EXPECT_EQ(reached.size(), static_cast<std::size_t>(6 * n))
                << "N=" << n << " in " << w.width << "x" << w.height;
        }
}

}  // namespace
}  // namespace tessaro
