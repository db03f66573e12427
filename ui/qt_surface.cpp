#include "ui/qt_surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace tessaro {

QtSurface::QtSurface(TwipsScale scale, QColor background) : scale_(scale), background_(background.rgb()) {}

void QtSurface::Resize(QSize logicalSize, qreal devicePixelRatio) {
    const QSize device(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    const QSize size = device.expandedTo(QSize(1, 1));
    if (size == image_.size() && devicePixelRatio == dpr_) return;
    const bool keep = !image_.isNull() && devicePixelRatio == dpr_;
    if (table_.isEmpty()) table_.append(background_);
    QImage next(size, image_.isNull() ? QImage::Format_Indexed8 : image_.format());
    if (next.format() == QImage::Format_Indexed8) {
        next.setColorTable(table_);
        next.fill(0);  // the background is entry 0
    } else {
        next.fill(background_);
    }
    if (keep) {
        // Whole pixels only: the padding at the end of a row is not part of the picture.
        const int rows = std::min(next.height(), image_.height());
        const auto bytes = static_cast<std::size_t>(std::min(next.width(), image_.width()) * image_.depth() / 8);
        for (int y = 0; y < rows; ++y) std::memcpy(next.scanLine(y), image_.constScanLine(y), bytes);
    }
    image_ = std::move(next);
    dpr_ = devicePixelRatio;
}

int QtSurface::IndexOf(QRgb color) {
    if (image_.format() != QImage::Format_Indexed8) return -1;
    for (int i = 0; i < table_.size(); ++i)
        if (table_[i] == color) return i;
    if (table_.size() == 256) {
        image_ = image_.convertToFormat(QImage::Format_RGB32);
        return -1;
    }
    table_.append(color);
    image_.setColorTable(table_);
    return static_cast<int>(table_.size()) - 1;
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
    const int index = IndexOf(color);
    const auto stride = static_cast<std::ptrdiff_t>(image_.bytesPerLine());
    uchar* row = image_.bits() + top * stride;
    for (int y = top; y < bottom; ++y, row += stride) {
        if (index >= 0) std::memset(row + left, index, static_cast<std::size_t>(right - left));
        else std::fill(reinterpret_cast<QRgb*>(row) + left, reinterpret_cast<QRgb*>(row) + right, color);
    }
    dirty_ |= QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void QtSurface::Cls() {
    Fill(0, 0, image_.width(), image_.height(), background_);
    Changed();
}

QRect QtSurface::DeviceBox(float x1, float y1, float x2, float y2) const {
    // Both corners are part of the box.
    const int u = Unit();
    return QRect(QPoint(Px(std::min(x1, x2)), Px(std::min(y1, y2))),
                 QPoint(Px(std::max(x1, x2)) + u - 1, Px(std::max(y1, y2)) + u - 1));
}

void QtSurface::FilledBox(float x1, float y1, float x2, float y2) {
    const QRect box = DeviceBox(x1, y1, x2, y2);
    Fill(box.left(), box.top(), box.right() + 1, box.bottom() + 1, fore_);
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
        if (image_.format() == QImage::Format_Indexed8) image_ = image_.convertToFormat(QImage::Format_RGB32);
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
