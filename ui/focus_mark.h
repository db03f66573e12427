#pragma once
// Keyboard play's focus mark: a double outline around the marked move
// button, white against the button and black outside it. Every colour of the
// net, the dark buttons and the grey ground stands out strongly from at
// least one of the two. It is painted over the net, never into the backing
// image, in whole device pixels.

#include <QColor>
#include <QRect>

class QPainter;

namespace tessaro {

inline const QColor kFocusMarkInner = Qt::white;
inline const QColor kFocusMarkOuter = Qt::black;

// The device pixels the mark covers around a button's device-pixel square.
QRect FocusMarkBounds(const QRect& button);

// Paints the mark around the button (device pixels) with a painter that
// works in logical pixels at this device pixel ratio.
void PaintFocusMark(QPainter& painter, const QRect& button, qreal devicePixelRatio);

}  // namespace tessaro
