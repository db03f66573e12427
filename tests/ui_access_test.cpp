// What a screen reader finds in the main window, offscreen: the faces as
// tables of blocks named by colour, what each change announces, names and
// roles without internal names, the options panel as a dialog, and its boxes
// stepping on from the value they show. Offscreen, Qt sends no events to a
// screen reader at all (not even to an update handler): that each change is
// announced once, that the clock keeps quiet and that changed blocks are
// renamed is heard over the real accessibility bus (access_read_test).

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QtTest>

#include <fstream>
#include <functional>
#include <map>

#include "options/options_store.h"
#include "records/records_store.h"
#include "scripted_random.h"
#include "session/game_texts.h"
#include "ui/click_sound.h"
#include "ui/client_area.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/frm_cube.h"
#include "ui/options_panel.h"
#include "ui/registry.h"

namespace tessaro {

namespace {

void WriteRecord(const QString& path, std::int32_t blockN, std::int32_t difficulty) {
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

// Boxes that answer at once; the congratulations window is closed by OK.
struct FakeDialogs final : WindowDialogs {
    std::function<void()> atCongratulations;
    void ShowMessage(QWidget*, const QString&) override {}
    QString InputBox(QWidget*, const QString&, const QString&) override { return {}; }
    void ShowCongratulations(QWidget*, TwipsScale, double, std::int32_t, std::function<void()> ok) override {
        if (atCongratulations) atCongratulations();
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
        window.resize(445, 392 + window.menuBar()->sizeHint().height());
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the window did not show");
    }
    void Start(int n, const std::vector<Move>& shuffle) {
        WriteRecord(dir.filePath(QStringLiteral("GameOpt.dat")), n, static_cast<std::int32_t>(shuffle.size()));
        random.draws.clear();
        random.Script(shuffle, n);
        window.mnuStart()->trigger();
        while (clock.due) std::exchange(clock.due, nullptr)();  // a shown shuffle, step by step
    }
    QAccessibleInterface* Net() const { return QAccessible::queryAccessibleInterface(window.clientArea()); }
    // The net's children of one role, in order.
    QList<QAccessibleInterface*> NetChildren(QAccessible::Role role) const {
        QList<QAccessibleInterface*> found;
        for (int i = 0; i < Net()->childCount(); ++i)
            if (Net()->child(i)->role() == role) found << Net()->child(i);
        return found;
    }
    // What the net's notification says now.
    QString Said() const { return NetChildren(QAccessible::Notification).value(0)->text(QAccessible::Name); }
    QPoint Middle(std::int32_t left, std::int32_t top, std::int32_t side) const {
        const TwipsScale s = window.Scale();
        return window.clientArea()->mapToGlobal(QPoint(s.ToPixels(left + side / 2.0), s.ToPixels(top + side / 2.0)));
    }
    void Click(Move move) {
        const Board& board = window.game().BoardState();
        const Ishape& b = *board.ButtonObjs[*FindButton(board, move)];
        QTest::mouseClick(window.clientArea(), Qt::LeftButton, {},
                          window.clientArea()->mapFromGlobal(Middle(b.ButtonLeft(), b.ButtonTop(), board.HalfBlock)));
    }
};

const std::vector<Move> kThreeMoves = {{1, 2}, {6, 3}, {3, 1}};

// Every node of the tree below `node`, itself first.
void Walk(QAccessibleInterface* node, const std::function<void(QAccessibleInterface*)>& visit, int depth = 0) {
    QVERIFY2(depth < 20, "the tree is too deep");
    visit(node);
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        QVERIFY2(child != nullptr, qPrintable(node->text(QAccessible::Name)));
        QCOMPARE(child->parent(), node);
        QCOMPARE(node->indexOfChild(child), i);
        Walk(child, visit, depth + 1);
    }
}

}  // namespace

class UiAccessTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // ---------------------------------------------------------------- the faces

    void eachFaceIsATableNamedByItsPlaceInTheNet() {
        Harness h;
        QCOMPARE(h.NetChildren(QAccessible::Table).size(), 6);
        for (QAccessibleInterface* face : h.NetChildren(QAccessible::Table)) {
            QVERIFY2(face->state().invisible, "no faces before the first game");
            QCOMPARE(face->tableInterface()->rowCount(), 0);
            QCOMPARE(face->childCount(), 0);
        }

        // A game without shuffle: each place shows its own face's colour.
        h.Start(2, {});
        const std::vector<std::pair<const char*, const char*>> places = {{"上の面", "赤紫"}, {"左端の面", "青"},
                                                                         {"左の面", "黄"},   {"正面", "緑"},
                                                                         {"右の面", "赤"},   {"下の面", "水色"}};
        const QList<QAccessibleInterface*> faces = h.NetChildren(QAccessible::Table);
        QCOMPARE(faces.size(), 6);
        for (std::size_t i = 0; i < places.size(); ++i) {
            QAccessibleInterface* face = faces[static_cast<int>(i)];
            QCOMPARE(face->text(QAccessible::Name), QString::fromUtf8(places[i].first));
            QCOMPARE(face->text(QAccessible::Description), QString::fromUtf8(kFaceSolvedText));
            QVERIFY(!face->state().invisible);
            for (int b = 0; b < face->childCount(); ++b)
                QCOMPARE(face->child(b)->text(QAccessible::Name), QString::fromUtf8(places[i].second));
        }
    }

    void blocksAreCellsNamedByTheirColourWithTheirRowAndColumn() {
        Harness h;
        h.Start(3, kThreeMoves);
        const QImage before = h.window.clientArea()->grab().toImage();
        const Game& game = h.window.game();
        const Board& board = game.BoardState();
        const int faceOf[6] = {kTop, kBack, kLeft, kFront, kRight, kBottom};
        const QList<QAccessibleInterface*> faces = h.NetChildren(QAccessible::Table);
        for (int i = 0; i < 6; ++i) {
            QAccessibleInterface* face = faces[i];
            QAccessibleTableInterface* table = face->tableInterface();
            QVERIFY(table != nullptr);
            QCOMPARE(table->rowCount(), 3);
            QCOMPARE(table->columnCount(), 3);
            QCOMPARE(face->childCount(), 9);
            for (int r = 1; r <= 3; ++r)
                for (int c = 1; c <= 3; ++c) {
                    QAccessibleInterface* cell = table->cellAt(r - 1, c - 1);
                    const QString where = QStringLiteral("%1 %2,%3").arg(face->text(QAccessible::Name)).arg(r).arg(c);
                    QVERIFY2(cell != nullptr, qPrintable(where));
                    QCOMPARE(cell->role(), QAccessible::Cell);
                    const QString colour = QString::fromStdString(
                        ColourWord(game.CubeState()->CubeCells(faceOf[i], r, c)));
                    QVERIFY2(!colour.isEmpty(), qPrintable(where));
                    QCOMPARE(cell->text(QAccessible::Name), colour);
                    QCOMPARE(cell->text(QAccessible::Description), QString::fromStdString(BlockPlace(r, c)));
                    QAccessibleTableCellInterface* place = cell->tableCellInterface();
                    QCOMPARE(place->rowIndex(), r - 1);
                    QCOMPARE(place->columnIndex(), c - 1);
                    QCOMPARE(place->table(), face);
                    const int index = (r - 1) * 3 + (c - 1);
                    QCOMPARE(face->child(index), cell);
                    QCOMPARE(face->indexOfChild(cell), index);
                    QCOMPARE(cell->parent(), face);
                    // Where it is drawn: a reader's pointer review meets it there.
                    const clsBlockMake& block = board.Block(faceOf[i], r, c, 3);
                    const QPoint middle = h.Middle(block.BlockLeft, block.BlockTop, board.BlockSize);
                    QVERIFY2(cell->rect().contains(middle), qPrintable(where));
                    QCOMPARE(h.Net()->childAt(middle.x(), middle.y()), face);
                    QCOMPARE(face->childAt(middle.x(), middle.y()), cell);
                }
            QCOMPARE(table->cellAt(3, 0), nullptr);
        }
        QCOMPARE(h.window.clientArea()->grab().toImage(), before);  // not a pixel changes

        // A move: the blocks say their new colours.
        h.Click({1, 1});
        for (int i = 0; i < 6; ++i)
            for (int r = 1; r <= 3; ++r)
                for (int c = 1; c <= 3; ++c)
                    QCOMPARE(faces[i]->tableInterface()->cellAt(r - 1, c - 1)->text(QAccessible::Name),
                             QString::fromStdString(ColourWord(game.CubeState()->CubeCells(faceOf[i], r, c))));

        // A smaller net: the blocks beyond it are gone.
        QAccessibleInterface* corner = faces[0]->tableInterface()->cellAt(2, 2);
        h.Start(2, {{1, 1}});
        QVERIFY(!corner->isValid());
        QCOMPARE(faces[0]->tableInterface()->rowCount(), 2);
        QCOMPARE(faces[0]->childCount(), 4);
    }

    // ---------------------------------------------------------------- announcements

    void everyPressIsAnnouncedHoweverItIsMade_data() {
        QTest::addColumn<int>("how");  // 0 mouse, 1 Space on the marked button, 2 a screen reader's action
        QTest::newRow("mouse") << 0;
        QTest::newRow("key") << 1;
        QTest::newRow("action") << 2;
    }
    void everyPressIsAnnouncedHoweverItIsMade() {
        QFETCH(int, how);
        Harness h;
        QAccessibleInterface* notice = h.NetChildren(QAccessible::Notification).value(0);
        QVERIFY(notice != nullptr);
        QVERIFY2(notice->state().invisible, "nothing said yet");
        h.Start(3, kThreeMoves);
        const Cube* cube = h.window.game().CubeState();
        QCOMPARE(h.Said(), QString::fromStdString(StartAnnouncement(SolvedFaces(*cube))));
        QVERIFY(!notice->state().invisible);

        const Move first{MoveKind::RowLeft, 1};  // the button an arrow key marks first
        if (how == 0) h.Click(first);
        if (how == 1) {
            QTest::keyClick(h.window.clientArea(), Qt::Key_Down);
            QTest::keyClick(h.window.clientArea(), Qt::Key_Space);
        }
        if (how == 2) {
            QAccessibleInterface* button = h.NetChildren(QAccessible::Button).first();
            QCOMPARE(button->text(QAccessible::Name), QString::fromStdString(MoveButtonName(first)));
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_COMPARE(h.window.game().ClickCount, 1);
        }
        QCOMPARE(h.window.game().ClickCount, 1);
        QCOMPARE(h.Said(), QString::fromStdString(MoveAnnouncement(first, SolvedFaces(*cube))));

        // The undo key takes it back, and says so.
        QTest::keyClick(h.window.clientArea(), Qt::Key_Z);
        QCOMPARE(h.Said(), QString::fromStdString(UndoAnnouncement(Reverse(first), SolvedFaces(*cube))));

        // The press that wins is told as the win, before the congratulations.
        QString saidAtCongratulations;
        h.dialogs.atCongratulations = [&] { saidAtCongratulations = h.Said(); };
        for (int i = static_cast<int>(kThreeMoves.size()) - 1; i >= 0; --i)
            h.Click(Reverse(kThreeMoves[static_cast<std::size_t>(i)]));
        QCOMPARE(saidAtCongratulations, QString::fromStdString(WinAnnouncement(h.window.game().ClickCount, 0)));
        QCOMPARE(h.Said(), saidAtCongratulations);
    }

    void aPracticeNetOfOneColourIsNotAWin() {
        Harness h;
        h.Start(2, {});
        h.Click({1, 2});
        QCOMPARE(h.Said(), QString::fromStdString(MoveAnnouncement({1, 2}, 2)));
        h.Click({2, 2});
        QCOMPARE(h.Said(), QString::fromStdString(MoveAnnouncement({2, 2}, 6)));
    }

    void theClockIsNamedByTheTimeItShows() {
        Harness h;
        h.Start(3, kThreeMoves);
        for (int i = 0; i < 3; ++i) h.window.timGame_Timer();
        QLabel* clock = h.window.lblMes(static_cast<int>(Mes::Time));
        QCOMPARE(clock->text(), QString::fromStdString(ClockText(3)));
        QCOMPARE(QAccessible::queryAccessibleInterface(clock)->text(QAccessible::Name), clock->text());
        QCOMPARE(h.Said(), QString::fromStdString(StartAnnouncement(SolvedFaces(*h.window.game().CubeState()))));
    }

    // ---------------------------------------------------------------- names and roles

    void nothingInternalIsNamedAndOnlyTheFocusIsFocused() {
        Harness h;
        h.Start(3, kThreeMoves);
        QTest::keyClick(h.window.clientArea(), Qt::Key_Down);  // a marked button
        h.window.timGame_Timer();
        const QRegularExpression internal(QStringLiteral("lbl|cmb|chk|cmd|img|sst|mnu|Combo1"));
        auto check = [&](const char* when) {
            // Only what has the keyboard: a widget with the focus (a box
            // with its text field), or the button the keys marked.
            QAccessibleInterface* marked = h.Net()->focusChild();
            int dialogs = 0;
            Walk(QAccessible::queryAccessibleInterface(&h.window), [&](QAccessibleInterface* node) {
                const QString what =
                    QStringLiteral("%1: %2 (role %3)").arg(when, node->text(QAccessible::Name)).arg(node->role());
                QVERIFY2(!internal.match(node->text(QAccessible::Name)).hasMatch(), qPrintable(what));
                QVERIFY2(!internal.match(node->text(QAccessible::Description)).hasMatch(), qPrintable(what));
                QVERIFY2(node->role() != QAccessible::PageTab && node->role() != QAccessible::PageTabList,
                         qPrintable(what));
                if (auto* widget = qobject_cast<QWidget*>(node->object()); widget && !widget->isVisible())
                    QVERIFY2(node->state().invisible, qPrintable(what));
                if (node->state().focused) {
                    auto* widget = qobject_cast<QWidget*>(node->object());
                    QVERIFY2(widget ? widget->hasFocus() : node == marked, qPrintable(what));
                }
                dialogs += node->role() == QAccessible::Dialog;
            });
            QCOMPARE(dialogs, 1);
        };
        check("panel hidden");
        QVERIFY(QAccessible::queryAccessibleInterface(h.window.clientArea())->focusChild()->state().focused);

        // The panel: a dialog called by its tab, shown with the focus in it.
        h.window.mnuOption_Click();
        OptionsPanel* panel = h.window.sstOption();
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(panel);
        QCOMPARE(dialog->role(), QAccessible::Dialog);
        QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("Option"));
        QCOMPARE(dialog->parent(), h.Net());
        QCOMPARE(QApplication::focusWidget(), panel->cmbOption(0));
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(panel->cmbOption(0));
        QVERIFY(box->state().focused);
        QAccessibleInterface* up = box->parent();
        while (up != nullptr && up != dialog) up = up->parent();
        QVERIFY2(up == dialog, "the box lies in the dialog");
        check("panel shown");

        // Esc gives the focus back to the net, on the button the keys had marked.
        QTest::keyClick(panel->cmbOption(0), Qt::Key_Escape);
        QVERIFY(dialog->state().invisible);
        QCOMPARE(QApplication::focusWidget(), h.window.clientArea());
        check("panel closed");
    }

    // ---------------------------------------------------------------- the panel's boxes

    // Each row opens the panel once and moves both boxes away, closes it,
    // then opens it on another file (and may type into the box): the box
    // must step on from what it shows now, not from where it was left.
    void theBoxesStepOnFromTheValueTheyShow_data() {
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("input");  // u, d: arrow keys; U, D: the wheel; P: the open list, down, Enter
        QTest::addColumn<QString>("shown");
        const QString none;
        QTest::newRow("N of Block: down from 2") << 2 << 5 << 0 << none << "d"
                                                 << "3";
        QTest::newRow("N of Block: up from 5") << 5 << 5 << 0 << none << "u"
                                               << "4";
        QTest::newRow("N of Block: wheel down from 9, then past the end") << 9 << 5 << 0 << none << "DD"
                                                                          << "10";
        QTest::newRow("N of Block: the open list from 3") << 3 << 5 << 0 << none << "P"
                                                          << "4";
        QTest::newRow("Difficulty: up from Easy") << 3 << 5 << 1 << none << "u"
                                                  << "Usuall";
        QTest::newRow("Difficulty: down from Easy") << 3 << 5 << 1 << none << "d"
                                                    << "Practice";
        QTest::newRow("Difficulty: wheel up from Hard") << 3 << 20 << 1 << none << "U"
                                                        << "Ultra";
        QTest::newRow("Difficulty: up past the top") << 3 << 40 << 1 << none << "uu"
                                                     << "Ultra";
        QTest::newRow("Difficulty: the open list from Usuall") << 3 << 10 << 1 << none << "P"
                                                               << "Easy";
        // A practice count has no word: the box keeps what it showed.
        QTest::newRow("Difficulty: a practice count leaves Ultra") << 3 << 7 << 1 << none << "d"
                                                                   << "Hard";
        // Typed values count as shown ones.
        QTest::newRow("N of Block: typed 4, down") << 2 << 5 << 0 << "4"
                                                   << "d"
                                                   << "5";
        QTest::newRow("Difficulty: typed Easy, wheel up") << 3 << 40 << 1 << "Easy"
                                                          << "U"
                                                          << "Usuall";
        // No entry for the value shown: down starts at the top, up stays.
        QTest::newRow("N of Block: down from 12") << 12 << 5 << 0 << none << "d"
                                                  << "2";
        QTest::newRow("N of Block: up from 12") << 12 << 5 << 0 << none << "U"
                                                << "12";
        QTest::newRow("N of Block: down from 0") << 0 << 5 << 0 << none << "D"
                                                 << "2";
        QTest::newRow("Difficulty: typed ultra, down") << 3 << 20 << 1 << "ultra"
                                                       << "d"
                                                       << "Ultra";
    }
    void theBoxesStepOnFromTheValueTheyShow() {
        QFETCH(int, blocks);
        QFETCH(int, moves);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        OptionsStore store(dir.path().toStdString());
        QWidget window;
        window.resize(800, 600);
        auto* panel = new OptionsPanel(&window, store, TwipsScale{15.0});
        panel->showMessage = [](const QString&) {};
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString file = dir.filePath(QStringLiteral("GameOpt.dat"));

        WriteRecord(file, 6, 20);  // 6 and Hard
        panel->mnuOption_Click();
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(panel->cmbOption(0), Qt::Key_Down);
            QTest::keyClick(panel->cmbOption(1), Qt::Key_Up);
        }
        QCOMPARE(panel->cmbOption(0)->currentText(), QStringLiteral("8"));
        QCOMPARE(panel->cmbOption(1)->currentText(), QStringLiteral("Ultra"));
        QTest::keyClick(panel->cmbOption(1), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());

        WriteRecord(file, blocks, moves);
        panel->mnuOption_Click();
        QComboBox* combo = panel->cmbOption(box);
        if (!typed.isEmpty()) combo->setEditText(typed);
        for (const QChar step : input) {
            if (step == u'u' || step == u'd') {
                QTest::keyClick(combo, step == u'u' ? Qt::Key_Up : Qt::Key_Down);
            } else if (step == u'P') {
                combo->showPopup();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            } else {
                const QPoint at = combo->rect().center();
                QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, step == u'U' ? 120 : -120),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(combo, &wheel);
            }
        }
        QCOMPARE(combo->currentText(), shown);
        QVERIFY(panel->isVisible());
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiAccessTest)
#include "ui_access_test.moc"
