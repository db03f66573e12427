#pragma once
// Where the game finds its pictures and its click sound at run time. The
// pictures are built into the program; the sound is a file beside it.

namespace tessaro {

extern const char kProgramIconPath[];       // cube, 32 x 32, 16 colours
extern const char kSmileyPath[];            // smiling face, 32 x 32 and 16 x 16
extern const char kInvisiblePointerPath[];  // 32 x 32, every pixel transparent
extern const char kLogoPath[];              // splash logo, 323 x 321
extern const char kRainbowPath[];           // congratulations background, 192 x 134
extern const char kCatIconPath[];           // beckoning cat, 32 x 32
extern const char kClickSoundFileName[];    // looked for in the program's folder
// The program icon at every installed size, :/tessaro/icons/<n>x<n>/tessaro.png.
extern const int kProgramIconSizes[7];

}  // namespace tessaro
