#include <QApplication>
#include <optional>

#include "ui/startup.h"

int main(int argc, char** argv) {
    // The command line first, on a core application: --help and --version
    // must answer without a display, which a QApplication would need.
    std::optional<int> answered;
    {
        QCoreApplication commandLine(argc, argv);
        answered = tessaro::AnswerCommandLine(QCoreApplication::arguments());
    }
    if (answered) return *answered;

    QApplication app(argc, argv);
    return tessaro::Main(app);
}
