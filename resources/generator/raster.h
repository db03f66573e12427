#pragma once
// A tiny vector painter for the game's pictures. Shapes are stacked in the
// order they are added, and every pixel is sampled on a regular 8 x 8 grid,
// so the same shapes give the same pixels on every run. Nothing here
// depends on fonts, screens or the toolkit's own smoothing.

#include <cstdint>
#include <functional>
#include <vector>

namespace tessaro {

struct Point {
    double x = 0;
    double y = 0;
};

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

inline constexpr Rgba kClear{0, 0, 0, 0};
inline constexpr Rgba kBlack{0, 0, 0, 255};
inline constexpr Rgba kWhite{255, 255, 255, 255};

// `to` laid over `from` with weight t (0..1), rounded to the nearest level.
Rgba Mix(Rgba from, Rgba to, double t);

// Full colour, row by row from the top, alpha not premultiplied.
struct ColourImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
    Rgba At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Indexes into a small palette, row by row from the top. A palette entry
// whose alpha is 0 marks a transparent pixel.
struct PaletteImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> palette;
    std::vector<std::uint8_t> pixels;
};

class Scene {
public:
    explicit Scene(Rgba background = kClear) : background_(background) {}

    void Polygon(Rgba colour, std::vector<Point> corners);
    void Ellipse(Rgba colour, Point centre, double rx, double ry);
    // A stroke of the given width with round ends.
    void Line(Rgba colour, Point from, Point to, double width);
    // A stroke along a circle with round ends. Angles in degrees, clockwise
    // on the screen from the +x direction (90 points down), `from` < `to`,
    // at most half a turn apart.
    void Arc(Rgba colour, Point centre, double radius, double fromDegrees, double toDegrees, double width);

    // Each pixel is the average of its 64 samples; uncovered samples take
    // the background colour. Smooth edges, for full-colour pictures.
    ColourImage Render(int width, int height) const;
    // Each pixel takes the colour that covers most of it, so only the
    // scene's own colours appear: crisp pixels, for few-colour pictures.
    ColourImage RenderCrisp(int width, int height) const;

private:
    template <typename Combine>
    ColourImage RenderWith(int width, int height, Combine combine) const;

    struct Layer {
        Rgba colour;
        double left, top, right, bottom;  // bounding box
        std::function<bool(Point)> contains;
    };
    Rgba background_;
    std::vector<Layer> layers_;
};

// Each pixel becomes its nearest palette colour. A pixel less than half
// covered becomes the palette's transparent entry when it has one, so the
// edge against the outside stays crisp; within the picture a smooth render
// is smoothed only by the in-between colours the palette offers.
PaletteImage Quantise(const ColourImage& image, const std::vector<Rgba>& palette);

}  // namespace tessaro
