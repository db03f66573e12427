#include "ui/startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <chrono>
#include <cstdlib>

#include "options/options_store.h"
#include "records/records_store.h"
#include "resources/resource_paths.h"
#include "session/japanese_font.h"
#include "session/random_source.h"
#include "ui/app_info.h"
#include "ui/frm_cube.h"
#include "ui/frm_splash.h"
#include "ui/options_folder.h"
#include "ui/pause.h"

namespace tessaro {

namespace {

std::uint64_t ClockSeed() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(system_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(steady_clock::now().time_since_epoch().count());
}

}  // namespace

int Main(QApplication& app) {
    // Names the player's own configuration folder (~/.config/Tessaro), where
    // an installed game keeps its options.
    QCoreApplication::setApplicationName(QString::fromUtf8(app::kTitle));

    // The click sound lies beside the program, and so do the options unless
    // that folder cannot be written. Should the folder not be enterable,
    // nothing is lost: both files are opened by full path.
    const QString folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(folder);
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(kProgramIconPath)));
    QApplication::setFont(DefaultWithJapaneseGothic(QApplication::font()));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const TwipsScale scale = TwipsScale::ForDpi(screen ? screen->logicalDotsPerInchX() : 96.0);
    Pauser pauser;

    frmSplash splash(scale);
    splash.show();
    pauser.PauseFor(1500);  // the splash is painted and stays up meanwhile

    OptionsStore options(OptionsFolder(folder.toStdString(), RealOptionsFolderSystem()));
    // The best times go to the player's data folder (~/.local/share/Tessaro).
    RecordsStore records(RecordsFolder([](const char* name) { return std::getenv(name); }, app::kTitle));
    SeededRandom random;
    frmCube window({options, records, pauser, random, ClockSeed, folder.toStdString(), scale});
    window.Form_Load();
    splash.close();
    return app.exec();
}

}  // namespace tessaro
