#include "board/board.h"

#include "board/rounding.h"
#include "model/cube.h"

namespace tessaro {

void Board::ResetBlocks(int n) { BlockObjs.assign(static_cast<std::size_t>(6 * n * n + 1), clsBlockMake{}); }

const clsBlockMake& Board::Block(int face, int row, int col, int n) const {
    return BlockObjs[static_cast<std::size_t>(BlockIndex(face, row, col, n))];
}

void BlockSizeCalc(Board& board, int n, float scaleWidth, float scaleHeight) {
    const BlockSizes sizes = BlockSizeCalc(n, scaleWidth, scaleHeight);
    board.BlockSize = sizes.BlockSize;
    board.HalfBlock = sizes.HalfBlock;
}

void BlockDrawAll(Board& board, const Cube& cube, Surface& surface, float scaleWidth) {
    const int n = cube.BlockN();
    if (board.BlockObjs.size() != static_cast<std::size_t>(6 * n * n + 1)) board.ResetBlocks(n);
    const std::int32_t m = HorizontalOffset(n, scaleWidth, board.BlockSize);
    DrawBatch batch(surface);
    std::size_t j = 1;
    for (int f = 1; f <= 6; ++f)
        for (int r = 1; r <= n; ++r)
            for (int q = 1; q <= n; ++q) {
                const TwipsPoint at = BlockPosition(f, r, q, n, board.BlockSize, m);
                board.BlockObjs[j].BlockMake(surface, board.BlockSize, at.top, at.left, cube.CubeCells(f, r, q));
                ++j;
            }
}

std::array<LabelPlace, 3> ButtonMakeAll(Board& board, int n, Surface& surface) {
    const std::int32_t bs = board.BlockSize;
    const std::int32_t hb = board.HalfBlock;
    const clsBlockMake& face1 = board.Block(1, 1, 1, n);
    const clsBlockMake& face2 = board.Block(2, 1, 1, n);
    const double quarter = bs / 4.0;

    // The first button of each group; the others follow one block apart.
    struct Group {
        std::int32_t left, top;
        bool down;  // lines run down a column of buttons, else across a row
    };
    const std::int32_t rowTop = RoundHalfEven(face1.BlockTop + quarter);
    const std::int32_t face1Col = RoundHalfEven(face1.BlockLeft + quarter);
    const std::int32_t face2Col = RoundHalfEven(face2.BlockLeft + quarter);
    const std::array<Group, 7> groups = {{
        {0, 0, false},
        {face1.BlockLeft - hb, rowTop, true},                      // left of face 1
        {board.Block(1, 1, n, n).BlockLeft + bs, rowTop, true},    // right of face 1
        {face1Col, face1.BlockTop - hb, false},                    // above face 1
        {face1Col, board.Block(1, n, 1, n).BlockTop + bs, false},  // below face 1
        {face2Col, face2.BlockTop - hb, false},                    // above face 2
        {face2Col, board.Block(2, n, 1, n).BlockTop + bs, false},  // below face 2
    }};

    DrawBatch batch(surface);
    for (int k = 1; k <= 6; ++k) {
        const Group& g = groups[static_cast<std::size_t>(k)];
        for (int i = 1; i <= n; ++i) {
            auto button = std::make_unique<clsButtonMake>();
            Ishape& shape = *button;
            const std::int32_t step = (i - 1) * bs;
            shape.SetButtonTop(g.down ? g.top + step : g.top);
            shape.SetButtonLeft(g.down ? g.left : g.left + step);
            shape.SetBuFaceN(k);
            shape.SetBuLineN(i);
            shape.ButtonMake(surface, hb);
            board.ButtonObjs.push_back(std::move(button));
        }
    }

    const double labelLeft = board.Block(3, 1, 1, n).BlockLeft / 3.0;
    const std::int32_t labelTop = board.Block(6, 1, 1, n).BlockTop;
    return {{{labelLeft, labelTop}, {labelLeft, labelTop + kLabelSpacing}, {labelLeft, labelTop + 2 * kLabelSpacing}}};
}

void BobjClear(Board& board) { board.ButtonObjs.clear(); }

const Ishape* HitTest(const Board& board, float x, float y) {
    const double hb = board.HalfBlock;
    for (const auto& button : board.ButtonObjs) {
        const double left = button->ButtonLeft();
        const double top = button->ButtonTop();
        if (left <= x && x <= left + hb && top <= y && y <= top + hb) return button.get();
    }
    return nullptr;
}

std::optional<std::size_t> FindButton(const Board& board, Move move) {
    for (std::size_t i = 0; i < board.ButtonObjs.size(); ++i)
        if (Move{board.ButtonObjs[i]->BuFaceN(), board.ButtonObjs[i]->BuLineN()} == move) return i;
    return std::nullopt;
}

}  // namespace tessaro
