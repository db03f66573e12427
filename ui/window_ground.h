#pragma once
// The colour an X11 window shows where the program itself never paints.
//
// At a fractional scale the window manager gives the window a size in device
// pixels that is not a whole number of logical pixels; Qt lays out, paints and
// shows only the whole logical pixels, so the last device column or row of
// the window is never painted at all and shows whatever the X server had
// there (black). With a ground colour the server fills it instead.

class QColor;
class QWidget;

namespace tessaro {

// Does nothing on other platforms than X11.
void SetWindowGround(QWidget& window, const QColor& color);

}  // namespace tessaro
