#pragma once
// What screen readers see beyond Qt's own widgets. The net (the client area)
// is an element named "展開図" whose description says how many faces are of
// one colour; its children are the controls lying on it (the status labels
// among them), then the move buttons, each a button named after the line it
// moves and which way, with a press action. Combo boxes are called by their
// accessible name or their label rather than by the text they hold.

#include "model/cube.h"

namespace tessaro {

class ClientArea;

// Installs the interfaces above for every window made from now on; a second
// call changes nothing.
void InstallAccessibility();

// Tells screen readers that the net was redrawn, so its description may
// have changed.
void NetChanged(ClientArea* area);

// Tells screen readers that the keyboard's mark is now on the button that
// makes this move.
void MarkMoved(ClientArea* area, Move move);

}  // namespace tessaro
