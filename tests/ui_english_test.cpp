// The game on a desktop that prefers English (this test runs under
// LANGUAGE=en), offscreen: every window, message and screen-reader text is
// English and nothing Japanese is left; and how the language is chosen from
// the desktop's preferred languages.

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

#include <cerrno>
#include <fstream>
#include <functional>

#include "options/file_error_text.h"
#include "options/options_file.h"
#include "options/options_store.h"
#include "records/records_store.h"
#include "records/records_text.h"
#include "scripted_random.h"
#include "session/game_texts.h"
#include "ui/click_sound.h"
#include "ui/client_area.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/frm_about.h"
#include "ui/frm_congratulations.h"
#include "ui/frm_cube.h"
#include "ui/frm_help.h"
#include "ui/frm_records.h"
#include "ui/frm_splash.h"
#include "ui/game_language.h"
#include "ui/no_display.h"
#include "ui/options_panel.h"
#include "ui/registry.h"
#include "ui/sys_info.h"

Q_DECLARE_METATYPE(tessaro::GameLanguage)

namespace tessaro {

namespace {

// Kana, kanji, the CJK punctuation (the ideographic space among it) and
// the full- and half-width forms (ＯＫ, ｼｽﾃﾑ).
bool IsJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool HasJapanese(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (IsJapanese(c)) return true;
    return false;
}

// Every text a window shows or gives a screen reader: its title, every
// control's caption, entries, cells, tool tip and accessible name and
// description, and every name, description and value in its accessibility
// tree.
QStringList TextsOf(QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (const auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (const auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (const auto* box = qobject_cast<QComboBox*>(w)) {
            texts << box->currentText();
            for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
        }
        if (const auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        if (const auto* grid = qobject_cast<QTableWidget*>(w)) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                if (const QTableWidgetItem* header = grid->horizontalHeaderItem(column)) texts << header->text();
                for (int row = 0; row < grid->rowCount(); ++row)
                    if (const QTableWidgetItem* item = grid->item(row, column)) texts << item->text();
            }
        }
    }
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* node, int depth) {
        if (node == nullptr || depth > 20) return;
        texts << node->text(QAccessible::Name) << node->text(QAccessible::Description)
              << node->text(QAccessible::Value);
        for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(&window), 0);
    texts.removeAll(QString());
    return texts;
}

// The window's texts, once none of them holds anything Japanese.
QStringList EnglishTextsOf(QWidget& window) {
    const QStringList texts = TextsOf(window);
    for (const QString& text : texts)
        if (HasJapanese(text)) {
            QTest::qFail(qPrintable(QStringLiteral("Japanese left in %1: \"%2\"")
                                        .arg(QString::fromLatin1(window.metaObject()->className()), text)),
                         __FILE__, __LINE__);
            return {};
        }
    return texts;
}

void WriteOptions(const QString& path, std::int32_t blockN, std::int32_t difficulty) {
    const char bytes[10] = {static_cast<char>(blockN),          0, 0, 0, static_cast<char>(difficulty),
                            static_cast<char>(difficulty >> 8), 0, 0, 0, 0};
    std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc).write(bytes, sizeof bytes);
}

// Time stands still until the test lets a wait pass.
struct FakeClock final : Clock {
    std::function<void()> due;
    std::int64_t WallMilliseconds() override { return 1'000'000; }
    std::uint64_t Seed() override { return 7; }
    void StartWait(std::int64_t, std::function<void()> call) override { due = std::move(call); }
    void StopWait() override { due = nullptr; }
};

// Boxes that keep what they were asked to show and answer at once.
struct FakeDialogs final : WindowDialogs {
    QStringList messages;
    QStringList typed;
    QString inputTitle, inputPrompt;
    int congratulations = 0;
    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    QString InputBox(QWidget*, const QString& title, const QString& prompt) override {
        inputTitle = title;
        inputPrompt = prompt;
        return typed.isEmpty() ? QString() : typed.takeFirst();
    }
    void ShowCongratulations(QWidget*, TwipsScale, double, std::int32_t, std::function<void()> ok) override {
        ++congratulations;
        ok();
    }
    void ShowAbout(QWidget*, Registry&, TwipsScale) override {}
    void ShowRecords(QWidget*, const RecordsTable&, const QString&) override {}
};

struct Harness {
    QTemporaryDir dir;
    OptionsStore options{dir.path().toStdString()};
    RecordsStore records{dir.filePath(QStringLiteral("data")).toStdString()};
    testing::ScriptedRandom random;
    FakeDialogs dialogs;
    ClickSound sound{dir.filePath(QStringLiteral("Click.wav")).toStdString()};
    SystemInfoRegistry registry{std::vector<std::filesystem::path>{}};
    FakeClock clock;
    frmCube window{{options, records, random, dialogs, sound, registry, clock, TwipsScale{15}}};

    Harness() {
        window.show();
        window.resize(900, 600 + window.menuBar()->sizeHint().height());
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the window did not show");
    }
    QString OptionsFile() const { return dir.filePath(QStringLiteral("GameOpt.dat")); }
    // Game > Start with a scripted shuffle; `atWait` sees each wait before it passes.
    void Start(int n, const std::vector<Move>& shuffle, const std::function<void()>& atWait = {}) {
        WriteOptions(OptionsFile(), n, static_cast<std::int32_t>(shuffle.size()));
        random.draws.clear();
        random.Script(shuffle, n);
        window.mnuStart()->trigger();
        while (clock.due) {
            if (atWait) atWait();
            if (clock.due) std::exchange(clock.due, nullptr)();
        }
    }
    QAccessibleInterface* Net() const { return QAccessible::queryAccessibleInterface(window.clientArea()); }
    QList<QAccessibleInterface*> NetChildren(QAccessible::Role role) const {
        QList<QAccessibleInterface*> found;
        for (int i = 0; i < Net()->childCount(); ++i)
            if (Net()->child(i)->role() == role) found << Net()->child(i);
        return found;
    }
    QString Said() const { return NetChildren(QAccessible::Notification).value(0)->text(QAccessible::Name); }
    QString Label(Mes m) const { return window.lblMes(static_cast<int>(m))->text(); }
};

}  // namespace

class UiEnglishTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(CurrentGameLanguage(), GameLanguage::English); }

    // English only when English comes before Japanese; the game's own
    // language when the desktop names neither.
    void choosesTheLanguageFromTheDesktopsPreferences_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<GameLanguage>("language");
        const auto row = [](const char* name, const QStringList& preferred, GameLanguage language) {
            QTest::newRow(name) << preferred << language;
        };
        const GameLanguage en = GameLanguage::English;
        const GameLanguage ja = GameLanguage::Japanese;
        row("English alone", {"en"}, en);
        row("British English, then Japanese", {"en-GB", "en-Latn-GB", "ja", "ja-Jpan-JP"}, en);
        row("Japanese, then English", {"ja-JP", "ja", "en-US", "en"}, ja);
        row("French, then English", {"fr", "fr-Latn-FR", "en", "en-US"}, en);
        row("French, Japanese, English", {"fr-FR", "ja", "en"}, ja);
        row("French alone", {"fr-FR", "fr-Latn-FR", "fr"}, ja);
        row("German alone", {"de"}, ja);
        row("C", {"C"}, ja);
        row("C, then English", {"C", "en"}, en);
        row("nothing", {}, ja);
        row("a locale's spelling", {"en_US.UTF-8"}, en);
        row("upper case", {"EN-us"}, en);
        row("a language that only begins like English", {"eng", "enx-ZZ"}, ja);
    }

    void choosesTheLanguageFromTheDesktopsPreferences() {
        QFETCH(QStringList, preferred);
        QFETCH(GameLanguage, language);
        QCOMPARE(ChooseGameLanguage(preferred), language);
    }

    void mainWindowLabelsAndScreenReaderTextsAreEnglish() {
        Harness h;
        QVERIFY(EnglishTextsOf(h.window).contains(QStringLiteral("No game has started yet")));
        h.Start(3, {{MoveKind::RowLeft, 2}});
        const int solved = SolvedFaces(*h.window.game().CubeState());
        const QString faces = QStringLiteral("Faces of one colour: %1").arg(solved);
        QCOMPARE(h.Said(), QStringLiteral("Game started. ") + faces);
        QCOMPARE(h.Net()->text(QAccessible::Name), QStringLiteral("Cube net"));
        QCOMPARE(h.Net()->text(QAccessible::Description), faces);

        // The faces, their blocks and the move buttons, as a reader finds them.
        QStringList faceNames;
        for (QAccessibleInterface* face : h.NetChildren(QAccessible::Table)) faceNames << face->text(QAccessible::Name);
        QCOMPARE(faceNames,
                 QStringList({"Top face", "Left end face", "Left face", "Front face", "Right face", "Bottom face"}));
        QAccessibleInterface* top = h.NetChildren(QAccessible::Table).first();
        QVERIFY(QStringList({"Green", "Red", "Blue", "Yellow", "Cyan", "Magenta"})
                    .contains(top->child(0)->text(QAccessible::Name)));
        QCOMPARE(top->child(0)->text(QAccessible::Description), QStringLiteral("Row 1, column 1"));
        QCOMPARE(top->text(QAccessible::Description), QStringLiteral("All one colour"));
        const QRegularExpression buttonName(
            QStringLiteral("^(Row [1-3] (left|right)|(Right face )?[Cc]olumn [1-3] (up|down))$"));
        const QList<QAccessibleInterface*> buttons = h.NetChildren(QAccessible::Button);
        QVERIFY(!buttons.isEmpty());
        for (QAccessibleInterface* button : buttons)
            QVERIFY2(buttonName.match(button->text(QAccessible::Name)).hasMatch(),
                     qPrintable(button->text(QAccessible::Name)));
        QStringList names;
        for (QAccessibleInterface* button : buttons) names << button->text(QAccessible::Name);
        for (const char* name : {"Row 2 right", "Column 3 up", "Right face column 1 down"})
            QVERIFY2(names.contains(QLatin1String(name)), name);

        // A press, its undo, a minute on the clock, and the win.
        h.window.game().PressButton({MoveKind::ColUp, 1});
        QVERIFY2(h.Said().startsWith(QStringLiteral("Column 1 up. Faces of one colour: ")), qPrintable(h.Said()));
        QCOMPARE(h.Label(Mes::Clicks), QStringLiteral("Clicks so far: 1"));
        QVERIFY2(h.Label(Mes::Faces).startsWith(QStringLiteral("Faces of one colour: ")),
                 qPrintable(h.Label(Mes::Faces)));
        h.window.Form_KeyDown(Qt::Key_Z, 0);
        QVERIFY2(h.Said().startsWith(QStringLiteral("Taken back: Column 1 down. Faces of one colour: ")),
                 qPrintable(h.Said()));
        for (int i = 0; i < 65; ++i) h.window.timGame_Timer();
        QCOMPARE(h.Label(Mes::Time), QStringLiteral("Time taken: 00:01:05"));
        EnglishTextsOf(h.window);
        h.window.game().PressButton({MoveKind::RowRight, 2});
        QCOMPARE(h.dialogs.congratulations, 1);
        QCOMPARE(h.Said(), QStringLiteral("Every face is of one colour. Clicks so far: 2. Time taken: 00:01:05"));
        EnglishTextsOf(h.window);
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void demonstrationNoticeIsEnglish() {
        Harness h;
        h.window.sstOption()->chkOption(1)->setChecked(true);
        int seen = 0;
        h.Start(3, {{MoveKind::RowLeft, 2}, {MoveKind::ColDown, 3}}, [&] {
            if (!h.window.lblMes(static_cast<int>(Mes::Notice))->isVisible()) return;
            ++seen;
            QCOMPARE(h.Label(Mes::Notice), QStringLiteral("Demonstration: the game plays by itself"));
            EnglishTextsOf(h.window);
        });
        QVERIFY(seen > 0);
    }

    // The practice command's box and its messages; what was typed stays as
    // typed, also when it looks like a placeholder.
    void practiceCommandIsEnglish_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << "abc"
                                      << "\u201c"
                                         "abc\u201d cannot be read as a number.\n"
                                         "Type a number of moves from 0 to 9999 in plain digits.";
        QTest::newRow("a placeholder typed") << "%2"
                                             << "\u201c%2\u201d cannot be read as a number.\n"
                                                "Type a number of moves from 0 to 9999 in plain digits.";
        QTest::newRow("too many") << " 10000 "
                                  << "The number of shuffle moves is from 0 to 9999.\n10000 cannot be used.";
    }

    void practiceCommandIsEnglish() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Harness h;
        h.dialogs.typed << typed;
        h.window.Form_KeyDown(Qt::Key_S, 1);
        QCOMPARE(h.dialogs.inputTitle, QStringLiteral("Hidden practice command"));
        QVERIFY2(h.dialogs.inputPrompt.startsWith(QStringLiteral("Type a number of shuffle moves")),
                 qPrintable(h.dialogs.inputPrompt));
        QVERIFY(!HasJapanese(h.dialogs.inputPrompt));
        QCOMPARE(h.dialogs.messages, QStringList{message});
    }

    // The options file's messages, from the window, the practice command and
    // the panel, and the panel's own.
    void optionsMessagesAreEnglish() {
        Harness h;
        QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("GameOpt.dat")));  // a folder in the file's place
        const QString file = h.OptionsFile();
        h.window.mnuStart()->trigger();
        h.dialogs.typed << QStringLiteral("5");
        h.window.Form_KeyDown(Qt::Key_S, 1);
        QCOMPARE(
            h.dialogs.messages,
            QStringList({"The options could not be read.\n" + file +
                             "\nA folder of the same name is in the way.\nThe game goes on with the settings it has.",
                         "The options could not be saved.\n" + file +
                             "\nA folder of the same name is in the way.\nThe settings last for this run only."}));
        h.dialogs.messages.clear();
        QVERIFY(QDir(h.dir.path()).rmdir(QStringLiteral("GameOpt.dat")));

        OptionsPanel& panel = *h.window.sstOption();
        h.window.mnuOption_Click();
        QVERIFY(panel.isVisible());
        const QStringList texts = EnglishTextsOf(h.window);
        for (const char* caption : {"Option", "N of Block", "Difficulty", "OK", "Cancel"})
            QVERIFY2(texts.contains(QLatin1String(caption)), caption);
        for (const char* typed : {"abc", "99999999999"}) {  // no number; beyond 32 bits
            panel.cmbOption(0)->setEditText(QLatin1String(typed));
            panel.cmdOk()->click();
        }
        QCOMPARE(h.dialogs.messages,
                 QStringList({"N of Block is not a number.\nType a number from 2 to 10 in plain digits.",
                              "N of Block is too large or too small.\n"
                              "Type a number from 2 to 10 in plain digits."}));
    }

    void recordsAreEnglish() {
        // A file the game cannot read is told, and the list starts empty.
        Harness h;
        QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("data")));
        const QString file = h.dir.filePath(QStringLiteral("data/records.txt"));
        std::ofstream(file.toStdString()) << "not records\n";
        h.window.mnuRecords()->trigger();
        QCOMPARE(
            h.dialogs.messages,
            QStringList("The records file could not be read.\n" + file +
                        "\nIt is not a records file of this game.\nThe records start from an empty list. The file "
                        "is left as it is; when a record is next saved, it is kept in the same folder under a name "
                        "such as \u201crecords-bad-1.txt\u201d. The options are not affected."));
        QCOMPARE(QString::fromStdString(h.records.StatusLine()),
                 "The records file that could not be read is left as it is: " + file);

        // The window, empty and with entries.
        const QString status = QString::fromStdString(RecordsStore(h.dir.path().toStdString()).StatusLine());
        QCOMPARE(status, "Records file: " + h.dir.filePath(QStringLiteral("records.txt")));
        frmRecords empty(RecordsTable{}, status);
        empty.show();
        QVERIFY(EnglishTextsOf(empty).contains(
            QStringLiteral("No records yet.\nWin a game with a difficulty, and the best time and the fewest clicks\n"
                           "for its block count and difficulty are kept here.")));
        RecordsTable table;
        table.entries[{10, 40}] = {90061, 1234};
        table.entries[{3, 7}] = {5, 2};
        table.last = RecordKey{10, 40};
        frmRecords listed(table, status);
        listed.show();
        const QStringList texts = EnglishTextsOf(listed);
        for (const char* text :
             {"Records", "Blocks", "Shuffle moves", "Best time", "Fewest clicks", "List of records", "40 (Ultra)", "7",
              "25:01:01", "1234", "\u2605 marks the latest game that set a record.", "Close"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }

    // The reasons a file could not be used, as the messages give them.
    void fileReasonsAreEnglish_data() {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("english");
        QTest::newRow("EACCES") << QString::fromStdString(FileErrorReason(EACCES))
                                << "There is no permission to write or read it.";
        QTest::newRow("EROFS") << QString::fromStdString(FileErrorReason(EROFS)) << "It is in a read-only place.";
        QTest::newRow("ENOSPC") << QString::fromStdString(FileErrorReason(ENOSPC)) << "The disk is full.";
        QTest::newRow("ENOENT") << QString::fromStdString(FileErrorReason(ENOENT)) << "Its folder cannot be found.";
        QTest::newRow("EINVAL") << QString::fromStdString(FileErrorReason(EINVAL)) << "It is not an ordinary file.";
        const auto parsed = [](RecordsTextError error, int line) {
            return QString::fromStdString(RecordsTextErrorReason({{}, error, line}));
        };
        QTest::newRow("newer") << parsed(RecordsTextError::NewerVersion, 0) << "A newer version of the game wrote it.";
        QTest::newRow("cut short") << parsed(RecordsTextError::Unfinished, 0) << "The file is cut short.";
        QTest::newRow("bad line") << parsed(RecordsTextError::BadLine, 12) << "Line 12 cannot be read as a record.";
        QTest::newRow("twice") << parsed(RecordsTextError::DuplicateEntry, 3)
                               << "Line 3 is a second record for the same block count and difficulty.";
        QTest::newRow("too large") << parsed(RecordsTextError::TooLarge, 0) << "It is too large for a records file.";
        QTest::newRow("no place") << QString::fromStdString(RecordsStore({}).StatusLine())
                                  << "There is no place to save the records, so they last for this run only.";
        FileResult missing{false, EACCES, "/nowhere/GameOpt.dat", true, false};
        QTest::newRow("options file missing")
            << QString::fromStdString(OptionsFileMessage(missing, false))
            << "The options could not be read.\n/nowhere/GameOpt.dat\nThe file is not there, and it cannot be made, as "
               "its folder cannot be written.\nThe game goes on with the settings it has.";
    }

    void fileReasonsAreEnglish() {
        QFETCH(QString, reason);
        QFETCH(QString, english);
        QCOMPARE(reason, english);
    }

    void aboutSplashAndCongratulationsAreEnglish() {
        SystemInfoRegistry registry{std::vector<std::filesystem::path>{}};
        frmAbout about(registry, TwipsScale{15});
        about.show();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tessaro"));
        QCOMPARE(about.lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(about.lblLegalCopyright->text(), QStringLiteral("Copyright Tessaro"));
        QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
        QCOMPARE(about.picIcon[0]->accessibleName(), QStringLiteral("A beckoning cat"));
        QCOMPARE(about.picIcon[1]->accessibleName(), QStringLiteral("The Tessaro icon"));
        QVERIFY(about.lblDescription->text().startsWith(QStringLiteral("A puzzle of matching the colours")));
        EnglishTextsOf(about);
        QStringList told;
        SysInfoActions actions;
        actions.fileExists = [](const QString&) { return false; };
        actions.start = [](const QString&) { return false; };
        actions.showMessage = [&](const QString& text) { told << text; };
        StartSysInfo(registry, actions);
        QCOMPARE(told, QStringList{"System information is not available now"});

        frmSplash splash(TwipsScale{15});
        splash.show();
        QCOMPARE(splash.lblCopyright()->text(), QStringLiteral("By Tessaro"));
        QCOMPARE(splash.lblVersion()->text(), QStringLiteral("Version 1.0.0"));
        EnglishTextsOf(splash);

        frmCongratulations won(nullptr, TwipsScale{15}, 0, 0, QPoint(), [] {});
        won.show();
        QCOMPARE(won.Label1()->text(), QStringLiteral("Well done!"));
        QCOMPARE(won.cmdOK()->text(), QStringLiteral("OK"));
        EnglishTextsOf(won);
    }

    // Game > Start from number: its box and what it says of text it cannot
    // use; the help window on F1; a redone move as a screen reader hears it;
    // the records' game numbers.
    void gameNumbersHelpAndRedoAreEnglish() {
        Harness h;
        h.dialogs.typed << QStringLiteral("abc") << QStringLiteral("11-5-1") << QStringLiteral("3-0-1")
                        << QStringLiteral("3-5-99999999999");
        for (int i = 0; i < 4; ++i) h.window.mnuStartFromNumber_Click();
        QCOMPARE(h.dialogs.inputTitle, QStringLiteral("Start from a game number"));
        QVERIFY(!HasJapanese(h.dialogs.inputPrompt));
        QCOMPARE(h.dialogs.messages.size(), 4);
        for (const QString& message : h.dialogs.messages) QVERIFY2(!HasJapanese(message), qPrintable(message));
        QVERIFY(h.dialogs.messages[0].startsWith(QStringLiteral("\u201cabc\u201d cannot be read as a game number.")));
        QVERIFY(h.dialogs.messages[1].contains(QStringLiteral("The block count is 2 to 10.")));

        frmHelp help(&h.window);
        help.show();
        QCOMPARE(help.windowTitle(), QStringLiteral("How to play"));
        EnglishTextsOf(help);
        const QString text = help.findChild<QTextBrowser*>()->toPlainText();
        QVERIFY2(!HasJapanese(text), qPrintable(text));
        for (const char* key : {"Goal", "Z", "Y", "Shift+S", "Esc", "F1", "Game numbers"})
            QVERIFY2(text.contains(QLatin1String(key)), key);

        QVERIFY(!HasJapanese(QString::fromStdString(RedoAnnouncement({MoveKind::RowLeft, 1}, 2))));

        RecordsTable table;
        table.entries[{3, 20}] = {83, 41, 4093127, std::nullopt};
        frmRecords listed(table, QString());
        listed.show();
        const QStringList texts = EnglishTextsOf(listed);
        for (const char* cell : {"Game number", "3-20-4093127", "unknown"})
            QVERIFY2(texts.contains(QLatin1String(cell)), cell);
    }

    void noDisplayLineIsEnglish() {
        const auto environment = [](const char* name) -> const char* {
            return QByteArray(name) == "DISPLAY" ? ":7" : nullptr;
        };
        const QStringList tried = {QStringLiteral("Could not load the Qt platform plugin \"wayland\""),
                                   QStringLiteral("Could not load the Qt platform plugin \"xcb\"")};
        QCOMPARE(NoDisplayText(QStringLiteral("tessaro"), tried, environment),
                 QStringLiteral("tessaro: cannot open a display: cannot connect to the Wayland display "
                                "\u201cwayland-0\u201d; cannot connect to the X display \u201c:7\u201d."));
        QCOMPARE(NoDisplayText(QStringLiteral("tessaro"), {}, environment),
                 QStringLiteral("tessaro: cannot open a display."));
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiEnglishTest)
#include "ui_english_test.moc"
