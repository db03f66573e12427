#pragma once
// The main window's retained drawing: every primitive goes into a backing
// image at the screen's device pixel ratio, and painting only shows it.
// The net is made of axis-aligned boxes and lines only, so they are written
// straight into the image's pixels, in whole device pixels without blending.
// The whole net has a dozen colours, so the image keeps one byte per pixel
// with a colour table (a full-HD surface takes 2 MB, not 8); should a
// drawing ever bring more than 256 colours, it turns into 32-bit pixels.

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

#include "board/surface.h"
#include "board/twips.h"

namespace tessaro {

class QtSurface final : public Surface {
public:
    QtSurface(TwipsScale scale, QColor background);

    // A new size for the client area. What was drawn stays in the part that
    // is still inside.
    void Resize(QSize logicalSize, qreal devicePixelRatio);
    // In device pixels: the image is painted into pixel by pixel, and shown
    // at DevicePixelRatio() device pixels per logical pixel.
    const QImage& Image() const { return image_; }
    qreal DevicePixelRatio() const { return dpr_; }
    TwipsScale Scale() const { return scale_; }

    // The device pixels that a filled box with these corners (twips, both
    // part of it) covers.
    QRect DeviceBox(float x1, float y1, float x2, float y2) const;

    // Called with the changed area in logical pixels after each drawing.
    void SetChanged(std::function<void(const QRect&)> changed) { changed_ = std::move(changed); }

    void Cls() override;
    void SetForeColor(std::int32_t color) override { fore_ = ToArgb(color); }
    void SetDrawWidth(int width) override { drawWidth_ = width < 1 ? 1 : width; }
    void FilledBox(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, std::int32_t color) override;
    void BeginDraw() override { ++batchDepth_; }
    void EndDraw() override;

    static QColor ToQColor(std::int32_t bgr) { return QColor::fromRgb(ToArgb(bgr)); }
    static QRgb ToArgb(std::int32_t bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

private:
    int Px(float twips) const { return scale_.ToDevicePixels(twips, dpr_); }
    // Device pixels per drawing pixel: lines stay as thick, relative to the
    // blocks, as on an ordinary screen, and whole so they stay crisp.
    int Unit() const { return dpr_ < 1.5 ? 1 : static_cast<int>(dpr_ + 0.5); }
    // Fills the device pixels from (left, top) up to, not including, (right, bottom).
    void Fill(int left, int top, int right, int bottom, QRgb color);
    // The colour's entry in the image's table, added when new; -1 once the
    // image holds 32-bit pixels.
    int IndexOf(QRgb color);
    void Changed();

    TwipsScale scale_;
    QRgb background_;
    QImage image_;  // Format_Indexed8, or Format_RGB32 after the table overflowed
    QList<QRgb> table_;
    qreal dpr_ = 1.0;
    int batchDepth_ = 0;
    QRect dirty_;  // device pixels
    QRgb fore_ = qRgb(0, 0, 0);
    int drawWidth_ = 1;
    std::function<void(const QRect&)> changed_;
};

}  // namespace tessaro
