#include <QApplication>
#include <optional>
#include <string>
#include <vector>

#include "ui/game_language.h"
#include "ui/no_display.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    // English or Japanese, as the desktop prefers, for everything from the
    // command line's answers on.
    tessaro::UseDesktopLanguage();

    // The command line first, on a core application: --help and --version
    // must answer without a display, which a QApplication would need.
    std::optional<int> answered;
    {
        QCoreApplication commandLine(argc, argv);
        answered = tessaro::AnswerCommandLine(std::vector<std::string>(argv, argv + argc));
    }
    if (answered) return *answered;

    // No display: one line and status 1, not Qt's abort.
    tessaro::DisplayWatch watch(QString::fromLocal8Bit(argc > 0 ? argv[0] : "tessaro"));
    QApplication app(argc, argv);
    watch.Opened();
    return tessaro::Main(app);
}
