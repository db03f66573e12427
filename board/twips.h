#pragma once
// Twips (1/1440 inch) are the unit of every position, size and drawing
// coordinate of the game. This is the one conversion to and from pixels;
// every window and the drawing surface use it.

#include <cmath>

namespace tessaro {

struct TwipsScale {
    double twipsPerPixel = 15.0;  // 1440 / logical DPI; 15 at 96 DPI

    static TwipsScale ForDpi(double logicalDpi) { return {logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0}; }

    // Logical pixels, to the nearest (a half upwards), for placing controls.
    int ToPixels(double twips) const { return static_cast<int>(std::floor(twips / twipsPerPixel + 0.5)); }
    // Device pixels at a device pixel ratio, for drawing on a high-DPI surface.
    int ToDevicePixels(double twips, double devicePixelRatio) const {
        return static_cast<int>(std::floor(twips * devicePixelRatio / twipsPerPixel + 0.5));
    }
    double ToTwips(double pixels) const { return pixels * twipsPerPixel; }
};

}  // namespace tessaro
