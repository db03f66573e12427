#include "ui/click_sound.h"

#include <QSoundEffect>
#include <QUrl>

namespace tessaro {

ClickSound::ClickSound(std::filesystem::path wavPath) : path_(std::move(wavPath)) {}

ClickSound::~ClickSound() = default;

void ClickSound::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path_, error)) return;  // no file: silence, not an error
    name_ = std::make_unique<OpenableName>(path_);
    if (name_->Name().isEmpty()) return;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(name_->Name()));
}

void ClickSound::PlayClick() {
    Prepare();
    // A file that failed to load (not a wave, no audio device) reports an
    // error status; play() on it is harmless and returns at once.
    if (effect_ && effect_->status() != QSoundEffect::Error) effect_->play();
}

}  // namespace tessaro
