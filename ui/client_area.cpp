#include "ui/client_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/focus_mark.h"
#include "ui/qt_surface.h"

namespace tessaro {

ClientArea::ClientArea(QWidget* parent, QtSurface& surface) : QWidget(parent), surface_(surface) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the backing image covers every pixel
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintNet(painter, event->rect());
    PaintFocusMark(painter, focusMark_, surface_.DevicePixelRatio());
}

void ClientArea::SetFocusMark(const QRect& button) {
    if (button == focusMark_) return;
    update(LogicalArea(FocusMarkBounds(focusMark_)));
    focusMark_ = button;
    update(LogicalArea(FocusMarkBounds(focusMark_)));
}

QRect ClientArea::LogicalArea(const QRect& device) const {
    if (device.isEmpty()) return {};
    const qreal dpr = surface_.DevicePixelRatio();
    return QRectF(device.x() / dpr, device.y() / dpr, device.width() / dpr, device.height() / dpr)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

void ClientArea::PaintNet(QPainter& painter, const QRect& target) {
    const QImage& image = surface_.Image();
    const qreal dpr = surface_.DevicePixelRatio();
    const QRect source = QRectF(target.x() * dpr, target.y() * dpr, target.width() * dpr, target.height() * dpr)
                             .toAlignedRect()
                             .intersected(image.rect());
    if (source.isEmpty()) {
        painter.fillRect(target, palette().window());
        return;
    }
    if (image.format() != QImage::Format_Indexed8) {
        painter.drawImage(QRectF(QPointF(source.topLeft()) / dpr, QSizeF(source.size()) / dpr), image, source);
        return;
    }
    // The one-byte pixels become screen pixels a strip at a time, through a
    // small buffer kept between paints: no full-size copy is ever made.
    constexpr int kStripRows = 32;
    if (strip_.width() < source.width() || strip_.isNull())
        strip_ = QImage(image.width(), kStripRows, QImage::Format_RGB32);
    const QList<QRgb> table = image.colorTable();
    for (int top = source.top(); top <= source.bottom(); top += kStripRows) {
        const int rows = std::min(kStripRows, source.bottom() + 1 - top);
        for (int r = 0; r < rows; ++r) {
            const uchar* from = image.constScanLine(top + r) + source.left();
            auto* to = reinterpret_cast<QRgb*>(strip_.scanLine(r));
            for (int x = 0; x < source.width(); ++x) to[x] = table[from[x]];
        }
        const QRectF place(source.left() / dpr, top / dpr, source.width() / dpr, rows / dpr);
        painter.drawImage(place, strip_, QRectF(0, 0, source.width(), rows));
    }
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (onMouseDown) onMouseDown(event->button(), event->modifiers(), event->position());
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
    // Keys meant for a control of the window (the options panel) reach this
    // handler too when the control does not use them; only keys pressed
    // while the window's own surface has the focus count.
    if (!hasFocus() || !onKeyDown) {
        event->ignore();
        return;
    }
    onKeyDown(event->key(), event->modifiers());
}

void ClientArea::resizeEvent(QResizeEvent*) {
    if (onResize) onResize();
}

}  // namespace tessaro
