#pragma once

#include <QFont>
#include <QStringList>

namespace tessaro {

// The proportional Japanese Gothic faces, best first: the classic Windows
// face where installed, else the Gothic fonts Debian ships.
QStringList JapaneseGothicFamilies();

// The font the windows' big texts are set in, at least as large as the
// application's font (the player's).
QFont JapaneseGothic(double pointSize, bool bold = false);

// The toolkit's default font, with Japanese text set in the same Gothic
// rather than whatever face the system would pick for the missing glyphs:
// one Japanese font for the whole program, loaded once.
QFont DefaultWithJapaneseGothic(const QFont& toolkitDefault);

}  // namespace tessaro
