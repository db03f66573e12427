#include "web/pixel_surface.h"

#include <algorithm>
#include <cmath>

#include "board/twips.h"

namespace tessaro {

namespace {

constexpr TwipsScale kCssScale{15.0};  // 15 twips to a CSS pixel, as at 96 DPI

PixelBox Union(const PixelBox& a, const PixelBox& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

PixelSurface::PixelSurface(std::int32_t background) : background_(ToPixel(background)) {}

std::uint32_t PixelSurface::ToPixel(std::int32_t bgr) {
    // Little-endian memory: the low byte comes first, so 0x00BBGGRR is
    // already R, G, B; alpha goes on top.
    return static_cast<std::uint32_t>(bgr & 0xFFFFFF) | 0xFF000000U;
}

void PixelSurface::Resize(double cssWidth, double cssHeight, double devicePixelRatio) {
    if (!(devicePixelRatio > 0)) devicePixelRatio = 1.0;
    const int w = std::max(1, static_cast<int>(std::ceil(std::max(cssWidth, 0.0) * devicePixelRatio)));
    const int h = std::max(1, static_cast<int>(std::ceil(std::max(cssHeight, 0.0) * devicePixelRatio)));
    if (w == width_ && h == height_ && devicePixelRatio == dpr_) return;
    std::vector<std::uint32_t> next(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), background_);
    if (devicePixelRatio == dpr_) {
        const int rows = std::min(h, height_);
        const int cols = std::min(w, width_);
        for (int y = 0; y < rows; ++y)
            std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_, cols,
                        next.begin() + static_cast<std::ptrdiff_t>(y) * w);
    }
    pixels_ = std::move(next);
    width_ = w;
    height_ = h;
    dpr_ = devicePixelRatio;
    changed_ = {0, 0, w, h};
}

PixelBox PixelSurface::TakeChanged() {
    const PixelBox box = changed_;
    changed_ = {};
    return box;
}

int PixelSurface::Px(float twips) const { return kCssScale.ToDevicePixels(twips, dpr_); }

void PixelSurface::Fill(int left, int top, int right, int bottom, std::uint32_t pixel) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
        std::fill(row + left, row + right, pixel);
    }
    changed_ = Union(changed_, {left, top, right, bottom});
}

void PixelSurface::Cls() { Fill(0, 0, width_, height_, background_); }

PixelBox PixelSurface::DeviceBox(float x1, float y1, float x2, float y2) const {
    const int u = Unit();
    return {Px(std::min(x1, x2)), Px(std::min(y1, y2)), Px(std::max(x1, x2)) + u, Px(std::max(y1, y2)) + u};
}

void PixelSurface::FilledBox(float x1, float y1, float x2, float y2) {
    const PixelBox box = DeviceBox(x1, y1, x2, y2);
    Fill(box.left, box.top, box.right, box.bottom, fore_);
}

void PixelSurface::Line(float x1, float y1, float x2, float y2, std::int32_t color) {
    const std::uint32_t c = ToPixel(color);
    const int u = Unit();
    const int w = u * drawWidth_;
    const int ax = Px(x1), ay = Px(y1), bx = Px(x2), by = Px(y2);
    // From the first point up to, not including, the second. The net has
    // only lines along the axes, and a slanted one is left undrawn.
    if (ay == by) {
        if (ax <= bx) Fill(ax, ay, bx, ay + w, c);
        else Fill(bx + u, ay, ax + u, ay + w, c);
    } else if (ax == bx) {
        if (ay <= by) Fill(ax, ay, ax + w, by, c);
        else Fill(ax, by + u, ax + w, ay + u, c);
    }
}

}  // namespace tessaro
