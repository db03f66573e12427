#include "ui/startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <cstdlib>
#include <memory>
#include <optional>

#include "options/options_store.h"
#include "records/records_store.h"
#include "resources/resource_paths.h"
#include "ui/japanese_font.h"
#include "session/random_source.h"
#include "ui/app_info.h"
#include "ui/click_sound.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/frm_cube.h"
#include "ui/frm_splash.h"
#include "ui/options_folder.h"
#include "ui/registry.h"

namespace tessaro {

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
    SystemClock clock;
    SeededRandom random;
    WindowDialogs dialogs;
    ClickSound sound(folder + QLatin1Char('/') + QString::fromLatin1(kClickSoundFileName));
    SystemInfoRegistry registry;
    std::optional<OptionsStore> options;
    std::optional<RecordsStore> records;
    std::unique_ptr<frmCube> window;

    // The splash is painted and stays up for a moment; then the main window
    // opens. Closing the splash meanwhile ends the program at once.
    frmSplash splash(scale);
    splash.show();
    clock.StartWait(1500, [&] {
        options.emplace(OptionsFolder(folder.toStdString(), RealOptionsFolderSystem()));
        // The best times go to the player's data folder (~/.local/share/Tessaro).
        records.emplace(RecordsFolder([](const char* name) { return std::getenv(name); }, app::kTitle));
        window = std::make_unique<frmCube>(
            frmCube::Services{*options, *records, random, dialogs, sound, registry, clock, scale});
        window->Form_Load();
        splash.close();
    });
    return app.exec();
}

}  // namespace tessaro
