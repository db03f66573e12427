#pragma once
// The page's retained drawing: every primitive goes into an image of device
// pixels (4 bytes each, red, green, blue, alpha, as a canvas takes them),
// and the page copies what changed onto its canvas. The rules are the
// desktop's: twips to device pixels at the device pixel ratio, a half
// upwards; lines one device pixel wide per drawing pixel, whole so they
// stay crisp; both corners of a box part of it; no blending.

#include <cstdint>
#include <vector>

#include "board/surface.h"

namespace tessaro {

// A rectangle of device pixels, right and bottom not included.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return left >= right || top >= bottom; }
    bool operator==(const PixelBox&) const = default;
};

class PixelSurface final : public Surface {
public:
    // `background` is 0x00BBGGRR, like every colour of the game.
    explicit PixelSurface(std::int32_t background);

    // A new size of the client area in CSS pixels at a device pixel ratio.
    // The image is ceil(size * ratio) device pixels. What was drawn stays in
    // the part still inside, unless the ratio changed.
    void Resize(double cssWidth, double cssHeight, double devicePixelRatio);
    int Width() const { return width_; }
    int Height() const { return height_; }
    double DevicePixelRatio() const { return dpr_; }
    const std::uint8_t* Pixels() const { return reinterpret_cast<const std::uint8_t*>(pixels_.data()); }

    // What changed since the last call, and forgets it.
    PixelBox TakeChanged();

    // The device pixels a filled box with these corners (twips, both part
    // of it) covers.
    PixelBox DeviceBox(float x1, float y1, float x2, float y2) const;
    // Twips to device pixels, a half upwards.
    int Px(float twips) const;

    void Cls() override;
    void SetForeColor(std::int32_t color) override { fore_ = ToPixel(color); }
    void SetDrawWidth(int width) override { drawWidth_ = width < 1 ? 1 : width; }
    void FilledBox(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, std::int32_t color) override;

    // 0x00BBGGRR as the four bytes R, G, B, 255 in memory.
    static std::uint32_t ToPixel(std::int32_t bgr);

private:
    // Device pixels per drawing pixel.
    int Unit() const { return dpr_ < 1.5 ? 1 : static_cast<int>(dpr_ + 0.5); }
    void Fill(int left, int top, int right, int bottom, std::uint32_t pixel);

    std::uint32_t background_;
    std::vector<std::uint32_t> pixels_;
    int width_ = 0, height_ = 0;
    double dpr_ = 1.0;
    PixelBox changed_;
    std::uint32_t fore_ = 0;
    int drawWidth_ = 1;
};

}  // namespace tessaro
