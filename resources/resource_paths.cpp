#include "resources/resource_paths.h"

namespace tessaro {

const char kProgramIconPath[] = ":/tessaro/tessaro.ico";
const char kSmileyPath[] = ":/tessaro/smiley.ico";
const char kInvisiblePointerPath[] = ":/tessaro/invisible.ico";
const char kLogoPath[] = ":/tessaro/logo.gif";
const char kRainbowPath[] = ":/tessaro/rainbow.png";
const char kCatIconPath[] = ":/tessaro/cat.ico";
const char kClickSoundFileName[] = "Click.wav";
const int kProgramIconSizes[7] = {16, 24, 32, 48, 64, 128, 256};

}  // namespace tessaro
