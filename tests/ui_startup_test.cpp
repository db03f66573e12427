// Start-up and the end: the quit signals reach the event loop and end the
// game through any modal box; the line for a missing display.

#include <signal.h>

#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <map>
#include <string>

#include "ui/no_display.h"
#include "ui/quit_signals.h"

namespace tessaro {
namespace {

// A window that counts how often it was closed, as Quit closes the main window.
class CountingWindow final : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        QWidget::closeEvent(event);
    }
};

// Refuses every close, as the congratulations window does.
class StubbornBox final : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
    void reject() override {}
};

}  // namespace

class UiStartupTest : public QObject {
    Q_OBJECT

private slots:
    void eachQuitSignalWaitsForTheEventLoop() {
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            struct sigaction before = {};
            ::sigaction(signal, nullptr, &before);
            {
                QList<int> seen;
                const QuitSignals quit([&](int got) { seen.append(got); });
                QCOMPARE(::raise(signal), 0);
                QVERIFY(seen.isEmpty());  // nothing of the game runs inside the handler
                QTRY_COMPARE(seen, QList<int>{signal});
            }
            // Gone, it gives the signal back to whoever had it.
            struct sigaction after = {};
            ::sigaction(signal, nullptr, &after);
            QVERIFY2(after.sa_handler == before.sa_handler, qPrintable(QString::number(signal)));
        }
    }

    void aSignalEndsTheGameThroughAnyModalBox() {
        // A box that refuses to close goes with the window that owns it, but
        // one of its own holds the program until its loop is made to end.
        const QStringList kinds = {QStringLiteral("dialog"), QStringLiteral("message"), QStringLiteral("stubborn"),
                                   QStringLiteral("stubborn, of its own")};
        for (const QString& kind : kinds) {
            CountingWindow main;
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            const QuitSignals quit;
            bool boxReturned = false;
            QTimer::singleShot(0, &main, [&] {
                std::unique_ptr<QDialog> box;
                if (kind == QLatin1String("dialog")) box = std::make_unique<QDialog>(&main);
                else if (kind == QLatin1String("message"))
                    box = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Tessaro"),
                                                        QStringLiteral("..."), QMessageBox::Ok, &main);
                else if (kind == QLatin1String("stubborn")) box = std::make_unique<StubbornBox>(&main);
                else box = std::make_unique<StubbornBox>();
                // Comes inside the box's own event loop.
                QTimer::singleShot(0, box.get(), [] { ::raise(SIGTERM); });
                box->exec();
                boxReturned = true;
            });
            // Should the box hold the program, this ends the loop with another status.
            QTimer deadline;
            deadline.setSingleShot(true);
            QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(99); });
            deadline.start(20000);
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY2(boxReturned, qPrintable(kind));
            QCOMPARE(main.closes, 1);
            QVERIFY(!main.isVisible());
        }
    }

    void noDisplayNamesEveryDisplayTried() {
        const QString fatal = QStringLiteral(
            "This application failed to start because no Qt platform plugin could be initialized. Reinstalling the "
            "application may fix this problem.\n\nAvailable platform plugins are: offscreen, xcb, wayland.");
        const auto cannotLoad = [](const char* platform) {
            return QStringLiteral("Could not load the Qt platform plugin \"%1\" in \"\" even though it was found.")
                .arg(QLatin1String(platform));
        };
        struct Case {
            const char* what;
            QStringList messages;
            std::map<std::string, std::string> environment;
            QString line;
        };
        const QList<Case> cases = {
            {"X, a display that is not there",
             {QStringLiteral("could not connect to display unix:65000"), cannotLoad("xcb"), fatal},
             {{"DISPLAY", "unix:65000"}},
             QStringLiteral("tessaro: 画面を開けません: X のディスプレイ「unix:65000」に接続できません。")},
            {"X, no DISPLAY",
             {cannotLoad("xcb"), fatal},
             {{"DISPLAY", ""}},
             QStringLiteral(
                 "tessaro: 画面を開けません: DISPLAY が設定されていないため X のディスプレイに接続できません。")},
            {"Wayland",
             {QStringLiteral("Failed to create wl_display (No such file or directory)"), cannotLoad("wayland"), fatal},
             {{"WAYLAND_DISPLAY", "nowhere-1"}, {"DISPLAY", ":0"}},
             QStringLiteral("tessaro: 画面を開けません: Wayland のディスプレイ「nowhere-1」に接続できません。")},
            {"Wayland by its other plugin, no WAYLAND_DISPLAY",
             {cannotLoad("wayland-egl"), fatal},
             {},
             QStringLiteral("tessaro: 画面を開けません: Wayland のディスプレイ「wayland-0」に接続できません。")},
            {"Wayland first, then X, each once",
             {cannotLoad("wayland"), cannotLoad("xcb"), cannotLoad("wayland"), fatal},
             {{"WAYLAND_DISPLAY", "w-9"}, {"DISPLAY", ":7"}},
             QStringLiteral("tessaro: 画面を開けません: Wayland のディスプレイ「w-9」に接続できません。"
                            "X のディスプレイ「:7」に接続できません。")},
            {"a platform that does not exist",
             {QStringLiteral("Could not find the Qt platform plugin \"bogus\" in \"\""), fatal},
             {{"DISPLAY", ":0"}},
             QStringLiteral("tessaro: 画面を開けません: 表示方式「bogus」を使えません。")},
            {"some other failure: Qt's first line",
             {QStringLiteral("Something else went wrong\nin detail")},
             {},
             QStringLiteral("tessaro: 画面を開けません: Something else went wrong。")},
        };
        for (const Case& c : cases) {
            const auto environment = [&](const char* name) -> const char* {
                const auto found = c.environment.find(name);
                return found == c.environment.end() ? nullptr : found->second.c_str();
            };
            const QString line = NoDisplayText(QStringLiteral("tessaro"), c.messages, environment);
            QVERIFY2(line == c.line, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(c.what), line)));
        }
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiStartupTest)
#include "ui_startup_test.moc"
