#pragma once

#include <optional>
#include <string>
#include <vector>

class QApplication;

namespace tessaro {

// The game takes nothing on its command line but --help and --version.
// Prints their answer, or a message about anything else, and returns the
// exit status: 0 for an answer, 1 when the answer could not be written
// (a full disk, a closed output), 2 for a mistake; nothing when the game is
// to start. Each unknown option or argument is named once, as typed. The
// arguments are the program's own, as bytes (the first one is its name). It
// needs no display: main calls it on a QCoreApplication, before the
// QApplication of the windows exists.
std::optional<int> AnswerCommandLine(const std::vector<std::string>& arguments);

// The program: moves to its own folder, shows the splash window for a
// moment, opens the main window maximised, and runs until it is closed.
int Main(QApplication& app);

}  // namespace tessaro
