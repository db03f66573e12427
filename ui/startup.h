#pragma once

class QApplication;

namespace tessaro {

// The program: moves to its own folder, shows the splash window for a
// moment, opens the main window maximised, and runs until it is closed.
int Main(QApplication& app);

}  // namespace tessaro
