// The options panel on a stand-in main window, offscreen, with its options
// file in a temporary folder and its messages collected instead of shown.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ui/net_accessible.h"
#include "ui/options_panel.h"

namespace tessaro {

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v));
    return out;
}

QStringList Entries(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
    return out;
}

}  // namespace

class OptionsPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<OptionsStore> store_;
    std::unique_ptr<QWidget> window_;
    OptionsPanel* panel_ = nullptr;
    QStringList messages_;

    QString FilePath() const { return dir_->filePath(QStringLiteral("GameOpt.dat")); }
    QByteArray FileBytes() const {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }
    void WriteFile(const QByteArray& bytes) const {
        QFile file(FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
    void Type(const QString& blocks, const QString& difficulty, bool shuffle) const {
        cmb(0)->setEditText(blocks);
        cmb(1)->setEditText(difficulty);
        chk(0)->setChecked(shuffle);
    }
    QComboBox* cmb(int i) const { return panel_->cmbOption(i); }
    QCheckBox* chk(int i) const { return panel_->chkOption(i); }

private slots:
    void initTestCase() { InstallAccessibility(); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        store_ = std::make_unique<OptionsStore>(dir_->path().toStdString());
        window_ = std::make_unique<QWidget>();
        window_->resize(800, 600);
        panel_ = new OptionsPanel(window_.get(), *store_, TwipsScale{15.0});
        panel_->showMessage = [this](const QString& text) { messages_ << text; };
        messages_.clear();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() {
        window_.reset();
        store_.reset();
        dir_.reset();
    }

    void startsHiddenWithItsCaptionsListsAndStates() {
        QVERIFY(!panel_->isVisible());
        QCOMPARE(panel_->geometry(), QRect(216, 136, 211, 217));  // 3240, 2040, 3165 x 3255 twips
        QCOMPARE(panel_->count(), 1);
        QCOMPARE(panel_->tabText(0), "Option");
        QCOMPARE(panel_->lblOption(0)->text(), "N of Block");
        QCOMPARE(panel_->lblOption(1)->text(), "Difficulty");
        QCOMPARE(chk(0)->text(), "  Can see the shuffle");
        QCOMPARE(chk(1)->text(), "Can see the Demonstration");
        QCOMPARE(panel_->cmdOk()->text(), QString::fromUtf8("\xEF\xBC\xAF\xEF\xBC\xAB"));  // full-width OK
        QCOMPARE(panel_->cmdCancel()->text(), "Cancel");
        QCOMPARE(Entries(cmb(0)), QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        QCOMPARE(Entries(cmb(1)), QStringList({"Ultra", "Hard", "Usuall", "Easy", "Practice"}));
        QCOMPARE(cmb(0)->currentText(), "Combo1");
        QCOMPARE(cmb(1)->currentText(), "Combo1");
        QVERIFY(panel_->IsChecked(0) && !panel_->IsChecked(1));
        QVERIFY2(!QFile::exists(FilePath()), "nothing is read before the panel opens");
    }

    void screenReadersCallTheBoxesByTheirCaptionsNotTheirText() {
        panel_->mnuOption_Click();
        cmb(1)->setEditText(QStringLiteral("Hard"));
        const QStringList captions = {QStringLiteral("N of Block"), QStringLiteral("Difficulty")};
        for (int i = 0; i < 2; ++i) {
            QAccessibleInterface* box = QAccessible::queryAccessibleInterface(cmb(i));
            QCOMPARE(box->role(), QAccessible::ComboBox);
            QCOMPARE(box->text(QAccessible::Name), captions[i]);
            QCOMPARE(box->text(QAccessible::Value), cmb(i)->currentText());
            const auto labels = box->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first->object(), panel_->lblOption(i));
            QVERIFY(box->state().editable && box->state().collapsed);
            QVERIFY(box->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(cmb(1))->text(QAccessible::Value), QStringLiteral("Hard"));
    }

    void opensInPlaceWithTheControlsLaidOutInTwips() {
        panel_->mnuOption_Click();
        QCOMPARE(panel_->geometry(), QRect(53, 7, 211, 217));  // at 800, 100 twips
        const std::pair<QWidget*, QRect> places[] = {
            {cmb(0), {1320, 600, 1455, 300}},
            {cmb(1), {1320, 1080, 1455, 300}},
            {chk(0), {240, 1680, 2295, 255}},
            {chk(1), {240, 2040, 2535, 255}},
            {panel_->cmdOk(), {1080, 2640, 855, 420}},
            {panel_->cmdCancel(), {2040, 2640, 855, 420}},
            {panel_->lblOption(0), {240, 720, 855, 255}},
            {panel_->lblOption(1), {240, 1200, 855, 255}},
        };
        const TwipsScale scale{15.0};
        for (const auto& [widget, twips] : places) {
            QRect expected(scale.ToPixels(twips.x()), scale.ToPixels(twips.y()), scale.ToPixels(twips.width()),
                           scale.ToPixels(twips.height()));
            // A caption a little wider than its box in the default font
            // (the demonstration's, in a wide face) takes the room beside it
            // at its full width; nothing moves.
            if (qobject_cast<QLabel*>(widget) != nullptr || qobject_cast<QCheckBox*>(widget) != nullptr)
                expected.setWidth(std::max(expected.width(), widget->sizeHint().width()));
            QVERIFY2(QRect(widget->mapTo(panel_, QPoint(0, 0)), widget->size()) == expected,
                     qPrintable(widget->objectName()));
            QVERIFY(widget->isVisible());
            QVERIFY2(widget->font().stretch() == QFont::AnyStretch || widget->font().stretch() >= QFont::Unstretched,
                     qPrintable(widget->objectName() + " is drawn narrower than the player's font"));
        }
        QVERIFY(panel_->tabBar()->geometry().bottom() < cmb(0)->mapTo(panel_, QPoint(0, 0)).y());
        // Captions are not cut off, whatever the width of the default font.
        const std::initializer_list<QWidget*> captioned = {panel_->lblOption(0), panel_->lblOption(1), chk(0), chk(1)};
        for (QWidget* widget : captioned)
            QVERIFY2(widget->sizeHint().width() <= widget->width(), qPrintable(widget->objectName()));
    }

    void largeFontsGrowTheControlsNeverShrinkTheText() {
        for (double points : {16.0, 20.0}) {
            QWidget window;
            QFont large = window.font();
            large.setPointSizeF(points);
            window.setFont(large);
            window.resize(1200, 900);
            auto* panel = new OptionsPanel(&window, *store_, TwipsScale{15.0});
            window.show();
            panel->mnuOption_Click();
            const QList<QWidget*> mine = {panel->cmbOption(0), panel->cmbOption(1), panel->chkOption(0),
                                          panel->chkOption(1), panel->cmdOk(),      panel->cmdCancel(),
                                          panel->lblOption(0), panel->lblOption(1)};
            for (QWidget* w : mine) {
                const QString what = QStringLiteral("%1 at %2 pt").arg(w->objectName()).arg(points);
                QCOMPARE(w->font().pointSizeF(), points);  // never smaller than the player's
                QVERIFY2(w->font().stretch() == QFont::AnyStretch || w->font().stretch() >= QFont::Unstretched,
                         qPrintable(what + " is narrower"));
                const QRect box(w->mapTo(panel, QPoint(0, 0)), w->size());
                QVERIFY2(panel->rect().contains(box), qPrintable(what));
                QVERIFY2(box.top() > panel->tabBar()->geometry().bottom(), qPrintable(what));
                QVERIFY2(w->height() >= w->fontMetrics().height(), qPrintable(what));
                if (auto* button = qobject_cast<QPushButton*>(w))
                    QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 4,
                             qPrintable(what));
                else if (!qobject_cast<QComboBox*>(w)) QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(what));
                for (QWidget* other : mine)
                    if (other != w)
                        QVERIFY2(!box.intersects(QRect(other->mapTo(panel, QPoint(0, 0)), other->size())),
                                 qPrintable(what));
            }
            QVERIFY2(panel->cmbOption(1)->width() >= panel->cmbOption(1)->sizeHint().width() - 1,
                     "Practice fits its box");
        }
    }

    void tabWalksTheControlsInOrder() {
        panel_->mnuOption_Click();
        QCOMPARE(QApplication::focusWidget(), cmb(0));
        const std::initializer_list<QWidget*> order = {cmb(1), chk(0), chk(1), panel_->cmdOk(), panel_->cmdCancel(),
                                                       cmb(0)};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void openingAFreshFolderCreatesAnEmptyFileAndShowsZeros() {
        panel_->mnuOption_Click();
        QCOMPARE(FileBytes(), QByteArray());
        QCOMPARE(cmb(0)->currentText(), "0");
        QCOMPARE(cmb(1)->currentText(), "Practice");
        QVERIFY(!chk(0)->isChecked());
        QVERIFY(messages_.isEmpty());
    }

    // The file holds 5 blocks, difficulty 7 (set by the practice command,
    // no word for it) and the shuffle shown as 01 00.
    void okTakesTheTypedTexts_data() {
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<QString>("difficulty");
        QTest::addColumn<bool>("shuffle");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("example") << "10"
                                 << "Ultra" << true << Bytes({10, 0, 0, 0, 40, 0, 0, 0, 0xFF, 0xFF});
        QTest::newRow("untouched") << "5"
                                   << "Combo1" << true << Bytes({5, 0, 0, 0, 7, 0, 0, 0, 0xFF, 0xFF});
        QTest::newRow("lower case") << "5"
                                    << "ultra" << true << Bytes({5, 0, 0, 0, 7, 0, 0, 0, 0xFF, 0xFF});
        QTest::newRow("trailing blank") << "5"
                                        << "Hard " << false << Bytes({5, 0, 0, 0, 7, 0, 0, 0, 0, 0});
        QTest::newRow("practice") << "3"
                                  << "Practice" << true << Bytes({3, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF});
        QTest::newRow("usuall") << "4"
                                << "Usuall" << true << Bytes({4, 0, 0, 0, 10, 0, 0, 0, 0xFF, 0xFF});
        QTest::newRow("twelve") << "12"
                                << "Easy" << true << Bytes({12, 0, 0, 0, 5, 0, 0, 0, 0xFF, 0xFF});
        QTest::newRow("negative") << "-1"
                                  << "Hard" << true << Bytes({0xFF, 0xFF, 0xFF, 0xFF, 20, 0, 0, 0, 0xFF, 0xFF});
        QTest::newRow("half to even") << " 2.5 "
                                      << "Easy" << true << Bytes({2, 0, 0, 0, 5, 0, 0, 0, 0xFF, 0xFF});
        QTest::newRow("half up to even") << "3.5"
                                         << "Easy" << true << Bytes({4, 0, 0, 0, 5, 0, 0, 0, 0xFF, 0xFF});
    }
    void okTakesTheTypedTexts() {
        QFETCH(QString, blocks);
        QFETCH(QString, difficulty);
        QFETCH(bool, shuffle);
        QFETCH(QByteArray, file);
        WriteFile(Bytes({5, 0, 0, 0, 7, 0, 0, 0, 0x01, 0x00}));
        panel_->mnuOption_Click();
        QCOMPARE(cmb(1)->currentText(), "Combo1");
        QVERIFY(chk(0)->isChecked());
        Type(blocks, difficulty, shuffle);
        panel_->cmdOk()->click();
        QCOMPARE(FileBytes(), file);
        QVERIFY(!panel_->isVisible());
        QVERIFY(messages_.isEmpty());
    }

    // Another copy of the game saves while the panel is open: OK sets only
    // the panel's own fields, so the other copy's number of moves stays.
    void okKeepsWhatAnotherCopySavedWhileThePanelWasOpen() {
        WriteFile(Bytes({5, 0, 0, 0, 7, 0, 0, 0, 0x01, 0x00}));
        panel_->mnuOption_Click();
        WriteFile(Bytes({5, 0, 0, 0, 9, 0, 0, 0, 0x01, 0x00, 0xAB}));
        Type("6", "Combo1", true);
        panel_->cmdOk_Click();
        QCOMPARE(FileBytes(), Bytes({6, 0, 0, 0, 9, 0, 0, 0, 0xFF, 0xFF, 0xAB}));
        QCOMPARE(store_->Record(), (OptionsRecord{6, 9, -1}));
        QVERIFY(messages_.isEmpty());
    }

    void aDifficultyWithoutAWordLeavesTheBoxAsItWas() {
        panel_->mnuOption_Click();
        Type("2", "Hard", false);
        panel_->cmdCancel_Click();
        WriteFile(Bytes({3, 0, 0, 0, 7, 0, 0, 0, 0, 0}));
        panel_->mnuOption_Click();
        QCOMPARE(cmb(0)->currentText(), "3");
        QCOMPARE(cmb(1)->currentText(), "Hard");
    }

    void cancelSavesNothingAndKeepsWhatWasChanged() {
        WriteFile(Bytes({4, 0, 0, 0, 5, 0, 0, 0, 0xFF, 0xFF}));
        panel_->mnuOption_Click();
        Type("9", "Ultra", false);
        chk(1)->setChecked(true);
        panel_->cmdCancel()->click();
        QVERIFY(!panel_->isVisible());
        QCOMPARE(FileBytes(), Bytes({4, 0, 0, 0, 5, 0, 0, 0, 0xFF, 0xFF}));
        QCOMPARE(cmb(0)->currentText(), "9");
        QVERIFY(!panel_->IsChecked(0) && panel_->IsChecked(1));  // what the next new game reads

        panel_->mnuOption_Click();  // the file wins again, except for the demonstration
        QCOMPARE(cmb(0)->currentText(), "4");
        QVERIFY(panel_->IsChecked(0) && panel_->IsChecked(1));
        panel_->cmdOk_Click();
        QVERIFY2(panel_->IsChecked(1), "never stored, never reset");
    }

    void badBlockCountKeepsThePanelOpen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        const QString notANumber = QString::fromUtf8("数値になっていません");
        const QString outOfRange = QString::fromUtf8("大きすぎるか小さすぎます");
        for (const char* text : {"", "   ", "abc", "1e99", "1 2", "\xEF\xBC\x91\xEF\xBC\x92" /* full-width 12 */})
            QTest::newRow(text) << QString::fromUtf8(text) << notANumber;
        for (const char* text : {"2147483648", "2147483647.5", "-99999999999"})
            QTest::newRow(text) << QString::fromUtf8(text) << outOfRange;
    }
    void badBlockCountKeepsThePanelOpen() {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        WriteFile(Bytes({4, 0, 0, 0, 5, 0, 0, 0, 0, 0}));
        panel_->mnuOption_Click();
        Type(text, "Ultra", true);
        cmb(1)->setFocus();
        QTest::keyClick(cmb(1), Qt::Key_Return);
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_[0].contains(reason), qPrintable(messages_[0]));
        QVERIFY(panel_->isVisible());
        QCOMPARE(QApplication::focusWidget(), cmb(0));
        QCOMPARE(cmb(0)->currentText(), text);
        QCOMPARE(FileBytes(), Bytes({4, 0, 0, 0, 5, 0, 0, 0, 0, 0}));
        QCOMPARE(store_->Record(), (OptionsRecord{4, 5, 0}));
    }

    void fileErrorsAreToldAndTheChoicesKept() {
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("GameOpt.dat")));  // neither load nor save can work
        store_->Record() = {6, 20, 0};
        panel_->mnuOption_Click();
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains(QString::fromUtf8("読み込めませんでした")));
        QCOMPARE(cmb(0)->currentText(), "6");  // filled from the record as it is
        QCOMPARE(cmb(1)->currentText(), "Hard");

        Type("10", "Ultra", true);
        panel_->cmdOk_Click();
        QCOMPARE(messages_.size(), 2);
        QVERIFY(messages_[1].contains(QString::fromUtf8("保存できませんでした")));
        QVERIFY(!panel_->isVisible());
        QCOMPARE(store_->Record(), (OptionsRecord{10, 40, -1}));

        QVERIFY(QDir(dir_->path()).rmdir(QStringLiteral("GameOpt.dat")));
        panel_->mnuOption_Click();  // the kept choices reach the file once it can be written
        QCOMPARE(FileBytes(), Bytes({10, 0, 0, 0, 40, 0, 0, 0, 0xFF, 0xFF}));
        QCOMPARE(cmb(0)->currentText(), "10");
    }

    void enterAndEscapeAnywhereInThePanel_data() {
        QTest::addColumn<int>("focus");  // 0, 1 combo boxes; 2, 3 check boxes; 4 OK; 5 Cancel
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("saved");
        QTest::newRow("return in block count") << 0 << int(Qt::Key_Return) << true;
        QTest::newRow("keypad enter in difficulty") << 1 << int(Qt::Key_Enter) << true;
        QTest::newRow("return on a check box") << 3 << int(Qt::Key_Return) << true;
        QTest::newRow("return on OK") << 4 << int(Qt::Key_Return) << true;
        QTest::newRow("return on Cancel clicks it") << 5 << int(Qt::Key_Return) << false;
        QTest::newRow("esc in block count") << 0 << int(Qt::Key_Escape) << false;
        QTest::newRow("esc in difficulty") << 1 << int(Qt::Key_Escape) << false;
        QTest::newRow("esc on a check box") << 2 << int(Qt::Key_Escape) << false;
        QTest::newRow("esc on OK") << 4 << int(Qt::Key_Escape) << false;
    }
    void enterAndEscapeAnywhereInThePanel() {
        QFETCH(int, focus);
        QFETCH(int, key);
        QFETCH(bool, saved);
        panel_->mnuOption_Click();
        Type("3", "Hard", false);  // a list entry: the box must not keep the key for itself
        QWidget* targets[] = {cmb(0), cmb(1), chk(0), chk(1), panel_->cmdOk(), panel_->cmdCancel()};
        targets[focus]->setFocus();
        QCOMPARE(QApplication::focusWidget(), targets[focus]);
        QTest::keyClick(targets[focus], Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY(!panel_->isVisible());
        QCOMPARE(FileBytes(), saved ? Bytes({3, 0, 0, 0, 20, 0, 0, 0, 0, 0}) : QByteArray());
    }

    void keysInAnOpenListStayInTheList() {
        panel_->mnuOption_Click();  // a fresh folder: Practice, the last entry
        cmb(1)->showPopup();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!cmb(1)->view()->isVisible());
        QCOMPARE(cmb(1)->currentText(), "Easy");
        cmb(1)->showPopup();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!cmb(1)->view()->isVisible());
        QVERIFY(panel_->isVisible());
        QCOMPARE(FileBytes(), QByteArray());
    }

    void typedTextIsNeitherCompletedNorAddedToTheList() {
        panel_->mnuOption_Click();
        cmb(1)->lineEdit()->clear();
        QTest::keyClicks(cmb(1), QStringLiteral("ultra"));
        QTest::keyClick(cmb(1), Qt::Key_Tab);
        QCOMPARE(cmb(1)->currentText(), "ultra");
        cmb(0)->lineEdit()->clear();
        QTest::keyClicks(cmb(0), QStringLiteral("1"));
        QTest::keyClick(cmb(0), Qt::Key_Return);
        QCOMPARE(FileBytes(), Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(cmb(0)->currentText(), "1");
        QCOMPARE(cmb(0)->count(), 9);
        QCOMPARE(cmb(1)->count(), 5);
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::OptionsPanelTest)
#include "options_panel_test.moc"
