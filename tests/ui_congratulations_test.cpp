// The congratulations window, offscreen at 15 twips per pixel.

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ui/frm_congratulations.h"

namespace tessaro {

class UiCongratulationsTest : public QObject {
    Q_OBJECT
private slots:
    void congratulationsStandsWhereToldWithoutAFrame() {
        int cleared = 0;
        frmCongratulations w(nullptr, TwipsScale{15}, 587 / 3.0, 3144, QPoint(100, 50), [&] { ++cleared; });
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.size(), QSize(225, 105));
        QCOMPARE(w.pos(), QPoint(100 + 13, 50 + 210));  // twips from the screen's corner
        QCOMPARE(w.Label1()->text(), QStringLiteral("おめでとう"));
        // The text in its place; its halo reaches into a margin around it.
        const int halo = w.Label1()->margin();
        QVERIFY(halo > 0);
        QCOMPARE(w.Label1()->geometry().marginsRemoved(QMargins(halo, halo, halo, halo)), QRect(8, 8, 210, 48));
        QVERIFY(w.rect().contains(w.Label1()->geometry()));
        QCOMPARE(w.Label1()->font().pointSize(), 36);
        QCOMPARE(w.Label1()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(w.cmdOK()->text(), QStringLiteral("ＯＫ"));
        QCOMPARE(w.cmdOK()->geometry(), QRect(88, 64, 49, 33));
        QCOMPARE(cleared, 0);

        // The rainbow at its own size from the corner; light cyan beyond it.
        const QImage shown = w.grab().toImage();
        QVERIFY(QColor(shown.pixel(2, 2)).red() > QColor(shown.pixel(2, 2)).blue());  // red band first
        QCOMPARE(QColor(shown.pixel(210, 100)), QColor(192, 255, 255));
    }

    void onlyItsButtonClosesIt() {
        int cleared = 0;
        frmCongratulations w(nullptr, TwipsScale{15}, 0, 0, QPoint(), [&] { ++cleared; });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        w.close();
        QVERIFY(w.isVisible());
        QCOMPARE(cleared, 0);
        QTest::keyClick(&w, Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(cleared, 1);
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiCongratulationsTest)
#include "ui_congratulations_test.moc"
