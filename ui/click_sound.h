#pragma once
// "Click.wav" from the program's folder, played without waiting for it. A
// missing or broken file, or a machine without sound, stays silent.

#include <QString>
#include <memory>

class QSoundEffect;

namespace tessaro {

class ClickSound {
public:
    explicit ClickSound(QString wavPath);
    ~ClickSound();

    // Loads the file in the background, so that the first click is not
    // delayed; also happens on the first Play.
    void Prepare();
    void Play();

private:
    QString path_;
    bool prepared_ = false;
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace tessaro
