#pragma once
// File writers for the pictures and the click sound. The icon, GIF and wave
// writers are our own small code: the toolkit cannot write GIF, and its icon
// writer only makes 32-bit images, while the game's icons are 16-colour
// images with a transparency mask. PNG goes through the toolkit.

#include <cstdint>
#include <vector>

#include "resources/generator/raster.h"

namespace tessaro {

using Bytes = std::vector<std::uint8_t>;

// An icon file holding the images in the given order, each stored with
// 4 bits per pixel (a palette of at most 16 colours) and an AND mask that
// marks the pixels whose palette entry has alpha 0.
Bytes EncodeIco(const std::vector<PaletteImage>& images);

// A GIF87a file with one image and a global colour table of at most 256
// entries (padded to a power of two), compressed with LZW.
Bytes EncodeGif(const PaletteImage& image);

// A RIFF wave file of 16-bit PCM samples, one channel.
Bytes EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate);

// A PNG file; without an alpha channel when every pixel is opaque. Empty
// when the toolkit's PNG writer fails.
Bytes EncodePng(const ColourImage& image);

}  // namespace tessaro
