// The windows, driven offscreen.

#include <QtTest>

#include "ui/frm_cube.h"

namespace tessaro {

class UiTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowIsTitledTessaro() {
        frmCube window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tessaro"));
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiTest)
#include "ui_test.moc"
