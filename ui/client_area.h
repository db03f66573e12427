#pragma once
// The main window's surface under the menu bar: it shows the retained
// drawing with the keyboard's focus mark over it, and hands mouse, key and
// size events to the window's handlers. Screen readers see it as the net
// with its move buttons (ui/net_accessible.h).

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

#include "model/cube.h"

class QPainter;

namespace tessaro {

class Game;
class QtSurface;

class ClientArea : public QWidget {
    Q_OBJECT
public:
    // `background` is the ground wherever nothing has been drawn yet.
    ClientArea(QWidget* parent, QtSurface& surface, QColor background);

    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position)> onMouseDown;
    std::function<void(int keyCode, Qt::KeyboardModifiers modifiers)> onKeyDown;
    std::function<void()> onResize;

    // The keyboard's focus mark around a move button, given as the button's
    // square in device pixels of the backing image; an empty one for none.
    void SetFocusMark(const QRect& button);
    const QRect& FocusMark() const { return focusMark_; }

    // For screen readers: the game whose net this shows, and how one of its
    // buttons is pressed.
    const Game* game = nullptr;
    std::function<void(Move move)> onPressButton;
    const QtSurface& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PaintNet(QPainter& painter, const QRect& target);
    // The image's pixels in `source` onto the same device pixels.
    void PaintDevicePixels(QPainter& painter, const QImage& image, const QRect& source);
    // Logical pixels to repaint for an area of device pixels.
    QRect LogicalArea(const QRect& device) const;

    QtSurface& surface_;
    QColor background_;
    QRect focusMark_;
    QImage strip_;  // screen pixels of a few rows at a time, for painting
};

}  // namespace tessaro
