#pragma once
// What screen readers see beyond Qt's own widgets. The net (the client area)
// is an element named "展開図" whose description says how many faces are of
// one colour. Its children are the controls lying on it (the status labels
// among them, each named by its text while it is shown), the notification
// that tells what each change did, the six faces as tables named after their
// place in the net whose cells are the blocks named by colour, and then the
// move buttons, each a button named after the line it moves and which way,
// with a press action. The options panel is a dialog named by its tab.
// Combo boxes are called by their accessible name or their label rather than
// by the text they hold.

#include <QString>

#include "model/cube.h"

class QLabel;

namespace tessaro {

class ClientArea;

// Installs the interfaces above for every window made from now on; a second
// call changes nothing.
void InstallAccessibility();

// Tells screen readers that the net was redrawn: its description, and the
// names of the blocks whose colour changed, may have changed.
void NetChanged(ClientArea* area);

// Tells screen readers that the keyboard's mark is now on the button that
// makes this move.
void MarkMoved(ClientArea* area, Move move);

// Tells screen readers once, without moving the focus, what just changed.
void AnnounceOnNet(ClientArea* area, const QString& text);

// A label on the net whose text changes by itself every second (the clock):
// readers are not told of each new text, and read it when they ask.
void ReadOnRequest(QLabel* label);

}  // namespace tessaro
