#include "ui/client_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/focus_mark.h"
#include "ui/qt_surface.h"

namespace tessaro {

ClientArea::ClientArea(QWidget* parent, QtSurface& surface, QColor background)
    : QWidget(parent), surface_(surface), background_(background) {
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
    // Painting goes in whole device pixels. At a fractional ratio the area's
    // logical rectangles fall between device rows, and images placed by them
    // can leave a row unpainted between one and the next; the same integer
    // offset for every piece cannot. The edge rows that the image may not
    // reach take the ground first.
    painter.fillRect(target, background_);
    const QRect source = QRectF(QPointF(target.topLeft()) * dpr, QSizeF(target.size()) * dpr)
                             .toAlignedRect()
                             .adjusted(-1, -1, 1, 1)
                             .intersected(image.rect());
    if (source.isEmpty()) return;
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    PaintDevicePixels(painter, image, source);
    painter.restore();
}

void ClientArea::PaintDevicePixels(QPainter& painter, const QImage& image, const QRect& source) {
    if (image.format() != QImage::Format_Indexed8) {
        painter.drawImage(source.topLeft(), image, source);
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
        painter.drawImage(QPoint(source.left(), top), strip_, QRect(0, 0, source.width(), rows));
    }
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    // A press on a control standing on the area (a status label, the
    // demonstration's smiley, the options panel) is that control's, even
    // when the control passes it on: only presses on the area itself move.
    if (childAt(event->position().toPoint()) != nullptr) return;
    // While the options panel is open the keys stay with it (see frmCube).
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
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
