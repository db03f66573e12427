#include "ui/pictures.h"

#include <QPainter>

#include "resources/resource_paths.h"

namespace tessaro {

QPixmap PixelArt(const QPixmap& picture, QSize logical, qreal devicePixelRatio) {
    const QSize device = (QSizeF(logical) * devicePixelRatio).toSize();
    const bool enlarging = device.width() >= picture.width() && device.height() >= picture.height();
    QPixmap shown = picture.scaled(device, Qt::IgnoreAspectRatio,
                                   enlarging ? Qt::FastTransformation : Qt::SmoothTransformation);
    shown.setDevicePixelRatio(devicePixelRatio);
    return shown;
}

QIcon ProgramIcon() {
    QIcon icon(QString::fromLatin1(kProgramIconPath));
    for (const int size : kProgramIconSizes)
        if (size != 32) icon.addFile(QStringLiteral(":/tessaro/icons/%1x%1/tessaro.png").arg(size), QSize(size, size));
    return icon;
}

void PixelArtLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QPixmap picture = pixmap();
    if (picture.isNull()) return;
    // Stretched to the label, or at its own size in the top-left corner.
    QRect target = contentsRect();
    if (!hasScaledContents()) target.setSize(picture.deviceIndependentSize().toSize());
    // The ratio of what is painted on: the window, or an image of it.
    painter.drawPixmap(target.topLeft(), PixelArt(picture, target.size(), painter.device()->devicePixelRatioF()));
}

}  // namespace tessaro
