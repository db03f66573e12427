// Every window at the player's font size: the default, 16 pt and 20 pt,
// offscreen at 15 twips per pixel. No caption is cut off or drawn smaller
// than the player's size, every control lies inside what holds it, and no
// two captioned controls overlap.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "options/options_store.h"
#include "records/records_store.h"
#include "scripted_random.h"
#include "session/game_texts.h"
#include "ui/caption_fit.h"
#include "ui/click_sound.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/frm_about.h"
#include "ui/frm_congratulations.h"
#include "ui/frm_cube.h"
#include "ui/frm_help.h"
#include "ui/frm_records.h"
#include "ui/frm_splash.h"
#include "ui/japanese_font.h"
#include "ui/options_panel.h"
#include "ui/readable_text.h"
#include "ui/registry.h"

namespace tessaro {

namespace {

enum class Window {
    MainLabels,
    OptionsPanel,
    About,
    Splash,
    Congratulations,
    Records,
    InputAndMessageBox,
    NumberInputAndMessageBox,
    Help
};

// A main window with everything it needs from outside, in a folder of its own.
struct MainWindow {
    QTemporaryDir dir;
    OptionsStore options{dir.path().toStdString()};
    RecordsStore records{dir.filePath(QStringLiteral("data")).toStdString()};
    testing::ScriptedRandom random;
    WindowDialogs dialogs;
    ClickSound sound{dir.filePath(QStringLiteral("Click.wav")).toStdString()};
    SystemInfoRegistry registry{std::vector<std::filesystem::path>{}};
    SystemClock clock;
    frmCube window{{options, records, random, dialogs, sound, registry, clock, TwipsScale{15}}};
};

bool HasCaption(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return !button->text().isEmpty();
    return qobject_cast<const QComboBox*>(w) != nullptr;
}

// How far a control's text can run before a visible sibling stacked over it
// (the about window's rights holder runs under the cat).
int UncoveredWidth(const QWidget* w) {
    int width = w->width();
    const QObjectList& siblings = w->parentWidget()->children();  // bottom to top
    for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (above != nullptr && above->isVisible() && above->geometry().intersects(w->geometry()) &&
            above->x() > w->x())
            width = std::min(width, above->x() - w->x());
    }
    return width;
}

// A halo label drawn alone on a clear ground: nothing of its letters or its
// halo may reach its outermost pixels, where the drawing would be cut.
bool DrawingIsWhole(QLabel* label) {
    QImage image(label->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, 0)) != 0 || qAlpha(image.pixel(x, image.height() - 1)) != 0) return false;
    for (int y = 0; y < image.height(); ++y)
        if (qAlpha(image.pixel(0, y)) != 0 || qAlpha(image.pixel(image.width() - 1, y)) != 0) return false;
    return true;
}

}  // namespace

class UiFontsTest : public QObject {
    Q_OBJECT

    QFont default_;

    // Every visible control of a shown window.
    static void CheckCaptions(QWidget& window, double points) {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QWidget*> captioned;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisible() || w->isWindow()) continue;
            const QString what = QStringLiteral("%1 (%2 \"%3\")")
                                     .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                                          w->property("text").toString());
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(what + " lies outside its parent"));
            if (!HasCaption(w)) continue;
            captioned << w;
            QVERIFY2(w->font().pointSizeF() >= points - 0.01, qPrintable(what + " is smaller than the player's font"));
            // Nor narrower: no condensed face stands in for it.
            QVERIFY2(w->font().stretch() == QFont::AnyStretch || w->font().stretch() >= QFont::Unstretched,
                     qPrintable(what + " is narrower than the player's font"));
            const int line = w->fontMetrics().height();
            if (auto* halo = qobject_cast<HaloLabel*>(w); halo != nullptr && halo->HasHalo()) {
                QVERIFY2(DrawingIsWhole(halo), qPrintable(what + " is cut off"));
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                if (label->wordWrap()) {
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                             qPrintable(what + " is too short"));
                } else {
                    QVERIFY2(label->sizeHint().width() <= UncoveredWidth(label), qPrintable(what + " is too narrow"));
                    QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(what + " is too short"));
                }
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                // Within the frame, where the style draws the caption.
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
                const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
                QVERIFY2(text.width() < inside.width(), qPrintable(what + " is too narrow"));
                QVERIFY2(text.height() <= inside.height(), qPrintable(what + " is too short"));
            } else {
                QVERIFY2(w->sizeHint().width() <= w->width() + 1, qPrintable(what + " is too narrow"));
                QVERIFY2(line <= w->height(), qPrintable(what + " is too short"));
            }
        }
        QVERIFY(!captioned.isEmpty());
        for (QWidget* w : captioned)
            for (QWidget* other : captioned)
                if (w != other && w->parentWidget() == other->parentWidget())
                    QVERIFY2(!w->geometry().intersects(other->geometry()),
                             qPrintable(QStringLiteral("\"%1\" overlaps \"%2\"")
                                            .arg(w->property("text").toString(), other->property("text").toString())));
    }

    // The cells of the records list, which are drawn rather than widgets.
    static void CheckCells(const QTableWidget& grid, double points) {
        const QHeaderView& header = *grid.horizontalHeader();
        for (int column = 0; column < grid.columnCount(); ++column) {
            const QString title = grid.horizontalHeaderItem(column)->text();
            QVERIFY2(header.fontMetrics().horizontalAdvance(title) < header.sectionSize(column), qPrintable(title));
            for (int row = 0; row < grid.rowCount(); ++row) {
                const QTableWidgetItem& item = *grid.item(row, column);
                const QFontMetrics metrics(item.font());
                QVERIFY2(item.font().pointSizeF() >= points - 0.01, qPrintable(item.text()));
                QVERIFY2(metrics.horizontalAdvance(item.text()) < grid.columnWidth(column), qPrintable(item.text()));
                QVERIFY2(metrics.height() <= grid.rowHeight(row), qPrintable(item.text()));
            }
        }
    }

private slots:
    void initTestCase() {
        default_ = DefaultWithJapaneseGothic(QApplication::font());
        QVERIFY(default_.pointSizeF() < 16);
    }

    void cleanup() { QApplication::setFont(default_); }

    // A caption a little wider than its box takes the room beside it only
    // while every gap stays at least the closest one (or what it was).
    void growingInPlaceKeepsTheClosestGap_data() {
        QTest::addColumn<int>("shortBy");       // how much narrower (width) or lower the box is than its caption
        QTest::addColumn<bool>("across");       // short in width, else in height
        QTest::addColumn<QPoint>("neighbour");  // the other box's corner, from the caption box's far corner
        QTest::addColumn<int>("frameRoom");     // room between the caption's full width and the frame
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("room beside, the closest gap left") << 4 << true << QPoint(11, -5) << 500 << true;
        QTest::newRow("room beside, one pixel short") << 4 << true << QPoint(10, -5) << 500 << false;
        QTest::newRow("nearer than the closest as designed, caption fits") << 0 << true << QPoint(3, -5) << 500 << true;
        QTest::newRow("the neighbour in the next row") << 4 << true << QPoint(-30, 7) << 500 << true;
        QTest::newRow("growing down onto the next row") << 2 << false << QPoint(-30, 8) << 500 << false;
        QTest::newRow("growing down, the closest gap left") << 2 << false << QPoint(-30, 9) << 500 << true;
        QTest::newRow("up to the frame") << 4 << true << QPoint(-30, 40) << 0 << true;
        QTest::newRow("past the frame") << 4 << true << QPoint(-30, 40) << -1 << false;
    }

    void growingInPlaceKeepsTheClosestGap() {
        QFETCH(int, shortBy);
        QFETCH(bool, across);
        QFETCH(QPoint, neighbour);
        QFETCH(int, frameRoom);
        QFETCH(bool, inPlace);
        QLabel label(QStringLiteral("Difficulty"));
        const QSize caption = label.sizeHint();
        const QRect box(10, 10, caption.width() - (across ? shortBy : 0), caption.height() - (across ? 0 : shortBy));
        const QRect other(box.topLeft() + QPoint(box.width(), box.height()) + neighbour, QSize(20, 20));
        const QRect inside(0, 0, 10 + caption.width() + frameRoom, 300);
        const auto grown = GrowInPlace({{&label, box}, {nullptr, other}}, 7, inside);
        QCOMPARE(grown.has_value(), inPlace);
        if (grown) QCOMPARE(*grown, (std::vector<QRect>{QRect(box.topLeft(), caption), other}));
    }

    void everyCaptionIsWhole_data() {
        QTest::addColumn<double>("points");  // 0: the toolkit's default
        QTest::addColumn<int>("window");
        const std::pair<const char*, Window> windows[] = {
            {"main window's labels", Window::MainLabels},
            {"options panel", Window::OptionsPanel},
            {"about", Window::About},
            {"splash", Window::Splash},
            {"congratulations", Window::Congratulations},
            {"records", Window::Records},
            {"practice input and its message", Window::InputAndMessageBox},
            {"game number input and its message", Window::NumberInputAndMessageBox},
            {"how to play", Window::Help}};
        for (double points : {0.0, 16.0, 20.0})
            for (const auto& [name, window] : windows)
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 at %2")
                                   .arg(QString::fromLatin1(name),
                                        points > 0 ? QString::number(points) + " pt" : QStringLiteral("the default"))))
                    << points << static_cast<int>(window);
    }

    void everyCaptionIsWhole() {
        QFETCH(double, points);
        QFETCH(int, window);
        QFont font = default_;
        if (points > 0) font.setPointSizeF(points);
        QApplication::setFont(font);
        points = font.pointSizeF();

        switch (static_cast<Window>(window)) {
        case Window::MainLabels: {
            MainWindow main;
            frmCube& w = main.window;
            w.show();
            w.resize(900, 600);
            // Where the board puts them beside the net: 400 twips apart.
            // In the player's language, as the game makes them.
            for (auto [mes, text] : {std::pair{Mes::Faces, FacesText(2)}, std::pair{Mes::Time, ClockText(1)},
                                     std::pair{Mes::Clicks, ClicksText(1)}}) {
                w.PlaceLabel(mes, 200, 300 + 400 * static_cast<int>(mes));
                w.SetLabelText(mes, text);
                w.SetLabelVisible(mes, true);
            }
            CheckCaptions(w, points);
            // The demonstration's notice in the clock's place.
            w.SetLabelVisible(Mes::Time, false);
            w.ShowNotice(200, 700, kDemoNotice);
            CheckCaptions(w, points);
            break;
        }
        case Window::OptionsPanel: {
            MainWindow main;
            main.window.show();
            main.window.resize(900, 600);
            main.window.mnuOption_Click();
            CheckCaptions(main.window, points);
            // Each control as large as its caption needs.
            const auto* panel = main.window.findChild<OptionsPanel*>();
            QVERIFY(panel != nullptr && panel->isVisible());
            for (const QWidget* w :
                 panel->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(lbl|cmb|chk|cmd)"))))
                QVERIFY2(w->size().expandedTo(CaptionNeeds(*w, w->size())) == w->size(), qPrintable(w->objectName()));
            break;
        }
        case Window::About: {
            SystemInfoRegistry registry{std::vector<std::filesystem::path>{}};
            frmAbout about(registry, TwipsScale{15});
            about.show();
            CheckCaptions(about, points);
            break;
        }
        case Window::Splash: {
            frmSplash splash(TwipsScale{15});
            splash.show();
            CheckCaptions(splash, points);
            break;
        }
        case Window::Congratulations: {
            frmCongratulations won(nullptr, TwipsScale{15}, 0, 0, QPoint(), [] {});
            won.show();
            CheckCaptions(won, points);
            break;
        }
        case Window::Records: {
            RecordsTable table;
            table.entries[{10, 40}] = {90061, 1234, 2147483647, 2147483647};
            table.entries[{3, 7}] = {5, 2};
            table.last = RecordKey{10, 40};
            frmRecords records(table,
                               QString::fromStdString(RecordsStore("/home/player/.local/share/Tessaro").StatusLine()));
            records.show();
            CheckCaptions(records, points);
            CheckCells(*records.grdRecords, points);
            break;
        }
        case Window::InputAndMessageBox:
        case Window::NumberInputAndMessageBox: {
            // The practice command's box (or Start from number's), answered
            // with text that is not a number, and the message that says so:
            // each is checked while it is open, then closed.
            MainWindow main;
            QStringList seen;
            QTimer answer;
            answer.setInterval(0);
            connect(&answer, &QTimer::timeout, this, [&] {
                QWidget* box = QApplication::activeModalWidget();
                if (auto* input = qobject_cast<QInputDialog*>(box)) {
                    seen << QStringLiteral("input");
                    CheckCaptions(*input, points);
                    input->setTextValue(QStringLiteral("abc"));
                    input->accept();
                } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
                    seen << QStringLiteral("message");
                    CheckCaptions(*message, points);
                    message->accept();
                }
            });
            answer.start();
            if (static_cast<Window>(window) == Window::InputAndMessageBox) main.window.Form_KeyDown(Qt::Key_S, 1);
            else main.window.mnuStartFromNumber_Click();
            answer.stop();
            QCOMPARE(seen, QStringList({QStringLiteral("input"), QStringLiteral("message")}));
            break;
        }
        case Window::Help: {
            frmHelp help;
            help.show();
            CheckCaptions(help, points);
            // The text in the player's size, wrapped within its box: it
            // scrolls down, never across.
            QTextBrowser& text = *help.txtHelp;
            QVERIFY(text.document()->defaultFont().pointSizeF() >= points - 0.01);
            QVERIFY2(text.document()->idealWidth() <= text.viewport()->width(), "the text runs past its box");
            QVERIFY(text.geometry().bottom() < help.cmdOK->geometry().top());
            const QRect screen = help.screen()->availableGeometry();
            QVERIFY2(help.frameGeometry().width() <= screen.width() && help.frameGeometry().height() <= screen.height(),
                     "larger than the screen");
            break;
        }
        }
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiFontsTest)
#include "ui_fonts_test.moc"
