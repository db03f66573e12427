#pragma once
// Every picture and sound the game ships, drawn from scratch. The generator
// writes them under resources/; the tests draw them again in memory and
// compare with the files kept in the repository.

#include <array>
#include <string>
#include <vector>

#include "resources/generator/encoders.h"

namespace tessaro {

// Sizes of the desktop icons, written to icons/<S>x<S>/tessaro.png.
inline constexpr std::array<int, 7> kThemeIconSizes = {16, 24, 32, 48, 64, 128, 256};

struct ResourceFile {
    std::string path;  // relative to resources/, with '/' between folders
    Bytes bytes;       // empty if the PNG writer failed
};

// The whole set, in a fixed order; the same bytes on every run.
std::vector<ResourceFile> DrawAllResources();

}  // namespace tessaro
