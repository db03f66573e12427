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

// The faces by number: the front is the centre of the net's cross, the back
// the left end of its band.
enum Face : int { kFront = 1, kRight = 2, kBack = 3, kLeft = 4, kBottom = 5, kTop = 6 };

// The six kinds of move, numbered as the move buttons number them (BuFaceN).
enum class MoveKind : std::int32_t {
    None = 0,      // no move: an empty history entry, or a number outside 1..6
    RowLeft = 1,   // a row of the band one face to the left
    RowRight = 2,  // the same row to the right
    ColUp = 3,     // a column up through faces 5, 1, 6 and over the back
    ColDown = 4,   // the same column down
    SliceCcw = 5,  // a slice behind the front, counter-clockwise
    SliceCw = 6,   // the same slice clockwise
};

constexpr MoveKind KindOf(std::int32_t number) {
    return number >= 1 && number <= 6 ? static_cast<MoveKind>(number) : MoveKind::None;
}
constexpr std::int32_t NumberOf(MoveKind kind) { return static_cast<std::int32_t>(kind); }

// One move: its kind and the line (1..N) it moves.
struct Move {
    MoveKind kind = MoveKind::None;
    std::int32_t line = 0;

    constexpr Move() = default;
    constexpr Move(MoveKind moveKind, std::int32_t moveLine) : kind(moveKind), line(moveLine) {}
    // From the kind's number, as a button or a shuffle draw gives it.
    constexpr Move(std::int32_t kindNumber, std::int32_t moveLine) : kind(KindOf(kindNumber)), line(moveLine) {}

    bool operator==(const Move&) const = default;
};

// The move that undoes this one, on the same line: kinds 1/2, 3/4 and 5/6
// undo each other. No move stays no move.
constexpr Move Reverse(Move move) {
    if (move.kind == MoveKind::None) return move;
    const std::int32_t k = NumberOf(move.kind);
    return {k % 2 == 1 ? k + 1 : k - 1, move.line};
}

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
    void ApplyMove(Move move) { ApplyMove(NumberOf(move.kind), move.line); }

    // Recomputes FaceDone() (each face scanned row by row, stopping at the
    // first block that differs from its top-left block) and returns how many
    // faces are of one colour, whatever that colour is.
    int CountSolvedFaces();
    // Whether every block of the face (1..6) has the colour of its top-left
    // block; changes nothing.
    bool FaceSolved(int face) const;
    const std::array<bool, 7>& FaceDone() const { return faceDone_; }

private:
    std::size_t Index(int face, int row, int col) const {
        assert(face >= 0 && face <= 6 && row >= 0 && row <= n_ && col >= 0 && col <= n_);
        return (static_cast<std::size_t>(face) * stride_ + static_cast<std::size_t>(row)) * stride_ +
               static_cast<std::size_t>(col);
    }
    void TurnFace(int face, bool clockwise);

    int n_;
    std::size_t stride_;               // N + 1
    std::vector<std::int32_t> cells_;  // 7 x (N+1) x (N+1)
    std::vector<std::int32_t> old_;    // scratch copy for one simultaneous move
    std::array<bool, 7> faceDone_{};
};

}  // namespace tessaro
