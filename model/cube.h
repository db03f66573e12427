#pragma once
// The cube: colours of the 6 x N x N blocks, the six line moves and the
// solved-face count. Pure values and loops; no I/O, no clock, no chance.

#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

namespace tessaro {

// Solved colours, 0x00BBGGRR, indexed by face 1..6; entry 0 is never read.
inline constexpr std::array<std::int32_t, 7> kFaceColors = {
    0x000000,
    0x00FF00,  // 1 front, centre of the cross: green
    0x0000FF,  // 2 right: red
    0xFF0000,  // 3 back, left end of the band: blue
    0x00FFFF,  // 4 left: yellow
    0xFFFF00,  // 5 bottom: cyan
    0xFF00FF,  // 6 top: magenta
};

inline constexpr int kMinBlockN = 2;
inline constexpr int kMaxBlockN = 10;

// Kinds 1/2, 3/4 and 5/6 undo each other.
constexpr int ReverseKind(int kind) { return kind % 2 == 1 ? kind + 1 : kind - 1; }

class Cube {
public:
    // Block count per face side, 2..10. A value outside that range is
    // brought to the nearest end so that a cube always exists and is playable.
    explicit Cube(int blockN);

    int BlockN() const { return n_; }

    // Cell access by face 0..6, row 0..N, column 0..N. Index 0 of every
    // dimension exists, as in the array the game was designed around, but no
    // operation of the game reads or writes it. Indexes outside those ranges
    // are a programming error.
    std::int32_t& CubeCells(int face, int row, int col) { return cells_[Index(face, row, col)]; }
    std::int32_t CubeCells(int face, int row, int col) const { return cells_[Index(face, row, col)]; }

    // Paints every face in its solved colour; index-0 cells are left alone.
    void CubeInit();

    // Moves line `line` (1..N) of kind 1..6 one face onward; an edge line also
    // turns the neighbouring face a quarter. A kind outside 1..6 or a line
    // outside 1..N makes no move and touches nothing.
    void ApplyMove(int kind, int line);

    // Recomputes FaceDone() (each face scanned row by row, stopping at the
    // first block that differs from its top-left block) and returns how many
    // faces are of one colour, whatever that colour is.
    int CountSolvedFaces();
    const std::array<bool, 7>& FaceDone() const { return faceDone_; }

private:
    std::size_t Index(int face, int row, int col) const {
        assert(face >= 0 && face <= 6 && row >= 0 && row <= n_ && col >= 0 && col <= n_);
        return (static_cast<std::size_t>(face) * stride_ + static_cast<std::size_t>(row)) * stride_ +
               static_cast<std::size_t>(col);
    }
    void TurnFace(int face, bool clockwise);

    int n_;
    std::size_t stride_;              // N + 1
    std::vector<std::int32_t> cells_;  // 7 x (N+1) x (N+1)
    std::vector<std::int32_t> old_;    // scratch copy for one simultaneous move
    std::array<bool, 7> faceDone_{};
};

}  // namespace tessaro
