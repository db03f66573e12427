#include "board/bevel.h"

namespace tessaro {

void DrawBevelSquare(Surface& s, std::int32_t S, std::int32_t L, std::int32_t T, std::int32_t fill) {
    auto f = [](std::int32_t v) { return static_cast<float>(v); };
    s.SetForeColor(fill);
    s.FilledBox(f(L + 8), f(T + 8), f(L + S - 8), f(T + S - 8));
    s.SetDrawWidth(1);
    s.Line(f(L + 8), f(T + 8), f(L + S + 8), f(T + 8), 0xFFFFFF);
    s.Line(f(L + 8), f(T + 8), f(L + 8), f(T + S + 8), 0xFFFFFF);
    s.Line(f(L + 24), f(T + 24), f(L + S + 24), f(T + 24), 0xC0C0C0);
    s.Line(f(L + 24), f(T + 24), f(L + 24), f(T + S + 24), 0xC0C0C0);
    s.Line(f(L + S), f(T + S), f(L + S), f(T), 0x000000);
    s.Line(f(L + S), f(T + S), f(L), f(T + S), 0x000000);
    s.Line(f(L + S - 8), f(T + S - 8), f(L + S - 8), f(T - 8), 0x808080);
    s.Line(f(L + S - 8), f(T + S - 8), f(L - 8), f(T + S - 8), 0x808080);
}

}  // namespace tessaro
