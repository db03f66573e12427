#include "ui/focus_mark.h"

#include <QPainter>
#include <algorithm>

namespace tessaro {

namespace {

// Each of the two outlines is an eighth of the button wide, at least one
// device pixel.
int Thickness(const QRect& button) { return std::max(1, (button.width() + 4) / 8); }

// A frame of the given thickness just inside `outer`, in device pixels.
void FillFrame(QPainter& painter, const QRect& outer, int thickness, const QColor& color, qreal dpr) {
    const int t = thickness;
    const QRect sides[] = {
        {outer.left(), outer.top(), outer.width(), t},
        {outer.left(), outer.bottom() + 1 - t, outer.width(), t},
        {outer.left(), outer.top() + t, t, outer.height() - 2 * t},
        {outer.right() + 1 - t, outer.top() + t, t, outer.height() - 2 * t},
    };
    // Device pixels divided by the ratio land on whole device pixels again.
    for (const QRect& r : sides)
        painter.fillRect(QRectF(r.x() / dpr, r.y() / dpr, r.width() / dpr, r.height() / dpr), color);
}

}  // namespace

QRect FocusMarkBounds(const QRect& button) {
    const int t = 2 * Thickness(button);
    return button.isEmpty() ? QRect() : button.adjusted(-t, -t, t, t);
}

void PaintFocusMark(QPainter& painter, const QRect& button, qreal devicePixelRatio) {
    if (button.isEmpty()) return;
    const int t = Thickness(button);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    FillFrame(painter, button.adjusted(-2 * t, -2 * t, 2 * t, 2 * t), t, kFocusMarkOuter, devicePixelRatio);
    FillFrame(painter, button.adjusted(-t, -t, t, t), t, kFocusMarkInner, devicePixelRatio);
    painter.restore();
}

}  // namespace tessaro
