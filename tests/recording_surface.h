#pragma once
// A surface that remembers every primitive with its exact twips coordinates.

#include <cstdint>
#include <ostream>
#include <vector>

#include "board/surface.h"

namespace tessaro::testing {

struct Primitive {
    enum Kind { Cls, ForeColor, DrawWidth, Box, Line } kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t value = 0;  // colour, or the draw width

    bool operator==(const Primitive&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Primitive& p) {
    static const char* names[] = {"Cls", "ForeColor", "DrawWidth", "Box", "Line"};
    return os << names[p.kind] << "(" << p.x1 << "," << p.y1 << ")-(" << p.x2 << "," << p.y2 << ") " << std::hex
              << p.value << std::dec;
}

inline Primitive Fore(std::int32_t c) { return {Primitive::ForeColor, 0, 0, 0, 0, c}; }
inline Primitive Width(int w) { return {Primitive::DrawWidth, 0, 0, 0, 0, w}; }
inline Primitive Box(float x1, float y1, float x2, float y2) { return {Primitive::Box, x1, y1, x2, y2, 0}; }
inline Primitive Line(float x1, float y1, float x2, float y2, std::int32_t c) {
    return {Primitive::Line, x1, y1, x2, y2, c};
}

class RecordingSurface : public Surface {
public:
    std::vector<Primitive> drawn;
    int batches = 0;

    void Cls() override { drawn.push_back({Primitive::Cls}); }
    void SetForeColor(std::int32_t color) override { drawn.push_back(Fore(color)); }
    void SetDrawWidth(int width) override { drawn.push_back(Width(width)); }
    void FilledBox(float x1, float y1, float x2, float y2) override { drawn.push_back(Box(x1, y1, x2, y2)); }
    void Line(float x1, float y1, float x2, float y2, std::int32_t color) override {
        drawn.push_back(testing::Line(x1, y1, x2, y2, color));
    }
    void BeginDraw() override { ++batches; }
};

}  // namespace tessaro::testing
