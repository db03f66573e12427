#pragma once
// What the board draws on: the main window's retained surface in the game,
// a recording surface in the tests. Coordinates are twips, passed as
// single-precision reals as the drawing code computes them; colours are
// 0x00BBGGRR values.

#include <cstdint>

namespace tessaro {

class Surface {
public:
    virtual ~Surface() = default;

    // Erases everything drawn (the window's Cls).
    virtual void Cls() = 0;
    virtual void SetForeColor(std::int32_t color) = 0;
    // Line width in pixels for the following lines.
    virtual void SetDrawWidth(int width) = 0;
    // A box filled with the current foreground colour, both corners included.
    virtual void FilledBox(float x1, float y1, float x2, float y2) = 0;
    // A straight line from the first point towards the second, which is not
    // itself drawn.
    virtual void Line(float x1, float y1, float x2, float y2, std::int32_t color) = 0;

    // Bracket a whole redraw, so that a real surface can keep one painter
    // for all of its primitives. Drawing outside a bracket works too.
    virtual void BeginDraw() {}
    virtual void EndDraw() {}
};

// Brackets a redraw for the lifetime of the object.
class DrawBatch {
public:
    explicit DrawBatch(Surface& surface) : surface_(surface) { surface_.BeginDraw(); }
    ~DrawBatch() { surface_.EndDraw(); }
    DrawBatch(const DrawBatch&) = delete;
    DrawBatch& operator=(const DrawBatch&) = delete;

private:
    Surface& surface_;
};

}  // namespace tessaro
