#include "ui/startup.h"

#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <chrono>
#include <memory>

#include "options/options_store.h"
#include "resources/resource_paths.h"
#include "session/japanese_font.h"
#include "session/random_source.h"
#include "ui/app_info.h"
#include "ui/frm_cube.h"
#include "ui/file_names.h"
#include "ui/frm_splash.h"
#include "ui/options_folder.h"
#include "ui/pause.h"
#include "ui/pictures.h"

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
    // nothing is lost: both files are opened by full path. The folder is
    // kept as bytes, so any name works.
    const std::filesystem::path folder = ProgramFolder();
    [[maybe_unused]] const int entered = folder.empty() ? -1 : ::chdir(folder.c_str());
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setFont(DefaultWithJapaneseGothic(QApplication::font()));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const TwipsScale scale = TwipsScale::ForDpi(screen ? screen->logicalDotsPerInchX() : 96.0);
    Pauser pauser;

    auto splash = std::make_unique<frmSplash>(scale);
    splash->show();
    pauser.PauseFor(1500);  // the splash is painted and stays up meanwhile

    OptionsStore options(OptionsFolder(folder, RealOptionsFolderSystem()));
    SeededRandom random;
    frmCube window({options, pauser, random, ClockSeed, folder, scale});
    window.Form_Load();
    splash.reset();  // unloaded: its window and pictures are freed
    return app.exec();
}

}  // namespace tessaro
