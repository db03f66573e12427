#include "ui/qt_surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tessaro {

QtSurface::QtSurface(TwipsScale scale, QColor background) : scale_(scale), background_(background.rgb()) {}

void QtSurface::Resize(QSize logicalSize, qreal devicePixelRatio) {
    const QSize device(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    const QSize size = device.expandedTo(QSize(1, 1));
    if (size == image_.size() && devicePixelRatio == dpr_) return;
    QImage next(size, QImage::Format_RGB32);
    next.fill(background_);
    if (!image_.isNull() && devicePixelRatio == dpr_) {
        QPainter copy(&next);
        copy.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
    dpr_ = devicePixelRatio;
}

void QtSurface::EndDraw() {
    if (batchDepth_ > 0 && --batchDepth_ == 0) Changed();
}

void QtSurface::Changed() {
    if (batchDepth_ > 0 || dirty_.isEmpty()) return;
    if (changed_) {
        const QRect logical(static_cast<int>(std::floor(dirty_.left() / dpr_)),
                            static_cast<int>(std::floor(dirty_.top() / dpr_)),
                            static_cast<int>(std::ceil(dirty_.width() / dpr_)) + 2,
                            static_cast<int>(std::ceil(dirty_.height() / dpr_)) + 2);
        changed_(logical);
    }
    dirty_ = QRect();
}

void QtSurface::Fill(int left, int top, int right, int bottom, QRgb color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image_.width());
    bottom = std::min(bottom, image_.height());
    if (left >= right || top >= bottom) return;
    const auto stride = static_cast<std::ptrdiff_t>(image_.bytesPerLine() / 4);
    auto* row = reinterpret_cast<QRgb*>(image_.bits()) + top * stride;
    for (int y = top; y < bottom; ++y, row += stride) std::fill(row + left, row + right, color);
    dirty_ |= QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void QtSurface::Cls() {
    Fill(0, 0, image_.width(), image_.height(), background_);
    Changed();
}

void QtSurface::FilledBox(float x1, float y1, float x2, float y2) {
    // Both corners are part of the box.
    const int u = Unit();
    Fill(Px(std::min(x1, x2)), Px(std::min(y1, y2)), Px(std::max(x1, x2)) + u, Px(std::max(y1, y2)) + u, fore_);
    Changed();
}

void QtSurface::Line(float x1, float y1, float x2, float y2, std::int32_t color) {
    const QRgb c = ToArgb(color);
    const int u = Unit();
    const int w = u * drawWidth_;
    const int ax = Px(x1), ay = Px(y1), bx = Px(x2), by = Px(y2);
    if (ay == by) {
        // Horizontal: from the first point up to, not including, the second.
        if (ax <= bx) Fill(ax, ay, bx, ay + w, c);
        else Fill(bx + u, ay, ax + u, ay + w, c);
    } else if (ax == bx) {
        if (ay <= by) Fill(ax, ay, ax + w, by, c);
        else Fill(ax, by + u, ax + w, ay + u, c);
    } else if (!image_.isNull()) {
        QPainter painter(&image_);
        painter.setPen(QPen(QColor::fromRgb(c), w, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(ax, ay, bx, by);
        dirty_ |= QRect(QPoint(std::min(ax, bx), std::min(ay, by)), QPoint(std::max(ax, bx), std::max(ay, by)))
                      .adjusted(-w, -w, w, w)
                      .intersected(image_.rect());
    }
    Changed();
}

}  // namespace tessaro
