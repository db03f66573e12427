#include "ui/readable_text.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace tessaro {

namespace {

double Luminance(const QColor& color) {
    const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void HaloLabel::SetHalo(const QColor& color) {
    halo_ = color;
    update();
}

qreal HaloLabel::HaloWidth() const { return std::max(1.5, fontMetrics().height() / 8.0); }

int HaloLabel::HaloMargin() const { return static_cast<int>(std::ceil(HaloWidth() + 0.5)); }

std::pair<int, int> HaloLabel::Overhang() const {
    if (!halo_.isValid() || text().isEmpty()) return {0, 0};
    QPainterPath letters;
    letters.addText(0, 0, font(), text());
    const QRectF ink = letters.boundingRect();
    // The halo's smoothed edge must leave the outermost pixel clear.
    const qreal reach = HaloWidth() + 0.5 + 1.0 - margin();
    const auto room = [](qreal r) { return std::max(0, static_cast<int>(std::ceil(r))); };
    return {room(reach - ink.left()), room(ink.right() + reach - fontMetrics().horizontalAdvance(text()))};
}

QSize HaloLabel::TextRoom() const {
    const int edges = 2 * (margin() + frameWidth());
    const auto [left, right] = Overhang();
    return {fontMetrics().horizontalAdvance(text()) + edges + left + right,
            fontMetrics().tightBoundingRect(text()).height() + edges};
}

QSize HaloLabel::sizeHint() const {
    const auto [left, right] = Overhang();
    return QLabel::sizeHint() + QSize(left + right, 0);
}

void HaloLabel::paintEvent(QPaintEvent* event) {
    if (!halo_.isValid()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto [left, right] = Overhang();
    const QRect box = contentsRect().adjusted(margin() + left, margin(), -margin() - right, -margin());
    const QRect placed = QStyle::alignedRect(layoutDirection(), alignment(), fontMetrics().size(0, this->text()), box);
    QPainterPath text;
    text.addText(placed.left(), placed.top() + fontMetrics().ascent(), font(), this->text());
    // Twice the width: the stroke is centred on the outline, half of it
    // lies inside the letters, which the fill then covers.
    painter.strokePath(text, QPen(halo_, 2 * HaloWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(text, palette().color(foregroundRole()));
}

}  // namespace tessaro
