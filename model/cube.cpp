#include "model/cube.h"

#include <algorithm>

namespace tessaro {

Cube::Cube(int blockN)
    : n_(std::clamp(blockN, kMinBlockN, kMaxBlockN)),
      stride_(static_cast<std::size_t>(n_) + 1),
      cells_(7 * stride_ * stride_, 0),
      old_(cells_.size(), 0) {
    CubeInit();
}

void Cube::CubeInit() {
    for (int f = 1; f <= 6; ++f)
        for (int r = 1; r <= n_; ++r)
            for (int c = 1; c <= n_; ++c) CubeCells(f, r, c) = kFaceColors[static_cast<std::size_t>(f)];
}

void Cube::TurnFace(int face, bool clockwise) {
    // Reads only from old_, which still holds this face as it was before the
    // move: the ring step of a move never writes the face that turns.
    const int N = n_;
    for (int r = 1; r <= N; ++r)
        for (int c = 1; c <= N; ++c)
            CubeCells(face, r, c) = clockwise ? old_[Index(face, N + 1 - c, r)] : old_[Index(face, c, N + 1 - r)];
}

void Cube::ApplyMove(int kind, int line) {
    if (kind < 1 || kind > 6 || line < 1 || line > n_) return;
    old_ = cells_;  // one simultaneous permutation: every source is read from here
    const int N = n_;
    const int L = line;
    const int M = N + 1 - L;  // mirror of the line
    auto C = [this](int f, int r, int c) -> std::int32_t& { return CubeCells(f, r, c); };
    auto O = [this](int f, int r, int c) { return old_[Index(f, r, c)]; };

    for (int k = 1; k <= N; ++k) {
        const int K = N + 1 - k;  // mirror of k
        switch (kind) {
        case 1:  // row L of the band one face to the left
            C(1, L, k) = O(2, L, k);
            C(4, L, k) = O(1, L, k);
            C(3, L, k) = O(4, L, k);
            C(2, L, k) = O(3, L, k);
            break;
        case 2:  // row L of the band one face to the right
            C(2, L, k) = O(1, L, k);
            C(1, L, k) = O(4, L, k);
            C(4, L, k) = O(3, L, k);
            C(3, L, k) = O(2, L, k);
            break;
        case 3:  // column L up through 5, 1, 6 and over the back (face 3, reversed)
            C(6, k, L) = O(1, k, L);
            C(1, k, L) = O(5, k, L);
            C(5, k, L) = O(3, K, M);
            C(3, k, M) = O(6, K, L);
            break;
        case 4:  // the same column down
            C(5, k, L) = O(1, k, L);
            C(1, k, L) = O(6, k, L);
            C(6, k, L) = O(3, K, M);
            C(3, k, M) = O(5, K, L);
            break;
        case 5:  // slice L behind face 1, counter-clockwise: 5 -> 2 -> 6 -> 4 -> 5
            C(6, M, k) = O(2, k, L);
            C(2, k, L) = O(5, L, K);
            C(5, L, k) = O(4, k, M);
            C(4, k, M) = O(6, M, K);
            break;
        case 6:  // the same slice clockwise
            C(2, k, L) = O(6, M, k);
            C(5, L, k) = O(2, K, L);
            C(4, k, M) = O(5, L, k);
            C(6, M, k) = O(4, K, M);
            break;
        }
    }

    // An edge line also turns the face that borders the slice on that side.
    struct Turn {
        int face;
        bool clockwise;
    };
    static constexpr Turn kFirstLine[7] = {{0, false}, {6, true},  {6, false}, {4, false},
                                           {4, true},  {1, false}, {1, true}};
    static constexpr Turn kLastLine[7] = {{0, false}, {5, false}, {5, true}, {2, true},
                                          {2, false}, {3, true},  {3, false}};
    if (L == 1) TurnFace(kFirstLine[kind].face, kFirstLine[kind].clockwise);
    if (L == N) TurnFace(kLastLine[kind].face, kLastLine[kind].clockwise);
}

int Cube::CountSolvedFaces() {
    int count = 0;
    for (int f = 1; f <= 6; ++f) {
        const bool done = FaceSolved(f);
        faceDone_[static_cast<std::size_t>(f)] = done;
        if (done) ++count;
    }
    return count;
}

bool Cube::FaceSolved(int face) const {
    const std::int32_t reference = CubeCells(face, 1, 1);
    for (int r = 1; r <= n_; ++r)
        for (int c = 1; c <= n_; ++c)
            if (CubeCells(face, r, c) != reference) return false;
    return true;
}

}  // namespace tessaro
