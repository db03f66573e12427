// Linked into every window test: each one speaks the language that the
// desktop of its run prefers, chosen as the game chooses it at its start.
// The tests run under LANG=C.UTF-8 (pinned for the whole suite), some again
// under ja_JP.UTF-8, where every text must be today's Japanese, and the
// English ones under LANGUAGE=en (tests/CMakeLists.txt).

#include <QCoreApplication>

#include "ui/game_language.h"

static void SpeakTheDesktopsLanguage() { tessaro::UseDesktopLanguage(); }

Q_COREAPP_STARTUP_FUNCTION(SpeakTheDesktopsLanguage)
