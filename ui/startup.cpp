#include "ui/startup.h"

#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "options/options_store.h"
#include "records/records_store.h"
#include "resources/resource_paths.h"
#include "session/random_source.h"
#include "ui/app_info.h"
#include "ui/click_sound.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/file_names.h"
#include "ui/frm_cube.h"
#include "ui/japanese_font.h"
#include "ui/options_folder.h"
#include "ui/pictures.h"
#include "ui/registry.h"
#include "ui/splash_then_window.h"
#include "ui/version_text.h"

namespace tessaro {

namespace {

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

}  // namespace

std::optional<int> AnswerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(app::kDescription));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この使い方を表示して終わります。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("バージョンを表示して終わります。"));
    parser.addOption(help);
    parser.addOption(version);

    const bool parsed = parser.parse(arguments);
    const QString program = arguments.isEmpty() ? QStringLiteral("tessaro") : arguments.first();
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        QString text;
        for (const QString& name : parser.unknownOptionNames())
            text += QStringLiteral("%1: 不明なオプションです: %2%3\n")
                        .arg(program, name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        if (!parsed && parser.unknownOptionNames().isEmpty())
            text += QStringLiteral("%1: コマンドラインを読めません: %2\n").arg(program, parser.errorText());
        for (const QString& argument : parser.positionalArguments())
            text += QStringLiteral("%1: このゲームは引数を取りません: %2\n").arg(program, argument);
        text += QStringLiteral("使い方は「%1 --help」で表示します。\n").arg(program);
        Print(stderr, text);
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText() +
                          QStringLiteral("\nキーと設定ファイルの置き場所はマニュアル (man 6 tessaro) にあります。\n"));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(AppTitle(), QString::fromUtf8(app::kVersion)));
        return 0;
    }
    return std::nullopt;
}

int Main(QApplication& app) {
    // Names the player's own configuration folder (~/.config/Tessaro), where
    // an installed game keeps its options.
    QCoreApplication::setApplicationName(QString::fromUtf8(app::kTitle));

    // The click sound lies beside the program, and so do the options unless
    // that folder cannot be written; an installed game has both in folders of
    // their own. Should the folder not be enterable, nothing is lost: both
    // files are opened by full path. The folder is kept as bytes, so any name
    // works.
    const std::filesystem::path programFolder = ProgramFolder();
    [[maybe_unused]] const int entered = programFolder.empty() ? -1 : ::chdir(programFolder.c_str());
    const InstallFolders install = BuiltInstallFolders();
    const bool installed = IsInstalled(programFolder, install);
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setFont(DefaultWithJapaneseGothic(QApplication::font()));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const TwipsScale scale = TwipsScale::ForDpi(screen ? screen->logicalDotsPerInchX() : 96.0);
    SystemClock clock;
    SeededRandom random;
    WindowDialogs dialogs;
    // An installed game finds its sound in the games' data folder.
    const std::filesystem::path soundFolder = installed ? install.data : programFolder;
    ClickSound sound(soundFolder / kClickSoundFileName);
    SystemInfoRegistry registry;
    std::optional<OptionsStore> options;
    std::optional<RecordsStore> records;
    std::unique_ptr<frmCube> window;

    const SplashThenWindow startUp(clock, scale, [&] {
        options.emplace(OptionsFolder(programFolder, installed, RealOptionsFolderSystem()));
        // The best times go to the player's data folder (~/.local/share/Tessaro).
        records.emplace(RecordsFolder([](const char* name) { return std::getenv(name); }, app::kTitle));
        window = std::make_unique<frmCube>(
            frmCube::Services{*options, *records, random, dialogs, sound, registry, clock, scale});
        window->Form_Load();
    });
    return app.exec();
}

}  // namespace tessaro
