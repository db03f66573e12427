#pragma once
// The drawn net: block objects, move buttons, and the procedures that lay
// them out, draw them and find the button under the pointer.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "board/block.h"
#include "board/button.h"
#include "board/geometry.h"
#include "board/surface.h"
#include "model/cube.h"

namespace tessaro {

struct Board {
    std::int32_t BlockSize = 0;
    std::int32_t HalfBlock = 0;
    // Indexed 1 .. 6 N^2 by BlockIndex; entry 0 exists and is never used.
    std::vector<clsBlockMake> BlockObjs;
    // In creation order: group 1 lines 1..N, then groups 2 to 6. Holds the
    // only references to the buttons.
    std::vector<std::unique_ptr<Ishape>> ButtonObjs;

    // A new game's empty block array for a cube of n blocks per side.
    void ResetBlocks(int n);
    const clsBlockMake& Block(int face, int row, int col, int n) const;
};

// Sets BlockSize and HalfBlock for the client size.
void BlockSizeCalc(Board& board, int n, float scaleWidth, float scaleHeight);

// Redraws every block from the cube, in block-index order, over its own
// previous drawing; nothing is erased first and the buttons are not redrawn.
void BlockDrawAll(Board& board, const Cube& cube, Surface& surface, float scaleWidth);

// Creates and draws the 6 N buttons beside faces 1 and 2 and appends them to
// ButtonObjs (which the caller has emptied). Reads the positions of blocks
// already laid out by BlockDrawAll. Returns where the three message labels go.
std::array<LabelPlace, 3> ButtonMakeAll(Board& board, int n, Surface& surface);

// Forgets every button; their drawing stays until the next Cls.
void BobjClear(Board& board);

// The first button, in collection order, whose square (edges included)
// holds the point; nullptr when none does.
const Ishape* HitTest(const Board& board, float x, float y);

// The index in ButtonObjs of the button that makes this move; none when the
// net has no such button (before a game, after a win).
std::optional<std::size_t> FindButton(const Board& board, Move move);

}  // namespace tessaro
