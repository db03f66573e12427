#pragma once

#include <QStringList>
#include <optional>

class QApplication;

namespace tessaro {

// The game takes nothing on its command line but --help and --version.
// Prints their answer, or a message about anything else, and returns the
// exit status: 0 for an answer, 2 for a mistake; nothing when the game is
// to start. It needs no display: main calls it on a QCoreApplication,
// before the QApplication of the windows exists.
std::optional<int> AnswerCommandLine(const QStringList& arguments);

// The program: moves to its own folder, shows the splash window for a
// moment, opens the main window maximised, and runs until it is closed.
int Main(QApplication& app);

}  // namespace tessaro
