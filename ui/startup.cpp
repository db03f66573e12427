#include "ui/startup.h"

#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

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
#include "ui/frm_splash.h"
#include "ui/game_language.h"
#include "ui/japanese_font.h"
#include "ui/options_folder.h"
#include "ui/pictures.h"
#include "ui/quit_signals.h"
#include "ui/registry.h"
#include "ui/splash_then_window.h"
#include "ui/version_text.h"

namespace tessaro {

namespace {

QCommandLineOption HelpOption() {
    return {{QStringLiteral("h"), QStringLiteral("help")}, Tr("startup", "この使い方を表示して終わります。")};
}

QCommandLineOption VersionOption() {
    return {{QStringLiteral("v"), QStringLiteral("version")}, Tr("startup", "バージョンを表示して終わります。")};
}

bool Parse(QCommandLineParser& parser, const QStringList& arguments) {
    parser.setApplicationDescription(Tr("app_info", app::kDescription));
    parser.addOption(HelpOption());
    parser.addOption(VersionOption());
    return parser.parse(arguments);
}

// Whether one argument on its own holds an option the game does not know:
// "-ccc" is three of them to the parser, but one mistake to the player.
bool IsUnknownOption(const QString& program, const QString& argument) {
    QCommandLineParser parser;
    Parse(parser, {program, argument});
    return !parser.unknownOptionNames().isEmpty();
}

void Append(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

// Writes the text and says whether all of it reached the stream.
bool Print(std::FILE* stream, const QByteArray& text) {
    std::fputs(text.constData(), stream);
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

// One line of a message: the text with its pieces (the program's name, what
// was typed) in place of "%1", "%2", ..., each in the very bytes it came in.
QByteArray Line(const QString& text, std::initializer_list<QByteArray> pieces) {
    const QByteArray bytes = text.toLocal8Bit();
    const std::vector<QByteArray> piece(pieces);
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int number = i + 1 < bytes.size() ? bytes[i + 1] - '0' : 0;
        if (bytes[i] == '%' && number >= 1 && number <= static_cast<int>(piece.size())) {
            line += piece[static_cast<std::size_t>(number - 1)];
            ++i;
        } else {
            line += bytes[i];
        }
    }
    return line + '\n';
}

}  // namespace

std::optional<int> AnswerCommandLine(const std::vector<std::string>& arguments) {
    // The parser reads text; the messages give each argument back in the
    // very bytes it was typed in, also where these are not valid text.
    QStringList texts;
    for (const std::string& argument : arguments) texts.append(QString::fromLocal8Bit(argument));
    QCommandLineParser parser;
    const bool parsed = Parse(parser, texts);
    const QByteArray program = arguments.empty() ? QByteArray("tessaro") : QByteArray::fromStdString(arguments[0]);

    if (!parsed || !parser.positionalArguments().isEmpty()) {
        // Each mistake once, as typed, in the order typed. As for the
        // parser, "-" is an argument, and after "--" everything is.
        std::vector<std::string> unknown;
        std::vector<std::string> positional;
        bool optionsEnded = false;
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            if (!optionsEnded && argument == "--") optionsEnded = true;
            else if (optionsEnded || argument.size() < 2 || argument[0] != '-') Append(positional, argument);
            else if (IsUnknownOption(texts.first(), texts[static_cast<qsizetype>(i)])) Append(unknown, argument);
        }
        QByteArray text;
        //: %1 is the program's name, %2 the option as typed.
        for (const std::string& argument : unknown)
            text += Line(Tr("startup", "%1: 不明なオプションです: %2"), {program, QByteArray::fromStdString(argument)});
        //: %1 is the program's name, %2 what Qt's parser says is wrong.
        if (!parsed && unknown.empty())
            text += Line(Tr("startup", "%1: コマンドラインを読めません: %2"),
                         {program, parser.errorText().toLocal8Bit()});
        //: %1 is the program's name, %2 the argument as typed.
        for (const std::string& argument : positional)
            text += Line(Tr("startup", "%1: このゲームは引数を取りません: %2"),
                         {program, QByteArray::fromStdString(argument)});
        //: %1 is the program's name.
        text += Line(Tr("startup", "使い方は「%1 --help」で表示します。"), {program});
        Print(stderr, text);
        return 2;
    }

    QString answer;
    if (parser.isSet(QStringLiteral("help")))
        answer = parser.helpText() +
                 Tr("startup", "\nキーと設定ファイルの置き場所はマニュアル (man 6 tessaro) にあります。\n");
    else if (parser.isSet(QStringLiteral("version")))
        answer = QStringLiteral("%1 %2\n").arg(AppTitle(), QString::fromUtf8(app::kVersion));
    else return std::nullopt;
    // A full disk or a closed output must not pass for an answer given.
    if (Print(stdout, answer.toLocal8Bit())) return 0;
    const int error = errno;
    //: %1 is the program's name; the system's reason may follow.
    QString text = Tr("startup", "%1: 標準出力に書き込めません");
    if (error != 0) text += QStringLiteral(": %2");
    Print(stderr, Line(text, {program, QByteArray(std::strerror(error))}));
    return 1;
}

int Main(QApplication& app) {
    // From here on, logging out, `kill` and Ctrl+C end the game as Quit does.
    const QuitSignals quitSignals;

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
    ClickSound sound(ClickSoundFolder(programFolder, installed, install) / kClickSoundFileName);
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
