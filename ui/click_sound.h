#pragma once
// "Click.wav" from the program's folder, played without waiting for it. A
// missing or broken file, or a machine without sound, stays silent.

#include <filesystem>
#include <memory>

#include "ui/file_names.h"

class QSoundEffect;

namespace tessaro {

class ClickSound {
public:
    explicit ClickSound(std::filesystem::path wavPath);
    ~ClickSound();

    // The player is made on the first click, not before: a game that is
    // never played by clicking never loads the audio system, and making it
    // takes a few milliseconds. The file itself loads in the background.
    void Play();

private:
    void Prepare();

    std::filesystem::path path_;
    std::unique_ptr<OpenableName> name_;
    bool prepared_ = false;
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace tessaro
