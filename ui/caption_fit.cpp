#include "ui/caption_fit.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "ui/readable_text.h"

namespace tessaro {

namespace {

// Growth along one axis: each box that grows by grow[i] pushes every box
// that lies wholly beyond its far edge on by as much (and what those push
// in turn). Returns each box's push.
std::vector<int> Pushes(const std::vector<std::pair<int, int>>& spans, const std::vector<int>& grow) {
    std::vector<int> push(spans.size(), 0);
    std::vector<std::size_t> order(spans.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](auto a, auto b) { return spans[a].first < spans[b].first; });
    for (std::size_t i : order)
        for (std::size_t j : order)
            if (spans[j].second <= spans[i].first) push[i] = std::max(push[i], push[j] + grow[j]);
    return push;
}

// The space between two boxes across and down; less than 0 where they share columns or rows.
std::pair<int, int> Gaps(const QRect& a, const QRect& b) {
    return {std::max(b.left() - a.left() - a.width(), a.left() - b.left() - b.width()),
            std::max(b.top() - a.top() - a.height(), a.top() - b.top() - b.height())};
}

}  // namespace

QSize CaptionNeeds(const QWidget& control, const QSize& box) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty()) return {};
        if (label->wordWrap()) return {box.width(), label->heightForWidth(box.width())};
        const auto* halo = qobject_cast<const HaloLabel*>(label);
        if (halo != nullptr && halo->HasHalo()) return halo->TextRoom();
        return label->sizeHint();
    }
    // A button's size hint has a minimum width of its own that says nothing
    // about its caption, so a button needs its caption plus its margins.
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const QStyle* style = button->style();
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return {text.width() + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) + 2 * frame +
                    2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, button),
                text.height() + 2 * frame};
    }
    // Heights: the caption's line, which fits where the size hint asks for
    // more for an indicator or a frame.
    return {control.sizeHint().width(), control.fontMetrics().height()};
}

FittedBoxes FitToCaptions(const std::vector<PlacedBox>& placed) {
    const auto wraps = [](const QWidget* control) {
        const auto* label = qobject_cast<const QLabel*>(control);
        return label != nullptr && label->wordWrap();
    };
    std::vector<std::pair<int, int>> across, down;
    std::vector<int> wider, taller;
    int right = 0, bottom = 0;
    for (const auto& [control, box] : placed) {
        const int need = control != nullptr ? CaptionNeeds(*control, box.size()).width() : 0;
        across.emplace_back(box.left(), box.left() + box.width());
        wider.push_back(std::max(0, need - box.width()));
        right = std::max(right, box.left() + box.width());
    }
    const std::vector<int> pushRight = Pushes(across, wider);
    int grownRight = right;
    for (std::size_t i = 0; i < placed.size(); ++i)
        grownRight = std::max(grownRight, placed[i].box.left() + pushRight[i] + placed[i].box.width() + wider[i]);

    // Down, at the new widths. A wrapping text keeps its distance to the
    // right edge, so that it runs on as far as the rest of the window now
    // reaches rather than wrap into a narrow column.
    FittedBoxes fitted;
    fitted.growth.setWidth(grownRight - right);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const auto& [control, box] = placed[i];
        if (wraps(control)) wider[i] += fitted.growth.width();
        const QSize size(box.width() + wider[i], box.height());
        const int need = control != nullptr ? CaptionNeeds(*control, size).height() : 0;
        down.emplace_back(box.top(), box.top() + box.height());
        taller.push_back(std::max(0, need - box.height()));
        bottom = std::max(bottom, box.top() + box.height());
    }
    const std::vector<int> pushDown = Pushes(down, taller);
    int grownBottom = bottom;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const QRect& box = placed[i].box;
        fitted.boxes.emplace_back(box.left() + pushRight[i], box.top() + pushDown[i], box.width() + wider[i],
                                  box.height() + taller[i]);
        grownBottom = std::max(grownBottom, fitted.boxes.back().bottom() + 1);
    }
    fitted.growth.setHeight(grownBottom - bottom);
    return fitted;
}

std::optional<std::vector<QRect>> GrowInPlace(const std::vector<PlacedBox>& placed, int closest, const QRect& inside) {
    std::vector<QRect> grown;
    for (const auto& [control, box] : placed) {
        const QSize need = control != nullptr ? CaptionNeeds(*control, box.size()) : QSize();
        grown.emplace_back(box.topLeft(), box.size().expandedTo(need));
        if (!inside.contains(grown.back())) return std::nullopt;
    }
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const auto [across, down] = Gaps(grown[i], grown[j]);
            const auto [designedAcross, designedDown] = Gaps(placed[i].box, placed[j].box);
            // Boxes that share columns are kept apart only by the gap down,
            // and those that share rows only by the gap across.
            if (across < std::min(closest, std::max(designedAcross, 0)) &&
                down < std::min(closest, std::max(designedDown, 0)))
                return std::nullopt;
        }
    return grown;
}

}  // namespace tessaro
