#pragma once
// The windows are laid out in twips for the font the game was made for. The
// player's font can be larger; then a control too small for its caption
// grows rather than cut the caption or shrink its text. It pushes whatever
// lies wholly beyond it on by as much (and what that pushes in turn), so the
// layout keeps its order and nothing comes to overlap, and the window grows
// with its controls. At the usual font sizes nothing moves.

#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class QWidget;

namespace tessaro {

// The room a control needs to show its whole caption in its own font, in a
// box of the given size (a wrapping text needs its height at the box's
// width). A control without a caption, such as a picture, needs nothing.
QSize CaptionNeeds(const QWidget& control, const QSize& box);

struct PlacedBox {
    const QWidget* control;  // none for something drawn that only moves with the rest
    QRect box;               // pixels in the parent, as designed
};

struct FittedBoxes {
    std::vector<QRect> boxes;  // grown and pushed, in the order placed
    QSize growth;              // how much farther right and down the boxes now reach
};

FittedBoxes FitToCaptions(const std::vector<PlacedBox>& placed);

// Each control grown where it stands, right and down, to its caption: when
// none then leaves `inside` or comes nearer to another than `closest` pixels
// (nearer than it stood as designed, where that was less), the grown boxes;
// else none, and the layout has to make room.
std::optional<std::vector<QRect>> GrowInPlace(const std::vector<PlacedBox>& placed, int closest, const QRect& inside);

}  // namespace tessaro
