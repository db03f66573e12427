#include "ui/qt_surface.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

QtSurface::QtSurface(TwipsScale scale, QColor background) : scale_(scale), background_(background) {}

void QtSurface::Resize(QSize logicalSize, qreal devicePixelRatio) {
    const QSize device(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    if (device == image_.size() && devicePixelRatio == dpr_) return;
    QImage next(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    next.fill(background_);
    if (!image_.isNull() && devicePixelRatio == dpr_) {
        QPainter copy(&next);
        copy.drawImage(0, 0, image_);
    }
    const bool drawing = batchDepth_ > 0;
    if (drawing) painter_.end();
    image_ = std::move(next);
    dpr_ = devicePixelRatio;
    if (drawing) painter_.begin(&image_);
}

void QtSurface::BeginDraw() {
    if (batchDepth_++ == 0 && !image_.isNull()) painter_.begin(&image_);
}

void QtSurface::EndDraw() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    if (painter_.isActive()) painter_.end();
    if (!dirty_.isEmpty() && changed_) {
        const QRect logical(static_cast<int>(std::floor(dirty_.left() / dpr_)),
                            static_cast<int>(std::floor(dirty_.top() / dpr_)),
                            static_cast<int>(std::ceil(dirty_.width() / dpr_)) + 2,
                            static_cast<int>(std::ceil(dirty_.height() / dpr_)) + 2);
        changed_(logical);
    }
    dirty_ = QRect();
}

void QtSurface::Fill(const QRect& deviceRect, const QColor& color) {
    const QRect clipped = deviceRect.intersected(image_.rect());
    if (clipped.isEmpty()) return;
    painter_.fillRect(clipped, color);
    dirty_ |= clipped;
}

void QtSurface::Cls() {
    DrawBatch batch(*this);
    Fill(image_.rect(), background_);
}

void QtSurface::FilledBox(float x1, float y1, float x2, float y2) {
    DrawBatch batch(*this);
    const int u = Unit();
    const int left = Px(std::min(x1, x2));
    const int top = Px(std::min(y1, y2));
    const int right = Px(std::max(x1, x2)) + u;  // both corners are part of the box
    const int bottom = Px(std::max(y1, y2)) + u;
    Fill(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), fore_);
}

void QtSurface::Line(float x1, float y1, float x2, float y2, std::int32_t color) {
    DrawBatch batch(*this);
    const QColor c = ToQColor(color);
    const int w = Unit() * drawWidth_;
    const int ax = Px(x1), ay = Px(y1), bx = Px(x2), by = Px(y2);
    if (ay == by) {
        // Horizontal: from the first point up to, not including, the second.
        const int from = ax <= bx ? ax : bx + Unit();
        const int to = ax <= bx ? bx : ax + Unit();
        if (to > from) Fill(QRect(from, ay, to - from, w), c);
    } else if (ax == bx) {
        const int from = ay <= by ? ay : by + Unit();
        const int to = ay <= by ? by : ay + Unit();
        if (to > from) Fill(QRect(ax, from, w, to - from), c);
    } else if (painter_.isActive()) {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(QPen(c, w, Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(ax, ay, bx, by);
        dirty_ |= QRect(QPoint(std::min(ax, bx), std::min(ay, by)), QPoint(std::max(ax, bx), std::max(ay, by)))
                      .adjusted(-w, -w, w, w)
                      .intersected(image_.rect());
    }
}

}  // namespace tessaro
