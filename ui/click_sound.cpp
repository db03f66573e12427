#include "ui/click_sound.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <vector>

#include "ui/click_wave.h"

namespace tessaro {

namespace {

// Reads no more than a click can be: a file that says it is larger is not
// read at all.
bool IsUsableClickFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxClickWaveBytes) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (file.read(reinterpret_cast<char*>(bytes.data()), size) != size) return false;
    return IsSaneClickWave(bytes);
}

}  // namespace

ClickSound::ClickSound(std::filesystem::path wavPath) : path_(std::move(wavPath)) {}

ClickSound::~ClickSound() = default;

void ClickSound::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path_, error)) return;  // no file: silence, not an error
    name_ = std::make_unique<OpenableName>(path_);
    if (name_->Name().isEmpty() || !IsUsableClickFile(name_->Name())) return;
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
