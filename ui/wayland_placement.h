#pragma once
// Placing windows on Wayland. Qt 6.4's Wayland support cannot place a
// top-level window: the compositor puts it wherever it likes, and a splash
// or a dialog lands somewhere else from run to run. The game's small windows
// therefore become part of the main window there (the place is then the
// game's to choose), and the splash covers the screen's work area, clear
// except for itself, drawn in the middle. On X11 nothing of this applies.

#include <QPoint>

class QDialog;
class QMainWindow;

namespace tessaro {

bool OnWayland();

// Runs `dialog` modally inside `window`: its top-left corner (with a frame
// and the dialog's title when `framed`) at `at`, pixels from the corner of
// the window's own frame, as a top-level would stand from the corner of the
// screen that the maximised window fills. Until it closes, nothing else of
// the window takes input. Returns the dialog's result.
int ExecInside(QDialog& dialog, QMainWindow& window, QPoint at, bool framed);

}  // namespace tessaro
