#pragma once
// Text that stays readable whatever the desktop's colours. Where a text's
// colour is fixed (the red notice, the white "おめでとう"), what lies behind
// it is not ours to choose (the window's grey, a rainbow), so the text gets
// a dark halo: a band around every stroke that is its background.

#include <QColor>
#include <QLabel>
#include <utility>

namespace tessaro {

// The contrast ratio of two colours, 1 to 21, as the WCAG define it.
double ContrastRatio(const QColor& a, const QColor& b);

// The WCAG's least contrast for text.
inline constexpr double kReadableContrast = 4.5;

// A label that can draw its text inside a halo of another colour.
class HaloLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // An invalid colour: no halo, an ordinary label. The halo reaches
    // HaloWidth() past the letters, and its smoothed edge half a pixel
    // more; a margin of HaloMargin() keeps it whole.
    void SetHalo(const QColor& color);
    bool HasHalo() const { return halo_.isValid(); }
    qreal HaloWidth() const;
    int HaloMargin() const;

    // The room the text needs: across, its advance; down, only the height
    // of its letters, as nothing is drawn in the rest of its line; and the
    // margin (for the halo) and the frame around both.
    QSize TextRoom() const;
    // A label sized to its text leaves room for the halo's overhang too.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The margin counts on letters that stand a pixel or more inside their
    // advance, as kana and kanji do; a Latin letter such as "W" reaches its
    // edge, and its halo would reach past the margin: the extra room it
    // needs on the left and on the right, none for most texts.
    std::pair<int, int> Overhang() const;

    QColor halo_;
};

}  // namespace tessaro
