// Start-up offscreen, on a clock the test steps: the splash first, alone,
// for its moment; then the main window, and the splash is gone. (ui_test
// runs the whole of Main on the real clock.)

#include <QTemporaryDir>
#include <QtTest>

#include "options/options_store.h"
#include "records/records_store.h"
#include "scripted_random.h"
#include "ui/click_sound.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/frm_cube.h"
#include "ui/frm_splash.h"
#include "ui/registry.h"
#include "ui/splash_then_window.h"

namespace tessaro {

namespace {

// Time stands still until the test lets the wait pass.
struct SteppedClock final : Clock {
    std::vector<std::int64_t> waits;
    std::function<void()> due;
    int stopped = 0;

    std::int64_t WallMilliseconds() override { return 1'000'000; }
    std::uint64_t Seed() override { return 7; }
    void StartWait(std::int64_t ms, std::function<void()> call) override {
        waits.push_back(ms);
        due = std::move(call);
    }
    void StopWait() override {
        due = nullptr;
        ++stopped;
    }
    void Pass() {
        const std::function<void()> call = std::move(due);
        due = nullptr;
        if (call) call();
    }
};

// The program's windows that are shown, by kind.
struct Shown {
    int splashes = 0;
    int mains = 0;
};

Shown ShownWindows() {
    Shown shown;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        shown.splashes += qobject_cast<frmSplash*>(top) != nullptr;
        shown.mains += qobject_cast<frmCube*>(top) != nullptr;
    }
    return shown;
}

int Splashes() {
    int n = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) n += qobject_cast<frmSplash*>(top) != nullptr;
    return n;
}

// What the main window needs, over a temporary folder.
struct Services {
    QTemporaryDir dir;
    OptionsStore options{dir.path().toStdString()};
    RecordsStore records{dir.filePath(QStringLiteral("data")).toStdString()};
    testing::ScriptedRandom random;
    WindowDialogs dialogs;
    ClickSound sound{dir.filePath(QStringLiteral("Click.wav")).toStdString()};
    SystemInfoRegistry registry{std::vector<std::filesystem::path>{}};
};

}  // namespace

class UiStartupSequenceTest : public QObject {
    Q_OBJECT
private slots:
    void splashAloneForItsMomentThenTheMainWindowAndTheSplashIsGone() {
        Services services;
        SteppedClock clock;
        std::unique_ptr<frmCube> window;
        Shown whileOpening;
        SplashThenWindow startUp(clock, TwipsScale{15}, [&] {
            window = std::make_unique<frmCube>(frmCube::Services{services.options, services.records, services.random,
                                                                 services.dialogs, services.sound, services.registry,
                                                                 clock, TwipsScale{15}});
            window->Form_Load();
            whileOpening = ShownWindows();
        });

        // The splash at once, painted, and nothing else yet.
        QVERIFY(startUp.Splash() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(startUp.Splash()));
        QCOMPARE(ShownWindows().splashes, 1);
        QCOMPARE(ShownWindows().mains, 0);
        QVERIFY(window == nullptr);
        // It stays for a second and a half of the clock, whatever else runs meanwhile.
        QCOMPARE(clock.waits, std::vector<std::int64_t>{1500});
        QCoreApplication::processEvents();
        QVERIFY(window == nullptr);
        QCOMPARE(ShownWindows().splashes, 1);

        clock.Pass();
        // The main window came while the splash still stood, so the program
        // never was without a window; then the splash was freed, not only hidden.
        QCOMPARE(whileOpening.splashes, 1);
        QCOMPARE(whileOpening.mains, 1);
        QVERIFY(window != nullptr);
        QVERIFY(startUp.Splash() == nullptr);
        QCOMPARE(Splashes(), 0);
        QTRY_VERIFY(window->isMaximized());
        QCOMPARE(ShownWindows().mains, 1);
        QCOMPARE(clock.stopped, 0);
    }

    void endedDuringTheSplashNoWindowComesLater() {
        // Closing the splash ends the program; start-up's wait must not
        // call into what is gone.
        SteppedClock clock;
        int opened = 0;
        {
            SplashThenWindow startUp(clock, TwipsScale{15}, [&] { ++opened; });
            QVERIFY(clock.due);
        }
        QVERIFY(!clock.due);
        QCOMPARE(Splashes(), 0);
        clock.Pass();
        QCOMPARE(opened, 0);
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiStartupSequenceTest)
#include "ui_startup_sequence_test.moc"
