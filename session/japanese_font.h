#pragma once

#include <QFont>

namespace tessaro {

// The proportional Japanese Gothic the windows' big texts are set in: the
// classic Windows face where installed, else the Gothic fonts Debian ships.
QFont JapaneseGothic(double pointSize, bool bold = false);

}  // namespace tessaro
