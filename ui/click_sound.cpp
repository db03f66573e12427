#include "ui/click_sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace tessaro {

ClickSound::ClickSound(QString wavPath) : path_(std::move(wavPath)) {}

ClickSound::~ClickSound() = default;

void ClickSound::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    if (!QFileInfo(path_).isFile()) return;  // no file: silence, not an error
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path_));
}

void ClickSound::PlayClick() {
    Prepare();
    // A file that failed to load (not a wave, no audio device) reports an
    // error status; play() on it is harmless and returns at once.
    if (effect_ && effect_->status() != QSoundEffect::Error) effect_->play();
}

}  // namespace tessaro
