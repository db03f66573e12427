#include "resources/generator/artwork.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <numbers>

#include "resources/generator/cube_motif.h"

namespace tessaro {
namespace {

// ---- the cube: program icon, desktop icons, splash logo ----

// The 16-colour icons keep the cube's colours pure: a crisp one-pixel grid
// reads better at 32 pixels than a smoothed one.
const std::vector<Rgba> kCubeIconPalette = {kClear, kCubeLine, kCubeFront, kCubeTop, kCubeRight};

struct CubeSize {
    int size, block, depth, line;
};

// Hand-picked per size so that the straight lines land on whole pixels and
// the cube fills its square. Up to 32 pixels the lines are one pixel wide
// and drawn crisp; from 48 up they are thicker and smoothed.
constexpr std::array<CubeSize, 7> kCubeSizes = {{
    {16, 3, 2, 1},
    {24, 4, 3, 1},
    {32, 6, 4, 1},
    {48, 9, 5, 2},
    {64, 12, 7, 3},
    {128, 25, 14, 4},
    {256, 50, 27, 7},
}};

Scene CubeScene(const CubeSize& s) {
    Scene scene;
    AddCube(scene, PlaceCube(s.size, s.size, s.block, s.depth, s.line));
    return scene;
}

const CubeSize& CubeSizeFor(int size) {
    return *std::find_if(kCubeSizes.begin(), kCubeSizes.end(), [&](const CubeSize& s) { return s.size == size; });
}

PaletteImage DrawProgramIcon() { return Quantise(CubeScene(CubeSizeFor(32)).RenderCrisp(32, 32), kCubeIconPalette); }

ColourImage DrawThemeIcon(int size) {
    const CubeSize& s = CubeSizeFor(size);
    const Scene scene = CubeScene(s);
    return size <= 32 ? scene.RenderCrisp(size, size) : scene.Render(size, size);
}

// The splash logo on white. Its 16 colours hold each face colour and white
// with two steps towards black, enough to smooth the lines.
PaletteImage DrawLogo() {
    constexpr int kWidth = 323;
    constexpr int kHeight = 321;
    Scene scene(kWhite);
    AddCube(scene, PlaceCube(kWidth, kHeight, 62, 34, 10));
    std::vector<Rgba> palette = {kWhite, kBlack};
    for (Rgba base : {kWhite, kCubeFront, kCubeTop, kCubeRight}) {
        if (base != kWhite) palette.push_back(base);
        palette.push_back(Mix(base, kBlack, 1.0 / 3));
        palette.push_back(Mix(base, kBlack, 2.0 / 3));
    }
    return Quantise(scene.Render(kWidth, kHeight), palette);
}

// ---- the smiling face that points at buttons during the demonstration ----

// Measures in pixels of the image's own size; the small face keeps its
// lines one pixel wide instead of shrinking them with the face.
struct SmileyLook {
    int size;
    double outline;
    Point leftEye, rightEye;
    double eyeRx, eyeRy;
    Point mouthCentre;
    double mouthRadius, mouthWidth;
};

PaletteImage DrawSmiley(const SmileyLook& look) {
    constexpr Rgba kYellow{255, 214, 36, 255};
    const double r = look.size / 2.0;
    const Point centre{r, r};
    Scene scene;
    scene.Ellipse(kBlack, centre, r, r);
    scene.Ellipse(kYellow, centre, r - look.outline, r - look.outline);
    scene.Ellipse(kBlack, look.leftEye, look.eyeRx, look.eyeRy);
    scene.Ellipse(kBlack, look.rightEye, look.eyeRx, look.eyeRy);
    scene.Arc(kBlack, look.mouthCentre, look.mouthRadius, 30, 150, look.mouthWidth);
    return Quantise(scene.RenderCrisp(look.size, look.size), {kClear, kBlack, kYellow});
}

constexpr SmileyLook kSmiley32{32, 1.6, {11.5, 12.5}, {20.5, 12.5}, 2.0, 3.2, {16, 16}, 9.0, 2.2};
constexpr SmileyLook kSmiley16{16, 1.0, {5.5, 6.0}, {10.5, 6.0}, 0.9, 1.6, {8, 8}, 4.5, 1.2};

// ---- the invisible mouse pointer ----

PaletteImage DrawInvisible() {
    constexpr int kSize = 32;
    return {kSize, kSize, {kClear}, std::vector<std::uint8_t>(kSize * kSize, 0)};
}

// ---- the congratulations background ----

// Pastel bands, each 24 pixels wide, flowing into each other: a band keeps
// its colour near its middle and eases into the next with a smoothstep.
ColourImage DrawRainbow() {
    constexpr int kWidth = 192;
    constexpr int kHeight = 134;
    constexpr std::array<Rgba, 8> kBands = {{
        {248, 142, 142, 255},  // red
        {248, 150, 206, 255},  // pink
        {198, 156, 246, 255},  // violet
        {146, 170, 248, 255},  // blue
        {132, 218, 238, 255},  // cyan
        {150, 222, 150, 255},  // green
        {244, 232, 138, 255},  // yellow
        {250, 190, 130, 255},  // orange
    }};
    constexpr double kBand = double(kWidth) / kBands.size();
    ColourImage image{kWidth, kHeight, {}};
    std::vector<Rgba> row;
    for (int x = 0; x < kWidth; ++x) {
        const double u = std::clamp((x + 0.5) / kBand - 0.5, 0.0, kBands.size() - 1.0);
        const auto i = static_cast<std::size_t>(std::min(std::floor(u), kBands.size() - 2.0));
        const double f = u - static_cast<double>(i);
        row.push_back(Mix(kBands[i], kBands[i + 1], f * f * (3 - 2 * f)));
    }
    for (int y = 0; y < kHeight; ++y) image.pixels.insert(image.pixels.end(), row.begin(), row.end());
    return image;
}

// ---- the beckoning cat of the about window ----

PaletteImage DrawCat() {
    constexpr int kSize = 32;
    constexpr Rgba kGreen{64, 168, 84, 255};
    constexpr Rgba kDarkGreen{34, 110, 50, 255};
    constexpr Rgba kPink{244, 150, 168, 255};
    constexpr Rgba kRed{214, 40, 40, 255};
    constexpr Rgba kGold{246, 196, 40, 255};

    Scene scene(kGreen);
    // A darker rim keeps the square tidy on any background.
    for (double e : {0.5, 31.5}) {
        scene.Line(kDarkGreen, {0.5, e}, {31.5, e}, 1);
        scene.Line(kDarkGreen, {e, 0.5}, {e, 31.5}, 1);
    }

    // A part draws itself in a colour, grown by a margin. White parts are
    // drawn black and a little larger first, then white, so that parts drawn
    // together share one outline around them all.
    using Part = std::function<void(Rgba, double)>;
    constexpr double kOutline = 1.2;
    const auto outlined = [](std::initializer_list<Part> parts) {
        for (const Part& draw : parts) draw(kBlack, kOutline);
        for (const Part& draw : parts) draw(kWhite, 0.0);
    };
    const auto ear = [&scene](Point a, Point tip, Point b) {
        return [=, &scene](Rgba c, double grow) {
            scene.Polygon(c, {a, tip, b});
            if (grow > 0) {
                scene.Line(c, a, tip, 2 * grow);
                scene.Line(c, tip, b, 2 * grow);
            }
        };
    };
    const auto ellipse = [&scene](Point centre, double rx, double ry) {
        return [=, &scene](Rgba c, double grow) { scene.Ellipse(c, centre, rx + grow, ry + grow); };
    };
    const auto arm = [&scene](Rgba c, double grow) { scene.Line(c, {20.0, 21.0}, {25.0, 13.0}, 4.4 + 2 * grow); };

    // Sitting body, head and ears as one silhouette; then the paw resting in
    // front and the arm raised beside the head, beckoning.
    outlined({ellipse({14.0, 24.5}, 8.5, 6.0), ear({5.5, 9.0}, {6.5, 2.6}, {12.5, 5.4}),
              ear({15.5, 5.4}, {21.5, 2.6}, {22.5, 9.0}), ellipse({14.0, 12.0}, 9.0, 7.5)});
    outlined({ellipse({10.5, 28.0}, 2.6, 2.2)});
    outlined({arm});
    outlined({ellipse({25.5, 10.5}, 3.0, 3.5)});
    scene.Polygon(kPink, {{7.8, 7.4}, {8.0, 5.0}, {10.6, 6.2}});
    scene.Polygon(kPink, {{17.9, 6.2}, {20.3, 5.0}, {20.5, 7.4}});

    // Face: happy closed eyes, a pink nose.
    scene.Arc(kBlack, {10.5, 12.8}, 1.8, 200, 340, 1.2);
    scene.Arc(kBlack, {17.5, 12.8}, 1.8, 200, 340, 1.2);
    scene.Ellipse(kPink, {14.0, 15.0}, 1.2, 0.9);

    // Red collar with a golden bell.
    scene.Arc(kRed, {14.0, 12.0}, 7.6, 50, 130, 2.0);
    scene.Ellipse(kBlack, {14.0, 21.0}, 2.6, 2.6);
    scene.Ellipse(kGold, {14.0, 21.0}, 1.7, 1.7);

    return Quantise(scene.RenderCrisp(kSize, kSize), {kGreen, kDarkGreen, kBlack, kWhite, kPink, kRed, kGold});
}

// ---- the click of a move button ----

constexpr int kClickRate = 44100;

// 30 ms: a soft knock made of two quickly fading tones and a breath of
// noise at the very start. It rises over a fraction of a millisecond and
// fades to exact silence, so neither end pops.
std::vector<std::int16_t> DrawClick() {
    constexpr double kLength = 0.030;
    constexpr double kRise = 0.0004;
    constexpr double kFall = 0.004;
    constexpr double kTwoPi = 2 * std::numbers::pi;
    const int count = static_cast<int>(kLength * kClickRate);
    std::vector<std::int16_t> samples;
    std::uint32_t seed = 12345;  // a fixed seed: the same noise every run
    for (int n = 0; n < count; ++n) {
        const double t = double(n) / kClickRate;
        seed = seed * 1664525u + 1013904223u;
        const double noise = double(seed >> 8) / double(1u << 24) * 2 - 1;
        double s = 0.55 * std::sin(kTwoPi * 1900 * t) * std::exp(-t / 0.004) +
                   0.35 * std::sin(kTwoPi * 880 * t) * std::exp(-t / 0.007) + 0.25 * noise * std::exp(-t / 0.0008);
        if (t < kRise) s *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / kRise);
        const double untilEnd = double(count - 1 - n) / kClickRate;
        if (untilEnd < kFall) s *= 0.5 - 0.5 * std::cos(std::numbers::pi * untilEnd / kFall);
        samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 0.8 * 32767)));
    }
    return samples;
}

}  // namespace

std::vector<ResourceFile> DrawAllResources() {
    std::vector<ResourceFile> files;
    files.push_back({"tessaro.ico", EncodeIco({DrawProgramIcon()})});
    for (int size : kThemeIconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        files.push_back({"icons/" + folder + "/tessaro.png", EncodePng(DrawThemeIcon(size))});
    }
    files.push_back({"smiley.ico", EncodeIco({DrawSmiley(kSmiley32), DrawSmiley(kSmiley16)})});
    files.push_back({"invisible.ico", EncodeIco({DrawInvisible()})});
    files.push_back({"logo.gif", EncodeGif(DrawLogo())});
    files.push_back({"rainbow.png", EncodePng(DrawRainbow())});
    files.push_back({"cat.ico", EncodeIco({DrawCat()})});
    files.push_back({"Click.wav", EncodeWav(DrawClick(), kClickRate)});
    return files;
}

}  // namespace tessaro
