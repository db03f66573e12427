#include "ui/client_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qt_surface.h"

namespace tessaro {

ClientArea::ClientArea(QWidget* parent, QtSurface& surface) : QWidget(parent), surface_(surface) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the backing image covers every pixel
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& image = surface_.Image();
    if (image.isNull()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    const qreal dpr = surface_.DevicePixelRatio();
    const QRect target = event->rect();
    const QRectF source(target.x() * dpr, target.y() * dpr, target.width() * dpr, target.height() * dpr);
    painter.drawImage(QRectF(target), image, source);
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
