#pragma once
// The game's small pictures at any scale. A label showing a pixel-art
// picture (an icon, the smiley) keeps it crisp: enlarged to the device's
// pixels by repeating pixels (whole factors at 2x and 3x), never smoothed;
// shrunk smoothly.

#include <QIcon>
#include <QLabel>

namespace tessaro {

class PixelArtLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The picture as it is shown in `logical` pixels at `devicePixelRatio`.
QPixmap PixelArt(const QPixmap& picture, QSize logical, qreal devicePixelRatio);

// The window icon: the 16-colour 32 x 32 picture, and the same cube drawn at
// every other installed size, so that a desktop picks the one it needs.
QIcon ProgramIcon();

}  // namespace tessaro
