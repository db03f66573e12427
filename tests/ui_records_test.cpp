// The records window, offscreen: one row per entry in order, the mark on
// the entry the latest record-setting game changed, the empty list, a long
// list that scrolls, and the keys that close it.

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "ui/frm_records.h"

namespace tessaro {

namespace {

QStringList Row(const frmRecords& window, int row) {
    QStringList texts;
    for (int column = 0; column < window.grdRecords->columnCount(); ++column)
        texts << window.grdRecords->item(row, column)->text();
    return texts;
}

}  // namespace

class UiRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void listsEveryEntryInOrderAndMarksTheLastOne() {
        RecordsTable table;
        table.entries[{10, 40}] = {90061, 1234};
        table.entries[{3, 10}] = {83, 41, 4093127, 77};
        table.entries[{3, 7}] = {5, 2};
        table.last = RecordKey{3, 10};
        frmRecords window(table, QStringLiteral("記録ファイル: /somewhere/records.txt"));

        QCOMPARE(window.windowTitle(), QStringLiteral("記録"));
        QCOMPARE(window.grdRecords->rowCount(), 3);
        QStringList headers;
        for (int column = 0; column < window.grdRecords->columnCount(); ++column)
            headers << window.grdRecords->horizontalHeaderItem(column)->text();
        QCOMPARE(headers,
                 (QStringList{"", "ブロック数", "難易度", "最短時間", "ゲーム番号", "最少クリック数", "ゲーム番号"}));
        // Each best with the number of the game that set it; none for a
        // best set before games had numbers.
        QCOMPARE(Row(window, 0), (QStringList{"", "3×3", "7回", "00時間00分05秒", "不明", "2回", "不明"}));
        QCOMPARE(Row(window, 1),
                 (QStringList{"★", "3×3", "10回 (Usuall)", "00時間01分23秒", "3-10-4093127", "41回", "3-10-77"}));
        QCOMPARE(Row(window, 2),
                 (QStringList{"", "10×10", "40回 (Ultra)", "25時間01分01秒", "不明", "1234回", "不明"}));
        for (int row = 0; row < 3; ++row) QCOMPARE(window.grdRecords->item(row, 3)->font().bold(), row == 1);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.grdRecords->isVisible());
        QVERIFY(!window.lblEmpty->isVisible());
        QVERIFY(window.lblMark->isVisible());
        QCOMPARE(window.lblStatus->text(), QStringLiteral("記録ファイル: /somewhere/records.txt"));
        // Every column and row fits without scrolling.
        QVERIFY(window.grdRecords->viewport()->width() >= window.grdRecords->horizontalHeader()->length());
        QVERIFY(!window.grdRecords->verticalScrollBar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.cmdOK);
    }

    void emptyListSaysHowRecordsAreMade() {
        frmRecords window(RecordsTable{}, QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.grdRecords->isVisible());
        QVERIFY(window.lblEmpty->isVisible());
        QVERIFY(window.lblEmpty->text().startsWith(QStringLiteral("まだ記録はありません。")));
        QVERIFY(!window.lblMark->isVisible());
    }

    void longListScrollsAfterADozenRows() {
        RecordsTable table;
        for (std::int32_t d = 1; d <= 30; ++d) table.entries[{4, d}] = {d, d};
        frmRecords window(table, QString());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.grdRecords->rowCount(), 30);
        QVERIFY(window.grdRecords->verticalScrollBar()->isVisible());
        QVERIFY(window.grdRecords->rowAt(window.grdRecords->viewport()->height() - 1) < 12);
        QVERIFY(!window.lblMark->isVisible());  // no entry is marked
    }

    void enterAndEscClose() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            frmRecords window(RecordsTable{}, QString());
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY2(!window.isVisible(), key == Qt::Key_Return ? "Enter" : "Esc");
        }
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiRecordsTest)
#include "ui_records_test.moc"
