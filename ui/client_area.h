#pragma once
// The main window's surface under the menu bar: it shows the retained
// drawing and hands mouse, key and size events to the window's handlers.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

namespace tessaro {

class QtSurface;

class ClientArea : public QWidget {
    Q_OBJECT
public:
    // `background` is the ground wherever nothing has been drawn yet.
    ClientArea(QWidget* parent, QtSurface& surface, QColor background);

    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position)> onMouseDown;
    std::function<void(int keyCode, Qt::KeyboardModifiers modifiers)> onKeyDown;
    std::function<void()> onResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QtSurface& surface_;
    QColor background_;
    QImage strip_;  // screen pixels of a few rows at a time, for painting
};

}  // namespace tessaro
