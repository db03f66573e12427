#pragma once
// "Click.wav" from the program's folder, played without waiting for it. A
// missing, broken or oversized file, or a machine without sound, stays
// silent.

#include <filesystem>
#include <memory>

#include "ui/file_names.h"

class QSoundEffect;

namespace tessaro {

// The click of a move button; tests may replace it.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void PlayClick() = 0;
};

class ClickSound final : public Sound {
public:
    explicit ClickSound(std::filesystem::path wavPath);
    ~ClickSound() override;

    // The player is made on the first click, not before: a game that is
    // never played by clicking never loads the audio system, and making it
    // takes a few milliseconds. The file itself loads in the background.
    void PlayClick() override;

    // Whether the file was found fit to play and handed to a player.
    bool HasPlayer() const { return effect_ != nullptr; }

private:
    void Prepare();

    std::filesystem::path path_;
    std::unique_ptr<OpenableName> name_;
    bool prepared_ = false;
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace tessaro
