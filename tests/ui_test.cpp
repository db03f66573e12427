// The main window, the splash window, the drawing surface and the clock that
// drives the waits, offscreen at 15 twips per pixel so that every figure is
// exact.

#include <sys/stat.h>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <deque>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "board/button_focus.h"
#include "board/rounding.h"
#include "options/options_store.h"
#include "records/records_store.h"
#include "records/records_text.h"
#include "scripted_random.h"
#include "session/game_texts.h"
#include "ui/click_sound.h"
#include "ui/client_area.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/focus_mark.h"
#include "ui/frm_congratulations.h"
#include "ui/frm_cube.h"
#include "ui/frm_help.h"
#include "ui/frm_records.h"
#include "ui/frm_splash.h"
#include "ui/options_panel.h"
#include "ui/qt_surface.h"
#include "ui/registry.h"
#include "ui/startup.h"

namespace tessaro {

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const QString& path, const Bytes& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Record(std::int32_t blockN, std::int32_t difficulty) {
    return {static_cast<std::uint8_t>(blockN),          0, 0, 0, static_cast<std::uint8_t>(difficulty),
            static_cast<std::uint8_t>(difficulty >> 8), 0, 0, 0, 0};
}

QRgb Bgr(std::int32_t color) { return QtSurface::ToQColor(color).rgb(); }

// Time stands still until a test lets a wait pass.
struct FakeClock final : Clock {
    std::int64_t wall = 1'000'000;    // on a whole second: a demonstration step waits 2000 ms
    std::vector<std::int64_t> waits;  // every wait asked for, in milliseconds
    std::function<void()> due;        // the one pending
    int started = 0;
    std::vector<const void*> frames;  // the stack's depth at each wait

    std::int64_t WallMilliseconds() override { return wall; }
    std::uint64_t Seed() override { return 7; }
    void StartWait(std::int64_t ms, std::function<void()> call) override {
        frames.push_back(__builtin_frame_address(0));
        waits.push_back(ms);
        due = std::move(call);
        ++started;
    }
    void StopWait() override { due = nullptr; }
    // The pending wait is over.
    void Pass() {
        const std::function<void()> call = std::move(due);
        due = nullptr;
        if (call) call();
    }
};

PauseKind KindOfWait(std::int64_t ms) { return ms == 250 ? PauseKind::Shuffle : PauseKind::Demonstration; }

// Boxes that answer at once; the congratulations window only when asked.
struct FakeDialogs final : WindowDialogs {
    QStringList messages;
    QStringList typed;  // answers for the input box, in order
    QString inputTitle, inputPrompt;
    std::vector<std::pair<double, std::int32_t>> congratulations;
    bool realCongratulations = false;
    int abouts = 0;
    std::function<void()> whileOpen;  // runs inside every box, as its own event loop would

    void ShowMessage(QWidget*, const QString& text) override {
        messages << text;
        if (whileOpen) whileOpen();
    }
    QString InputBox(QWidget*, const QString& title, const QString& prompt) override {
        if (whileOpen) whileOpen();
        inputTitle = title;
        inputPrompt = prompt;
        return typed.isEmpty() ? QString() : typed.takeFirst();
    }
    void ShowCongratulations(QWidget* owner, TwipsScale scale, double left, std::int32_t top,
                             std::function<void()> ok) override {
        congratulations.emplace_back(left, top);
        if (realCongratulations) WindowDialogs::ShowCongratulations(owner, scale, left, top, std::move(ok));
        else ok();
    }
    void ShowAbout(QWidget*, Registry&, TwipsScale) override { ++abouts; }
    // The real records window unless a test only counts the openings.
    bool realRecords = true;
    int recordsShown = 0;
    RecordsTable recordsTable;  // what the last opening listed
    void ShowRecords(QWidget* owner, const RecordsTable& table, const QString& status) override {
        ++recordsShown;
        recordsTable = table;
        if (realRecords) WindowDialogs::ShowRecords(owner, table, status);
    }
    // The real "How to play" window only when asked.
    bool realHelp = false;
    int helps = 0;
    void ShowHelp(QWidget* owner) override {
        ++helps;
        if (whileOpen) whileOpen();
        if (realHelp) WindowDialogs::ShowHelp(owner);
    }
};

// A main window over a temporary program folder, with every modal box
// replaced so that nothing waits for a person, and time stepped by the test.
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
    // Sees each wait as it comes due, before the game's step.
    std::function<void(PauseKind)> onWait;
    QStringList& messages = dialogs.messages;
    QStringList& typed = dialogs.typed;
    QString& inputTitle = dialogs.inputTitle;
    QString& inputPrompt = dialogs.inputPrompt;
    std::vector<std::pair<double, std::int32_t>>& congratulations = dialogs.congratulations;

    explicit Harness(const Bytes& file = Record(3, 0)) { WriteFile(OptionsFile(), file); }
    // Game > Start, then every wait passes in turn, as the window's timer
    // would let them; a wait stopped or replaced meanwhile gives no step.
    void StartChosen() {
        window.mnuStart()->trigger();
        PassWaits();
    }
    void PassWaits() {
        while (clock.due) {
            const int started = clock.started;
            if (onWait) onWait(KindOfWait(clock.waits.back()));
            if (!clock.due || clock.started != started) continue;
            clock.Pass();
        }
    }
    QString OptionsFile() const { return dir.filePath(QStringLiteral("GameOpt.dat")); }
    QString RecordsFile(const QString& name = QStringLiteral("records.txt")) const {
        return dir.filePath(QStringLiteral("data/") + name);
    }

    // Shows the window with a client area of exactly the designed
    // 6675 x 5880 twips, or another size in pixels.
    void Show(int width = 445, int height = 392) {
        window.show();
        window.resize(width, height + window.menuBar()->sizeHint().height());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.clientArea()->size(), QSize(width, height));
    }
    void Start(int n, const std::vector<Move>& shuffle) {
        WriteFile(OptionsFile(), Record(n, static_cast<std::int32_t>(shuffle.size())));
        random.draws.clear();
        random.Script(shuffle, n);
        StartChosen();
    }
    // The pixel at the middle of a twips square, in the client area.
    QPoint Middle(std::int32_t left, std::int32_t top, std::int32_t side) const {
        const TwipsScale s = window.Scale();
        return {s.ToPixels(left + side / 2.0), s.ToPixels(top + side / 2.0)};
    }
    const Ishape& Button(int kind, int line) const {
        for (const auto& b : window.game().BoardState().ButtonObjs)
            if (b->BuFaceN() == kind && b->BuLineN() == line) return *b;
        throw std::runtime_error("no such button");
    }
    void Click(int kind, int line, Qt::MouseButton mouse = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
        const Ishape& b = Button(kind, line);
        QTest::mouseClick(window.clientArea(), mouse, keys,
                          Middle(b.ButtonLeft(), b.ButtonTop(), window.game().BoardState().HalfBlock));
    }
};

// What is not as the end of a demonstration leaves the window: the menus
// back, the mouse pointer its own, smiley and notice gone, the clock
// stopped. Empty when all is.
QString NotRestoredAfterDemonstration(const frmCube& w) {
    QStringList wrong;
    if (!w.mnuGame()->menuAction()->isEnabled()) wrong << QStringLiteral("Game menu");
    for (QAction* entry : {w.mnuStart(), w.mnuStartFromNumber(), w.mnuCopyNumber(), w.mnuRecords(), w.mnuHelp(),
                           w.mnuQuit(), w.mnuOption()})
        if (!entry->isEnabled()) wrong << entry->text();
    if (QGuiApplication::overrideCursor() != nullptr) wrong << QStringLiteral("pointer");
    if (w.imgDemoPointa(0)->isVisible()) wrong << QStringLiteral("smiley");
    if (w.lblMes(3)->isVisible()) wrong << QStringLiteral("notice");
    if (w.timGame()->isActive()) wrong << QStringLiteral("clock");
    return wrong.join(QStringLiteral(", "));
}

Cube Replayed(int n, const std::vector<Move>& moves) {
    Cube cube(n);
    for (const auto& m : moves) cube.ApplyMove(m);
    return cube;
}

bool SameCells(const Cube& a, const Cube& b) {
    for (int f = 1; f <= 6; ++f)
        for (int r = 1; r <= a.BlockN(); ++r)
            for (int c = 1; c <= a.BlockN(); ++c)
                if (a.CubeCells(f, r, c) != b.CubeCells(f, r, c)) return false;
    return a.BlockN() == b.BlockN();
}

const std::vector<Move> kThreeMoves = {{1, 2}, {6, 3}, {3, 1}};

// Every face colour exactly N^2 times: moves only ever permute the blocks.
bool ColoursIntact(const Cube& cube) {
    const int n = cube.BlockN();
    std::map<std::int32_t, int> count;
    for (int f = 1; f <= 6; ++f)
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) ++count[cube.CubeCells(f, r, c)];
    for (int f = 1; f <= 6; ++f)
        if (count[kFaceColors[static_cast<std::size_t>(f)]] != n * n) return false;
    return count.size() == 6;
}

// The model, the drawn net and the history belong to the same game.
bool GameAgrees(const frmCube& w) {
    const Game& g = w.game();
    const Cube* cube = g.CubeState();
    if (cube == nullptr) return true;
    const int n = cube->BlockN();
    const Board& b = g.BoardState();
    if (b.BlockObjs.size() != static_cast<std::size_t>(6 * n * n + 1)) return false;
    if (!b.ButtonObjs.empty() && b.ButtonObjs.size() != static_cast<std::size_t>(6 * n)) return false;
    for (int f = 1; f <= 6; ++f)
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                if (b.Block(f, r, c, n).BlockColor != cube->CubeCells(f, r, c)) return false;
    const MoveHistory& h = g.History();
    return h.HistCount >= 0 && h.HistCount <= h.Capacity() && h.HistPos >= 0 && h.HistPos <= h.Capacity() &&
           ColoursIntact(*cube);
}

// ---------------------------------------------------------------- keyboard play

Qt::Key KeyOf(Arrow arrow) {
    switch (arrow) {
    case Arrow::Left: return Qt::Key_Left;
    case Arrow::Right: return Qt::Key_Right;
    case Arrow::Up: return Qt::Key_Up;
    case Arrow::Down: return Qt::Key_Down;
    }
    return Qt::Key_unknown;
}

// The shortest run of arrow keys from one button to another.
std::vector<Arrow> ArrowsBetween(const Board& board, std::size_t from, std::size_t to) {
    std::map<std::size_t, std::pair<std::size_t, Arrow>> cameFrom;
    std::deque<std::size_t> open = {from};
    cameFrom[from] = {from, Arrow::Left};
    while (!open.empty() && !cameFrom.count(to)) {
        const std::size_t at = open.front();
        open.pop_front();
        for (Arrow a : {Arrow::Left, Arrow::Right, Arrow::Up, Arrow::Down})
            if (const auto next = NextButton(board, at, a); next && !cameFrom.count(*next)) {
                cameFrom[*next] = {at, a};
                open.push_back(*next);
            }
    }
    std::vector<Arrow> path;
    for (std::size_t at = to; at != from; at = cameFrom.at(at).first) path.insert(path.begin(), cameFrom.at(at).second);
    return path;
}

// WCAG contrast ratio of two colours.
double Contrast(QColor a, QColor b) {
    auto luminance = [](QColor c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a device pixel of the focus mark around `button` must be: the
// outer or inner outline's colour, or nothing (the net shows through).
std::optional<QColor> MarkPixel(const QRect& button, QPoint p) {
    const int t = (FocusMarkBounds(button).width() - button.width()) / 4;
    if (!FocusMarkBounds(button).contains(p) || button.contains(p)) return std::nullopt;
    return button.adjusted(-t, -t, t, t).contains(p) ? kFocusMarkInner : kFocusMarkOuter;
}

}  // namespace

class UiTest : public QObject {
    Q_OBJECT
private slots:
    // What a window left for the event loop (objects to delete later, the
    // sound player's sample) is finished before the next test, as the
    // program's own event loop would.
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    void windowStartsEmptyWithItsControlsInPlace() {
        Harness h;
        h.Show();
        frmCube& w = h.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaro"));

        QStringList bar;
        for (QAction* a : w.menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, (QStringList{"Game(&G)", "Option(&O)", "About(&A)"}));
        QStringList game;
        for (QAction* a : w.mnuGame()->actions()) game << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(game, (QStringList{"Start(&S)", "Start from number(&N)...", "Copy game number(&C)", "Records(&R)",
                                    "How to play(&H)\tF1", "-", "Quit(&Q)"}));
        for (QAction* a : {w.mnuStart(), w.mnuStartFromNumber(), w.mnuCopyNumber(), w.mnuRecords(), w.mnuHelp(),
                           w.mnuQuit(), w.mnuOption(), w.mnuAbout()})
            QVERIFY(a->shortcut().isEmpty());
        QVERIFY(!w.mnuCopyNumber()->isEnabled());  // no game, no number

        // Labels: hidden, white with a thin border, at their twips places.
        const std::array<QRect, 5> places = {QRect(16, 16, 81, 33), QRect(16, 56, 81, 33), QRect(16, 96, 81, 33),
                                             QRect(104, 16, 81, 33), QRect(104, 56, 81, 33)};
        for (int i = 0; i < 5; ++i) {
            QLabel* l = w.lblMes(i);
            QVERIFY(!l->isVisible());
            QCOMPARE(l->text(), QStringLiteral("lblMes(%1)").arg(i));
            QCOMPARE(l->geometry(), places[static_cast<std::size_t>(i)]);
            QCOMPARE(l->palette().color(QPalette::Window), QColor(Qt::white));
            QCOMPARE(l->frameShape(), QFrame::Box);
        }
        QCOMPARE(w.imgDemoPointa(0)->geometry(), QRect(16, 152, 32, 32));
        QCOMPARE(w.imgDemoPointa(1)->geometry(), QRect(56, 152, 32, 32));
        QVERIFY(!w.imgDemoPointa(0)->isVisible() && !w.imgDemoPointa(1)->isVisible());
        QVERIFY(!w.imgDemoPointa(0)->pixmap().isNull());
        QCOMPARE(w.sstOption()->geometry(), QRect(216, 136, 211, 217));
        QVERIFY(!w.sstOption()->isVisible());
        QCOMPARE(w.timGame()->interval(), 1000);
        QVERIFY(!w.timGame()->isActive());

        // Nothing is drawn before the first game; a resize draws nothing either.
        w.resize(600, 500);
        QTRY_COMPARE(w.clientArea()->width(), 600);
        const QImage shown = w.clientArea()->grab().toImage();
        QCOMPARE(QColor(shown.pixel(300, 200)), QColor(224, 224, 224));
        QCOMPARE(w.game().BlockN(), 0);
    }

    void formLoadMaximisesAndRestoringGivesTheDesignedClientArea() {
        Harness h;
        h.window.Form_Load();
        QTRY_VERIFY(h.window.isMaximized());
        h.window.showNormal();
        QTRY_COMPARE(h.window.clientArea()->size(), QSize(445, 392));  // 6675 x 5880 twips
    }

    void startDrawsTheShuffledNetCrisplyWhereTheGeometrySays() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        const Game& g = h.window.game();
        QCOMPARE(g.BoardState().BlockSize, 393);
        QVERIFY(SameCells(*g.CubeState(), Replayed(3, kThreeMoves)));

        const QImage& image = h.window.surface().Image();
        QCOMPARE(image.size(), QSize(445, 392));
        for (int f = 1; f <= 6; ++f)
            for (int r = 1; r <= 3; ++r)
                for (int c = 1; c <= 3; ++c) {
                    const clsBlockMake& b = g.BoardState().Block(f, r, c, 3);
                    QCOMPARE(image.pixel(h.Middle(b.BlockLeft, b.BlockTop, 393)),
                             Bgr(g.CubeState()->CubeCells(f, r, c)));
                }
        const Ishape& button = h.Button(1, 1);
        QCOMPARE(image.pixel(h.Middle(button.ButtonLeft(), button.ButtonTop(), 196)), Bgr(0x404040));
        // Block (1, 1, 1) at 3731, 1965: the fill starts 8 twips in; the
        // white highlight lies on its first row and column.
        QCOMPARE(image.pixel(250, 132), Bgr(0xFFFFFF));
        QCOMPARE(image.pixel(251, 135), Bgr(g.CubeState()->CubeCells(1, 1, 1)));

        // No blending anywhere: every pixel is one of the colours drawn.
        std::set<QRgb> allowed = {
            QColor(224, 224, 224).rgb(), Bgr(0xFFFFFF), Bgr(0xC0C0C0), Bgr(0), Bgr(0x808080), Bgr(0x404040)};
        for (int f = 1; f <= 6; ++f) allowed.insert(Bgr(kFaceColors[static_cast<std::size_t>(f)]));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) QVERIFY2(allowed.count(image.pixel(x, y)), "a blended pixel");

        QVERIFY(h.window.timGame()->isActive());
        QVERIFY(h.window.lblMes(1)->isVisible());
        QCOMPARE(h.window.lblMes(1)->text(), QString());
        QCOMPARE(h.window.lblMes(1)->pos(), QPoint(13, 53));   // 587 / 3 = 195.67 and 393 + 400 twips
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);  // the busy pointer is gone
    }

    void pressesAnywhereOnAButtonMoveItsLineAndCount() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        std::vector<Move> moves = kThreeMoves;

        h.Click(1, 1);
        moves.push_back({1, 1});
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, moves)));
        h.Click(4, 2, Qt::RightButton, Qt::ShiftModifier);  // any button, any keys
        moves.push_back({4, 2});
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, moves)));
        QVERIFY(h.window.game().History().Entry(h.window.game().History().HistPos) == (Move{4, 2}));
        QCOMPARE(h.window.game().ClickCount, 2);
        QCOMPARE(h.window.lblMes(2)->text(), QStringLiteral("今までのクリック回数は　2　回です"));
        QVERIFY(h.window.lblMes(0)->text().startsWith(QStringLiteral("現在全色一致している面数は　")));

        // Button (1, 1) starts at 3535 twips = pixel 235.67: pixel 236 is on it, pixel 235 is not.
        const Cube before = *h.window.game().CubeState();
        QTest::mouseClick(h.window.clientArea(), Qt::LeftButton, {}, QPoint(235, 140));
        QVERIFY(SameCells(*h.window.game().CubeState(), before));
        QTest::mouseClick(h.window.clientArea(), Qt::LeftButton, {}, QPoint(236, 140));
        QVERIFY(!SameCells(*h.window.game().CubeState(), before));
        QCOMPARE(h.window.game().ClickCount, 3);
        // The image follows the cube.
        const clsBlockMake& b = h.window.game().BoardState().Block(1, 1, 1, 3);
        QCOMPARE(h.window.surface().Image().pixel(h.Middle(b.BlockLeft, b.BlockTop, 393)),
                 Bgr(h.window.game().CubeState()->CubeCells(1, 1, 1)));
    }

    void clockTicksIntoItsLabelAndResizeRebuildsTheNet() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        h.window.timGame_Timer();
        QCOMPARE(h.window.lblMes(1)->text(), QStringLiteral("所要時間　00時間00分01秒　です"));
        QVERIFY(h.window.lblMes(1)->isVisible());

        h.window.resize(300, 300);
        QTRY_COMPARE(h.window.clientArea()->width(), 300);
        QVERIFY(!h.window.lblMes(1)->isVisible());
        QCOMPARE(h.window.game().BoardState().BlockSize, RoundHalfEven(4500 / 17.0));
        QCOMPARE(h.window.game().ElapsedSec, 1);
        h.window.timGame_Timer();
        // 300 pixels: half is 2250 twips, narrower than the sentence.
        QCOMPARE(h.window.lblMes(1)->isVisible(), LabelFits(4500, h.window.lblMes(1)->width() * 15));
        QCOMPARE(h.window.game().BoardState().ButtonObjs.size(), 18u);
    }

    void keysUndoAndPracticeOnlyWhileTheWindowHasTheFocus() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        h.window.clientArea()->setFocus();
        h.Click(3, 3);
        QTest::keyClick(h.window.clientArea(), Qt::Key_Z, Qt::ControlModifier);  // Z with any keys
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));

        // With the options panel's box focused, Z is typed into it.
        h.Click(3, 3);
        h.window.mnuOption_Click();
        QComboBox* box = h.window.sstOption()->cmbOption(0);
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z);
        QVERIFY(!SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));
        QVERIFY(box->currentText().contains(QLatin1Char('z')));
        h.window.sstOption()->cmdCancel_Click();
        QTRY_VERIFY(h.window.clientArea()->hasFocus());

        // S alone, Ctrl+Shift+S and Alt+Shift+S do nothing; Shift+S asks.
        for (auto keys :
             {Qt::KeyboardModifiers{}, Qt::ControlModifier | Qt::ShiftModifier, Qt::AltModifier | Qt::ShiftModifier})
            QTest::keyClick(h.window.clientArea(), Qt::Key_S, keys);
        QVERIFY(h.inputTitle.isEmpty());
        h.typed << QStringLiteral(" 2 ");
        QTest::keyClick(h.window.clientArea(), Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(h.inputTitle, QStringLiteral("練習用の隠しコマンド"));
        QCOMPARE(
            h.inputPrompt,
            QStringLiteral(
                "半角で数値を入力して下さい\r\nオプションの難易度が狂いますので\r\n再設定の時びっくりしないように"));
        QCOMPARE(ReadFile(h.OptionsFile()), (Bytes{3, 0, 0, 0, 2, 0, 0, 0, 0, 0}));
        QCOMPARE(h.window.game().CubeState()->BlockN(), 3);  // no new game starts
    }

    void keysGoToTheOpenOptionsPanelWhicheverControlHasTheFocus() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        h.window.clientArea()->setFocus();
        h.Click(3, 3);
        const Cube moved = *h.window.game().CubeState();
        h.window.mnuOption_Click();
        OptionsPanel* panel = h.window.sstOption();
        const std::vector<QWidget*> controls = {panel->chkOption(0), panel->chkOption(1), panel->cmdOk(),
                                                panel->cmdCancel()};
        for (QWidget* control : controls) {
            control->setFocus();
            QTRY_VERIFY(control->hasFocus());
            QTest::keyClick(control, Qt::Key_Z);
            QTest::keyClick(control, Qt::Key_S, Qt::ShiftModifier);
            QVERIFY2(SameCells(*h.window.game().CubeState(), moved), qPrintable(control->objectName()));
            QVERIFY2(h.inputTitle.isEmpty(), qPrintable(control->objectName()));
            QVERIFY(panel->isVisible());
        }
        panel->cmdCancel_Click();
        QTRY_VERIFY(h.window.clientArea()->hasFocus());
        QTest::keyClick(h.window.clientArea(), Qt::Key_Z);  // the window's own again
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));
    }

    void practiceCommandRefusesWhatTheGameCannotUse() {
        Harness h(Record(4, 5));
        h.Show();
        const QStringList refused = {"abc", "-1", "10000", "2000000000", "1e99", "   ", "２"};
        for (const QString& text : refused) {
            h.typed << text;
            h.window.Form_KeyDown(Qt::Key_S, 1);
        }
        QCOMPARE(h.messages.size(), refused.size());
        QCOMPARE(h.options.Record().Difficulty, 0);         // nothing changed in memory
        QCOMPARE(ReadFile(h.OptionsFile()), Record(4, 5));  // nothing written

        h.typed << QString();  // Cancel
        h.window.Form_KeyDown(Qt::Key_S, 1);
        QCOMPARE(ReadFile(h.OptionsFile()), Record(4, 5));
        QCOMPARE(h.messages.size(), refused.size());

        // Used before any load, it sets the moves alone: the block count and
        // the switch stay as the file holds them.
        WriteFile(h.OptionsFile(), {7, 0, 0, 0, 0x14, 0, 0, 0, 0xFF, 0xFF});
        h.typed << QStringLiteral("9999") << QStringLiteral("2.5");
        h.window.Form_KeyDown(Qt::Key_S, 1);
        QCOMPARE(ReadFile(h.OptionsFile()), (Bytes{7, 0, 0, 0, 0x0F, 0x27, 0, 0, 0xFF, 0xFF}));
        h.window.Form_KeyDown(Qt::Key_S, 1);
        QCOMPARE(h.options.Record().Difficulty, 2);  // halves go to the even neighbour
        QCOMPARE(h.options.Record(), (OptionsRecord{7, 2, -1}));
    }

    void anyNumberOutsideTheMovesIsOutOfRangeEvenPast32Bits() {
        Harness h(Record(4, 5));
        h.Show();
        const QStringList typed = {"10000", "-1", "2147483648", "99999999999", " -2147483649 "};
        for (const QString& text : typed) {
            h.typed << text;
            h.window.Form_KeyDown(83, 1);
        }
        QCOMPARE(h.messages.size(), typed.size());
        for (int i = 0; i < typed.size(); ++i)
            QCOMPARE(
                h.messages[i],
                QStringLiteral("シャッフルの回数は0から9999までです。\n%1 は使えません。").arg(typed[i].trimmed()));
        QCOMPARE(ReadFile(h.OptionsFile()), Record(4, 5));
    }

    void typedTextComesBackAsPlainTextNeverAsMarkup() {
        // The real message box, over a picture the markup names: a FIFO,
        // which would hang the game if anything tried to read it.
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("picture")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        OptionsStore options(dir.path().toStdString());
        RecordsStore records(dir.filePath(QStringLiteral("data")).toStdString());
        testing::ScriptedRandom random;
        // The real message boxes; only the input box answers by itself.
        struct TypedInput final : WindowDialogs {
            QString text;
            QString InputBox(QWidget*, const QString&, const QString&) override { return text; }
        } dialogs;
        ClickSound sound(dir.filePath(QStringLiteral("Click.wav")).toStdString());
        SystemInfoRegistry registry(std::vector<std::filesystem::path>{});
        FakeClock clock;
        frmCube w({options, records, random, dialogs, sound, registry, clock, TwipsScale{15}});
        const QStringList typed = {QStringLiteral("<img src=\"%1\">").arg(QString::fromLocal8Bit(fifo)),
                                   QStringLiteral("<b>5</b>")};
        QStringList shown;
        for (const QString& text : typed) {
            dialogs.text = text;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                QCOMPARE(box->textFormat(), Qt::PlainText);
                shown << box->text();
                box->close();
            });
            w.Form_KeyDown(83, 1);
        }
        QCOMPARE(shown.size(), 2);
        for (int i = 0; i < 2; ++i)
            QVERIFY2(shown[i].contains(QStringLiteral("「%1」").arg(typed[i])), qPrintable(shown[i]));
    }

    void winningStopsTheClockAndEndsTheGamesInput() {
        Harness h;
        h.Show();
        h.Start(2, {{1, 1}});
        h.Click(2, 1);
        QCOMPARE(h.congratulations.size(), 1u);
        const Board& board = h.window.game().BoardState();
        QCOMPARE(h.congratulations[0].first, board.BlockObjs[9].BlockLeft / 3.0);
        QCOMPARE(h.congratulations[0].second, board.BlockObjs[17].BlockTop);
        QVERIFY(!h.window.timGame()->isActive());
        QCOMPARE(h.window.lblMes(0)->text(), QStringLiteral("現在全色一致している面数は　6　面です"));
        QCOMPARE(h.window.game().History().HistPos, 0);
        const Cube solved = *h.window.game().CubeState();
        QTest::mouseClick(h.window.clientArea(), Qt::LeftButton, {},
                          h.Middle(board.BlockObjs[1].BlockLeft - board.HalfBlock, board.BlockObjs[1].BlockTop, 100));
        QVERIFY(SameCells(*h.window.game().CubeState(), solved));
        QCOMPARE(h.window.game().ClickCount, 1);
    }

    void congratulationsStandsWhereTheScreenSaysWhereverTheMainWindowIs() {
        Harness h;
        h.dialogs.realCongratulations = true;
        h.Show();
        h.window.move(200, 120);
        QTRY_COMPARE(h.window.pos(), QPoint(200, 120));
        h.Start(3, {{1, 1}});
        // The window is modal: look at it and press its OK once it is up.
        QPoint shownAt(-1, -1);
        QTimer closer;
        closer.setInterval(5);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* shown = qobject_cast<frmCongratulations*>(QApplication::activeModalWidget());
            if (shown == nullptr || !shown->isVisible()) return;
            shownAt = shown->pos();
            closer.stop();
            shown->cmdOK()->click();
        });
        closer.start();
        h.Click(2, 1);
        // Twips from the screen's corner: 587 / 3 and face 5's top, 3537.
        QCOMPARE(shownAt, QPoint(13, 236));
        QVERIFY(h.window.game().BoardState().ButtonObjs.empty());  // its OK ended the game's input
        QVERIFY(!h.window.timGame()->isActive());
    }

    void demonstrationHidesThePointerAndDisablesTheMenus() {
        Harness h;
        h.Show();
        h.window.sstOption()->chkOption(1)->setChecked(true);
        int steps = 0;  // steps at whose wait everything was as it should be
        h.onWait = [&](PauseKind kind) {
            if (kind != PauseKind::Demonstration) return;
            frmCube& w = h.window;
            const bool menusOff = !w.mnuGame()->menuAction()->isEnabled() && !w.mnuRecords()->isEnabled() &&
                                  !w.mnuOption()->isEnabled() && !w.mnuStartFromNumber()->isEnabled() &&
                                  !w.mnuCopyNumber()->isEnabled();
            const bool aboutOn = w.mnuAbout()->isEnabled();
            const QCursor* cursor = QGuiApplication::overrideCursor();
            const bool invisible = cursor && cursor->shape() == Qt::BitmapCursor;
            QLabel* notice = w.lblMes(3);
            const bool red = notice->isVisible() &&
                             notice->text() == QStringLiteral("ただいまデモ中につき自動操作中") &&
                             notice->palette().color(QPalette::WindowText) == QColor(255, 0, 0) &&
                             !notice->autoFillBackground() && notice->frameShape() == QFrame::NoFrame;
            const bool smiley = w.imgDemoPointa(0)->isVisible() && w.imgDemoPointa(0)->width() == 13;  // 196 twips
            if (menusOff && aboutOn && invisible && red && smiley && !w.timGame()->isActive()) ++steps;
        };
        h.Start(3, kThreeMoves);
        QCOMPARE(steps, 3);
        QCOMPARE(h.window.game().CubeState()->CountSolvedFaces(), 6);
        QCOMPARE(NotRestoredAfterDemonstration(h.window), QString());
        // The smiley was last on the button that undid the first shuffle move.
        const Move undo = Reverse(kThreeMoves[0]);
        const Ishape& last = h.Button(NumberOf(undo.kind), undo.line);
        QCOMPARE(h.window.imgDemoPointa(0)->pos(),
                 QPoint(h.window.Scale().ToPixels(last.ButtonLeft()), h.window.Scale().ToPixels(last.ButtonTop())));
    }

    void pressesOnTheSmileyOrALabelAreTheirsNotTheNets() {
        // The smiley stands on the button the demonstration presses next.
        Harness h;
        h.Show();
        h.window.sstOption()->chkOption(1)->setChecked(true);
        std::vector<bool> unchanged;
        h.onWait = [&](PauseKind kind) {
            if (kind != PauseKind::Demonstration) return;
            const Cube before = *h.window.game().CubeState();
            QTest::mouseClick(h.window.imgDemoPointa(0), Qt::LeftButton);
            unchanged.push_back(SameCells(*h.window.game().CubeState(), before));
        };
        h.Start(3, kThreeMoves);
        QCOMPARE(unchanged, std::vector<bool>(kThreeMoves.size(), true));
        QCOMPARE(h.window.game().CubeState()->CountSolvedFaces(), 6);

        // A status label over a button, as in a short window: the press is the label's.
        h.onWait = nullptr;
        h.window.sstOption()->chkOption(1)->setChecked(false);
        h.Start(3, kThreeMoves);
        h.Click(1, 1);
        const Ishape& b = h.Button(2, 2);
        const QPoint middle = h.Middle(b.ButtonLeft(), b.ButtonTop(), h.window.game().BoardState().HalfBlock);
        for (int i : {0, 1, 2}) {
            QLabel* label = h.window.lblMes(i);
            label->setText(QStringLiteral("label"));
            label->show();
            label->move(middle - QPoint(label->width() / 2, label->height() / 2));
            const Cube before = *h.window.game().CubeState();
            QTest::mouseClick(h.window.clientArea(), Qt::LeftButton, {}, middle);
            QVERIFY2(SameCells(*h.window.game().CubeState(), before), qPrintable(label->text()));
            QCOMPARE(h.window.game().ClickCount, 1);
            label->hide();
        }
        QTest::mouseClick(h.window.clientArea(), Qt::LeftButton, {}, middle);  // uncovered, it moves
        QCOMPARE(h.window.game().ClickCount, 2);
    }

    void pressOnTheNetLeavesTheKeysWithTheOpenPanel() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        h.window.clientArea()->setFocus();
        h.window.mnuOption_Click();
        QComboBox* box = h.window.sstOption()->cmbOption(0);
        QTRY_VERIFY(box->hasFocus());
        h.Click(2, 1);  // the rest of the window stays usable (this button is clear of the panel)
        std::vector<Move> moves = kThreeMoves;
        moves.push_back({2, 1});
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, moves)));
        QVERIFY(box->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z);  // typed, not an undo
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ShiftModifier);
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, moves)));
        QVERIFY(h.inputTitle.isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // still Cancel
        QVERIFY(!h.window.sstOption()->isVisible());
        QTRY_VERIFY(h.window.clientArea()->hasFocus());
        QTest::keyClick(h.window.clientArea(), Qt::Key_Z);  // the window's again
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));
    }

    void closingDuringAPauseEndsTheGameAtOnce() {
        // The shuffle's quarter second and the demonstration's step, each
        // cut short by closing the window inside it.
        for (int box : {0, 1}) {
            Harness h;
            h.Show();
            h.window.sstOption()->chkOption(0)->setChecked(box == 0);
            h.window.sstOption()->chkOption(1)->setChecked(box == 1);
            int pauses = 0;
            PauseKind cut = PauseKind::Shuffle;
            h.onWait = [&](PauseKind kind) {
                cut = kind;
                ++pauses;
                h.window.close();
            };
            h.Start(3, kThreeMoves);
            QCOMPARE(pauses, 1);
            QVERIFY(cut == (box == 0 ? PauseKind::Shuffle : PauseKind::Demonstration));
            QVERIFY(!h.clock.due);  // nothing is left to run: the wait was dropped
            QCOMPARE(h.clock.started, 1);
            QVERIFY(!h.window.isVisible());
            QVERIFY(!h.window.timGame()->isActive());
        }
    }

    void pausesLastAQuarterSecondOrToTheSecondWholeSecond() {
        // The waits the window itself asks of its clock for a shown shuffle
        // of one move and its demonstration, with the date and time at
        // various points of a second.
        struct Case {
            std::int64_t wall;
            std::int64_t demonstrationWait;
        };
        const std::vector<Case> cases = {
            {1'000'300, 1700},  // to 1'002'000
            {1'000'000, 2000},
            {1'000'999, 1001},
            {-300, 1300},
        };
        for (const Case& c : cases) {
            Harness h;
            h.Show();
            h.window.sstOption()->chkOption(0)->setChecked(true);
            h.window.sstOption()->chkOption(1)->setChecked(true);
            h.clock.wall = c.wall;
            h.Start(3, {{1, 1}});
            QCOMPARE(h.clock.waits, (std::vector<std::int64_t>{250, c.demonstrationWait}));
        }
    }

    void loadErrorIsToldAndTheGameGoesOn() {
        Harness h;
        QFile::remove(h.OptionsFile());
        QDir(h.dir.path()).mkdir(QStringLiteral("GameOpt.dat"));  // a folder where the file should be
        h.Show();
        h.window.mnuStart()->trigger();
        QCOMPARE(h.messages.size(), 1);
        QVERIFY(h.messages[0].contains(QStringLiteral("読み込めませんでした")));
        QCOMPARE(h.window.game().BlockN(), 2);
        QVERIFY(h.window.timGame()->isActive());
    }

    void aLoadErrorIsToldOnceUntilALoadSucceeds() {
        Harness h;
        QFile::remove(h.OptionsFile());
        QDir(h.dir.path()).mkdir(QStringLiteral("GameOpt.dat"));
        h.Show();
        for (int i = 0; i < 3; ++i) h.window.mnuStart()->trigger();
        h.window.mnuOption_Click();
        h.window.sstOption()->cmdCancel_Click();
        QCOMPARE(h.messages.size(), 1);
        QDir(h.dir.path()).rmdir(QStringLiteral("GameOpt.dat"));
        WriteFile(h.OptionsFile(), Record(3, 0));
        h.window.mnuStart()->trigger();
        QCOMPARE(h.messages.size(), 1);
        QFile::remove(h.OptionsFile());
        QDir(h.dir.path()).mkdir(QStringLiteral("GameOpt.dat"));
        h.window.mnuStart()->trigger();  // after a good load it is news again
        QCOMPARE(h.messages.size(), 2);
    }

    // ---------------------------------------------------------------- faults

    void unwritableFolderStillPlaysAndKeepsTheChoices() {
        Harness h;
        // A program folder that cannot be written, whoever runs the test:
        // its path runs through a regular file.
        WriteFile(h.dir.filePath(QStringLiteral("plain")), {1});
        OptionsStore blocked((h.dir.path() + QStringLiteral("/plain/folder")).toStdString());
        frmCube w({blocked, h.records, h.random, h.dialogs, h.sound, h.registry, h.clock, TwipsScale{15}});
        const QStringList& messages = h.messages;
        h.typed << QStringLiteral("7");
        w.show();
        w.resize(445, 392 + w.menuBar()->sizeHint().height());
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        w.mnuStart()->trigger();
        QCOMPARE(messages.size(), 1);  // the failed load, told once
        QCOMPARE(w.game().BlockN(), 2);
        w.Form_KeyDown(Qt::Key_S, 1);
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[1].contains(QStringLiteral("保存できませんでした")));
        QCOMPARE(blocked.Record().Difficulty, 7);
        w.mnuStart()->trigger();  // the next game keeps the choice it could not save
        h.PassWaits();
        QCOMPARE(w.game().History().Capacity(), 7);
        QVERIFY(GameAgrees(w));
    }

    void brokenOrMissingClickSoundStaysSilent() {
        for (const Bytes& wav : {Bytes{}, Bytes{'R', 'I', 'F', 'F', 0, 0}, Bytes(4096, 0xAB)}) {
            Harness h;
            if (!wav.empty()) WriteFile(h.dir.filePath(QStringLiteral("Click.wav")), wav);
            h.Show();
            h.Start(3, kThreeMoves);
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < 20; ++i) h.Click(1 + i % 6, 1 + i % 3);
            QVERIFY(timer.elapsed() < 5000);  // generous: a hang would take forever
            QCOMPARE(h.window.game().ClickCount, 20);
            QVERIFY(h.messages.isEmpty());
        }
    }

    void everyOptionsFileGivesAPlayableNet() {
        std::mt19937 chance(2026);
        Harness h;
        h.Show();
        h.window.sstOption()->chkOption(0)->setChecked(false);  // up to 9999 moves, drawn once
        for (int length = 0; length <= 12; ++length)
            for (int round = 0; round < 4; ++round) {
                Bytes file(static_cast<std::size_t>(length));
                for (auto& b : file) b = static_cast<std::uint8_t>(chance());
                if (round == 0 && length >= 8) file[7] = 0x7F;  // a huge number of moves
                WriteFile(h.OptionsFile(), file);
                h.random.draws.clear();
                h.window.mnuStart()->trigger();
                const int n = h.window.game().BlockN();
                QVERIFY(n >= 2 && n <= 10);
                QCOMPARE(h.window.game().BoardState().ButtonObjs.size(), static_cast<std::size_t>(6 * n));
                QVERIFY(GameAgrees(h.window));
                QVERIFY(h.window.game().History().Capacity() <= kMaxDifficulty);
            }
        QVERIFY(h.messages.isEmpty());
    }

    void tinyAndHugeWindowsRebuildTheNet() {
        Harness h;
        h.Show();
        h.Start(10, kThreeMoves);
        for (QSize client : {QSize(1, 1), QSize(2, 2), QSize(7000, 5000), QSize(445, 392)}) {
            h.window.clientArea()->resize(client);  // the client area alone can go below the window's minimum
            QCOMPARE(h.window.ScaleWidth(), client.width() * 15.0F);
            const BlockSizes sizes = BlockSizeCalc(10, client.width() * 15.0F, client.height() * 15.0F);
            QCOMPARE(h.window.game().BoardState().BlockSize, sizes.BlockSize);
            QCOMPARE(h.window.game().BoardState().ButtonObjs.size(), 60u);
            QVERIFY(GameAgrees(h.window));
        }
    }

    void thousandsOfRandomPressesAndKeysKeepTheGameWhole() {
        std::mt19937 chance(7);
        Harness h;
        h.Show();
        h.Start(4, {{1, 1}, {3, 2}, {5, 3}, {2, 4}, {4, 1}});
        h.window.sstOption()->chkOption(0)->setChecked(false);  // long shuffles drawn once
        const std::array<int, 7> keys = {Qt::Key_Z,      Qt::Key_Y,      Qt::Key_S,    Qt::Key_A,
                                         Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space};
        const QStringList answers = {"", "3", "-2", "x", "0", "12", "9999", "1.5"};
        int onButtons = 0;
        for (int i = 0; i < 6000; ++i) {
            const int what = static_cast<int>(chance() % 100);
            if (what < 60) {
                // Half anywhere, half on a button that is there now.
                QPoint at(static_cast<int>(chance() % 445), static_cast<int>(chance() % 392));
                const Board& board = h.window.game().BoardState();
                if (what < 30 && !board.ButtonObjs.empty()) {
                    const Ishape& b = *board.ButtonObjs[chance() % board.ButtonObjs.size()];
                    at = h.Middle(b.ButtonLeft(), b.ButtonTop(), board.HalfBlock);
                }
                onButtons += HitTest(board, at.x() * 15.0F, at.y() * 15.0F) != nullptr;
                const auto button = (chance() % 2) ? Qt::LeftButton : Qt::RightButton;
                QTest::mouseClick(h.window.clientArea(), button, {}, at);
            } else if (what < 95) {
                h.typed << answers[static_cast<int>(chance() % answers.size())];
                const auto mods = (chance() % 3 == 0) ? Qt::ShiftModifier : Qt::NoModifier;
                QTest::keyClick(h.window.clientArea(), static_cast<Qt::Key>(keys[chance() % keys.size()]), mods);
                h.typed.clear();
            } else if (what < 98) {
                h.window.clientArea()->resize(200 + static_cast<int>(chance() % 600),
                                              150 + static_cast<int>(chance() % 400));
            } else {
                h.random.draws.clear();
                h.window.mnuStart()->trigger();
            }
            if (i % 50 == 0) QVERIFY(GameAgrees(h.window));
        }
        QVERIFY(GameAgrees(h.window));
        QVERIFY(onButtons > 1000);  // many of the presses did land on buttons
    }

    void startChosenInsideAShufflePauseLeavesOneConsistentGame() {
        Harness h;
        h.Show();
        h.window.sstOption()->chkOption(0)->setChecked(true);
        int pauses = 0;
        h.onWait = [&](PauseKind kind) {
            if (kind == PauseKind::Shuffle && ++pauses == 2) {
                WriteFile(h.OptionsFile(), Record(6, 2));
                h.random.draws.clear();
                h.random.Script({{5, 6}, {2, 3}}, 6);
                h.window.mnuStart()->trigger();  // the menu stays enabled during a shuffle
            }
        };
        h.Start(3, {{1, 1}, {3, 2}, {5, 3}, {2, 1}, {4, 2}});
        QCOMPARE(h.window.game().BlockN(), 6);
        QCOMPARE(h.window.game().History().Capacity(), 2);
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(6, {{5, 6}, {2, 3}})));
        QVERIFY(GameAgrees(h.window));
        const clsBlockMake& b = h.window.game().BoardState().Block(2, 6, 6, 6);
        QCOMPARE(
            h.window.surface().Image().pixel(h.Middle(b.BlockLeft, b.BlockTop, h.window.game().BoardState().BlockSize)),
            Bgr(h.window.game().CubeState()->CubeCells(2, 6, 6)));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(h.window.timGame()->isActive());
    }

    void escEndsTheDemonstrationAtOnceAndRestoresTheWindow() {
        Harness h;
        h.Show();
        h.window.sstOption()->chkOption(1)->setChecked(true);
        int waits = 0;
        h.onWait = [&](PauseKind kind) {
            if (kind == PauseKind::Demonstration && ++waits == 1)
                QTest::keyClick(h.window.clientArea(), Qt::Key_Escape);
        };
        h.Start(3, kThreeMoves);
        QCOMPARE(waits, 1);
        QVERIFY(!h.clock.due);
        QCOMPARE(h.window.game().CubeState()->CountSolvedFaces(), 6);
        // The net shows the solved cube.
        const Board& board = h.window.game().BoardState();
        for (int face = 1; face <= 6; ++face) {
            const clsBlockMake& b = board.Block(face, 2, 2, 3);
            QCOMPARE(h.window.surface().Image().pixel(h.Middle(b.BlockLeft, b.BlockTop, board.BlockSize)),
                     Bgr(kFaceColors[static_cast<std::size_t>(face)]));
        }
        QCOMPARE(NotRestoredAfterDemonstration(h.window), QString());

        // Outside the demonstration Esc is nothing: the game goes on.
        h.window.sstOption()->chkOption(1)->setChecked(false);
        h.Start(3, kThreeMoves);
        QTest::keyClick(h.window.clientArea(), Qt::Key_Escape);
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));
        QVERIFY(h.window.timGame()->isActive());
    }

    void startCannotBeChosenDuringTheDemonstration() {
        Harness h;
        h.Show();
        h.window.sstOption()->chkOption(1)->setChecked(true);
        h.onWait = [&](PauseKind kind) {
            if (kind == PauseKind::Demonstration) {
                WriteFile(h.OptionsFile(), Record(5, 0));
                h.window.mnuStart()->trigger();  // disabled: nothing happens
                h.typed << QStringLiteral("4-2-9");
                h.window.mnuStartFromNumber()->trigger();  // nor from a number
                h.typed.clear();
            }
        };
        h.Start(3, kThreeMoves);
        QVERIFY(h.inputTitle.isEmpty());
        QCOMPARE(h.window.game().BlockN(), 3);
        QCOMPARE(h.window.game().CubeState()->CountSolvedFaces(), 6);
        QVERIFY(GameAgrees(h.window));
    }

    // ---------------------------------------------------------------- redo, game numbers, help

    void redoKeysMakeAgainWhatZTookBackOnlyWhileTheWindowHasTheKeys() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        h.window.clientArea()->setFocus();
        std::vector<Move> moves = kThreeMoves;
        h.Click(1, 1);
        h.Click(6, 2);
        moves.push_back({1, 1});
        moves.push_back({6, 2});
        QTest::keyClick(h.window.clientArea(), Qt::Key_Z);
        QTest::keyClick(h.window.clientArea(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));

        // Y and Ctrl+Y, one move each, in the order they were made.
        QTest::keyClick(h.window.clientArea(), Qt::Key_Y);
        QVERIFY(SameCells(*h.window.game().CubeState(),
                          Replayed(3, {kThreeMoves[0], kThreeMoves[1], kThreeMoves[2], moves[3]})));
        QTest::keyClick(h.window.clientArea(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, moves)));
        QCOMPARE(h.window.game().ClickCount, 4);  // each a click
        QCOMPARE(h.window.lblMes(2)->text(), QStringLiteral("今までのクリック回数は　4　回です"));
        QVERIFY(GameAgrees(h.window));

        // With the options panel open, Y is typed into its box.
        QTest::keyClick(h.window.clientArea(), Qt::Key_Z);
        h.window.mnuOption_Click();
        QTRY_VERIFY(h.window.sstOption()->cmbOption(0)->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y);
        QCOMPARE(h.window.game().ClickCount, 4);
        h.window.sstOption()->cmdCancel_Click();
        QTRY_VERIFY(h.window.clientArea()->hasFocus());
        QTest::keyClick(h.window.clientArea(), Qt::Key_Y, Qt::ShiftModifier);  // Shift+Y as well
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, moves)));
        QCOMPARE(h.window.game().ClickCount, 5);
    }

    void copyGameNumberPutsTheRunningGamesNumberOnTheClipboard() {
        Harness h;
        h.Show();
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        h.window.mnuCopyNumber()->trigger();  // disabled before the first game
        QCOMPARE(clipboard->text(), QStringLiteral("before"));

        h.Start(3, {});
        QVERIFY(!h.window.mnuCopyNumber()->isEnabled());  // a game without shuffle has no number
        h.Start(4, kThreeMoves);
        QVERIFY(h.window.mnuCopyNumber()->isEnabled());
        h.window.mnuCopyNumber()->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("4-3-7"));  // the fake clock's seed is 7

        // Not during the demonstration, whose menus are off; again after it.
        h.window.sstOption()->chkOption(1)->setChecked(true);
        bool offDuringDemo = true;
        h.onWait = [&](PauseKind kind) {
            if (kind == PauseKind::Demonstration)
                offDuringDemo = offDuringDemo && !h.window.mnuCopyNumber()->isEnabled();
        };
        h.Start(2, kThreeMoves);
        QVERIFY(offDuringDemo);
        QVERIFY(h.window.mnuCopyNumber()->isEnabled());
        h.window.mnuCopyNumber()->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("2-3-7"));
    }

    void startFromNumberStartsThatGameWithoutTouchingTheOptionsFile() {
        Harness h;
        // A folder where the options file should be: any reading of it is told.
        QFile::remove(h.OptionsFile());
        QDir(h.dir.path()).mkdir(QStringLiteral("GameOpt.dat"));
        h.Show();
        h.window.sstOption()->chkOption(0)->setChecked(true);  // the check boxes count as for any Start
        const std::vector<Move> shuffle = {{1, 2}, {3, 1}, {6, 4}, {2, 1}, {4, 3}};
        h.random.Script(shuffle, 4);
        h.typed << QStringLiteral(" 4-5-1800266 ");
        h.window.mnuStartFromNumber()->trigger();
        QCOMPARE(h.inputTitle, QStringLiteral("ゲーム番号から始める"));
        QCOMPARE(h.inputPrompt, QStringLiteral("ゲーム番号を半角で入力して下さい\r\n（例: 3-20-4093127）"));
        h.PassWaits();
        QCOMPARE(h.messages, QStringList());
        QCOMPARE(h.random.seeds, (std::vector<std::uint64_t>{1800266}));
        QCOMPARE(h.clock.waits, std::vector<std::int64_t>(5, 250));  // shown, step by step
        QCOMPARE(h.window.game().BlockN(), 4);
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(4, shuffle)));
        QVERIFY(h.window.timGame()->isActive());
        QVERIFY(QFileInfo(h.OptionsFile()).isDir());
        h.window.mnuCopyNumber()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("4-5-1800266"));
        QVERIFY(GameAgrees(h.window));
    }

    void startFromNumberRefusesWhatIsNotAGameNumberAndChangesNothing() {
        Harness h(Record(3, 5));
        h.Show();
        h.Start(3, kThreeMoves);
        const Cube before = *h.window.game().CubeState();
        const QString notANumber = QStringLiteral(
            "「%1」はゲーム番号として読めません。\nゲーム番号は「3-20-4093127」のように、ブロック数、シャッフルの回数、"
            "乱数の種の三つの数を半角の数字で書き、半角の「-」でつないだものです。");
        const std::vector<std::pair<QString, QString>> refused = {
            {"abc", notANumber.arg("abc")},
            {"3-20", notANumber.arg("3-20")},
            {"03-20-5", notANumber.arg("03-20-5")},
            {"３-20-5", notANumber.arg("３-20-5")},
            {"<b>3</b>-1-1", notANumber.arg("<b>3</b>-1-1")},
            {" 11-20-5", "ゲーム番号「11-20-5」のブロック数は使えません。\nブロック数は2から10までです。"},
            {"3-0-5", "ゲーム番号「3-0-5」のシャッフルの回数は使えません。\nシャッフルの回数は1から9999までです。"},
            {"3-20-2147483648",
             "ゲーム番号「3-20-2147483648」の乱数の種は使えません。\n乱数の種は0から2147483647までです。"},
        };
        for (const auto& [typed, message] : refused) {
            h.typed << typed;
            h.window.mnuStartFromNumber()->trigger();
            QVERIFY2(!h.messages.isEmpty() && h.messages.back() == message, qPrintable(typed));
        }
        QCOMPARE(h.messages.size(), static_cast<qsizetype>(refused.size()));
        h.typed << QString();  // Cancel
        h.window.mnuStartFromNumber()->trigger();
        QCOMPARE(h.messages.size(), static_cast<qsizetype>(refused.size()));
        QVERIFY(SameCells(*h.window.game().CubeState(), before));  // the game on the net goes on
        QCOMPARE(h.window.game().Number(), (GameNumber{3, 3, 7}));
        QCOMPARE(h.random.seeds, (std::vector<std::uint64_t>{7}));
        QCOMPARE(ReadFile(h.OptionsFile()), Record(3, 3));
    }

    void aGameFromATypedNumberEntersTheRecordsLikeAnyOther() {
        Harness h(Record(5, 0));  // the options say Practice
        h.Show();
        h.random.Script({{1, 1}}, 2);
        h.typed << QStringLiteral("2-1-5");
        h.window.mnuStartFromNumber()->trigger();
        h.PassWaits();
        h.window.timGame()->stop();
        h.window.timGame_Timer();
        h.Click(2, 1);
        QCOMPARE(h.congratulations.size(), 1u);
        const Bytes text = ReadFile(h.RecordsFile());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size())),
                 QByteArray("Tessaro records 2\n2 1 1 1 5 5 last\n"));
        QCOMPARE(ReadFile(h.OptionsFile()), Record(5, 0));
    }

    void f1OpensHowToPlayWhileTheClockRunsAndAStepWaitsForItToClose() {
        Harness h(Record(3, 3));
        h.Show();
        h.window.sstOption()->chkOption(0)->setChecked(true);
        h.random.Script(kThreeMoves, 3);
        h.window.mnuStart()->trigger();  // the first shuffle move, then a wait
        h.window.clientArea()->setFocus();
        h.window.timGame()->start();
        int startedInside = -1;
        bool clockRan = false;
        h.dialogs.whileOpen = [&] {
            clockRan = h.window.timGame()->isActive();
            h.clock.Pass();  // the wait is over while the window is open
            startedInside = h.clock.started;
        };
        QTest::keyClick(h.window.clientArea(), Qt::Key_F1);
        QCOMPARE(h.dialogs.helps, 1);
        QVERIFY(clockRan);
        QCOMPARE(startedInside, 1);  // no step inside
        QVERIFY(h.clock.due);        // it comes once the window has closed
        h.dialogs.whileOpen = nullptr;
        h.PassWaits();
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));
        h.window.mnuHelp()->trigger();  // the menu entry opens it too
        QCOMPARE(h.dialogs.helps, 2);
    }

    void howToPlayIsReadableAndClosesWithEscOrItsButton() {
        Harness h;
        h.Show();
        h.dialogs.realHelp = true;
        for (int way = 0; way < 3; ++way) {
            h.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&h.window));
            h.window.clientArea()->setFocus();
            QTRY_VERIFY(h.window.clientArea()->hasFocus());
            QString title, text, accessibleName, accessibleText;
            bool focusOnText = false;
            QTimer::singleShot(0, [&] {
                auto* help = qobject_cast<frmHelp*>(QApplication::activeModalWidget());
                QVERIFY(help != nullptr);
                QVERIFY(QTest::qWaitForWindowActive(help));
                title = help->windowTitle();
                text = help->txtHelp->toPlainText();
                focusOnText = help->focusWidget() == help->txtHelp;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(help->txtHelp);
                accessibleName = a->text(QAccessible::Name);
                if (QAccessibleTextInterface* t = a->textInterface()) accessibleText = t->text(0, t->characterCount());
                if (way == 0) QTest::keyClick(help->txtHelp, Qt::Key_Escape);
                else if (way == 1) QTest::keyClick(help->txtHelp, Qt::Key_Return);
                else help->cmdOK->click();
            });
            QTest::keyClick(h.window.clientArea(), Qt::Key_F1);
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            QCOMPARE(title, QStringLiteral("遊び方"));
            QVERIFY(focusOnText);
            QCOMPARE(accessibleName, QStringLiteral("遊び方"));
            for (const char* said : {"Z", "Y", "Shift+S", "矢印キー", "Space", "Enter", "Esc", "F1", "Game > Records",
                                     "ゲーム番号", "Game > Copy game number", "Game > Start from number..."}) {
                QVERIFY2(text.contains(QString::fromUtf8(said)), said);
                QVERIFY2(accessibleText.contains(QString::fromUtf8(said)), said);
            }
        }
    }

    // ---------------------------------------------------------------- records

    void winEntersTheRecordsAndTheMenuEntryListsIt() {
        Harness h;
        h.Show();
        h.Start(2, {{1, 1}});
        h.window.timGame()->stop();  // the seconds are the ticks given here
        for (int i = 0; i < 3; ++i) h.window.timGame_Timer();
        h.Click(3, 2);
        h.Click(4, 2);
        h.Click(2, 1);
        QCOMPARE(h.congratulations.size(), 1u);
        const Bytes text = ReadFile(h.RecordsFile());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size())),
                 QByteArray("Tessaro records 2\n2 1 3 3 7 7 last\n"));
        QVERIFY(h.messages.isEmpty());
        QCOMPARE(ReadFile(h.OptionsFile()), Record(2, 1));

        // The real records window, opened by the menu entry and closed by its button.
        QStringList row;
        QTimer::singleShot(0, [&] {
            auto* records = qobject_cast<frmRecords*>(QApplication::activeModalWidget());
            if (records == nullptr) return;
            for (int column = 0; column < records->grdRecords->columnCount(); ++column)
                row << records->grdRecords->item(0, column)->text();
            records->cmdOK->click();
        });
        h.window.mnuRecords()->trigger();
        QCOMPARE(row, (QStringList{"★", "2×2", "1回", "00時間00分03秒", "2-1-7", "3回", "2-1-7"}));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void brokenRecordsFileIsToldOnceKeptAsideAndLeavesTheOptionsAlone() {
        Harness h;
        QDir(h.dir.path()).mkdir(QStringLiteral("data"));
        const Bytes broken = {'T', 'e', 's', 's', 'a', 'r', 'o', 0xFF, '\n'};
        WriteFile(h.RecordsFile(), broken);
        h.dialogs.realRecords = false;
        h.Show();

        h.window.mnuRecords()->trigger();
        QCOMPARE(h.messages.size(), 1);
        QVERIFY(h.messages[0].contains(QStringLiteral("記録ファイルを読めませんでした")));
        QVERIFY(h.messages[0].contains(h.RecordsFile()));
        QCOMPARE(h.dialogs.recordsShown, 1);  // the list still opens, empty
        QCOMPARE(ReadFile(h.RecordsFile()), broken);

        h.Start(2, {{1, 1}});
        h.Click(2, 1);
        QCOMPARE(h.congratulations.size(), 1u);
        h.window.mnuRecords()->trigger();
        QCOMPARE(h.messages.size(), 1);  // not on the win, nor on the next opening
        QCOMPARE(ReadFile(h.RecordsFile(QStringLiteral("records-bad-1.txt"))), broken);
        QVERIFY(ReadFile(h.RecordsFile()).size() > broken.size());
        QCOMPARE(ReadFile(h.OptionsFile()), Record(2, 1));
    }

    void aRecordsFileMendedMeanwhileIsListedAtTheNextOpening() {
        Harness h;
        QDir(h.dir.path()).mkdir(QStringLiteral("data"));
        WriteFile(h.RecordsFile(), {'x', '\n'});
        h.dialogs.realRecords = false;
        h.Show();
        h.window.mnuRecords()->trigger();
        QCOMPARE(h.messages.size(), 1);
        QVERIFY(h.dialogs.recordsTable.entries.empty());

        const std::string good = "Tessaro records 1\n2 1 3 3 last\n";
        WriteFile(h.RecordsFile(), Bytes(good.begin(), good.end()));
        h.window.mnuRecords()->trigger();
        QCOMPARE(h.messages.size(), 1);
        QCOMPARE(h.dialogs.recordsTable, ParseRecords(good).table);
        h.Start(2, {{1, 1}});
        h.Click(2, 1);
        QCOMPARE(h.congratulations.size(), 1u);
        QVERIFY2(!QFile::exists(h.RecordsFile(QStringLiteral("records-bad-1.txt"))), "a mended file is never bad");
        const Bytes saved = ReadFile(h.RecordsFile());
        QCOMPARE(ParseRecords(std::string(saved.begin(), saved.end())).table.entries.at({2, 1}).clicks, 1);
    }

    void splashShowsTitleVersionAndAuthor() {
        frmSplash splash(TwipsScale{15});
        QCOMPARE(splash.size(), QSize(492, 283));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.lblProductName()->text(), QStringLiteral("Tessaro"));
        QCOMPARE(splash.lblVersion()->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0"));
        QVERIFY(splash.lblCopyright()->text().startsWith(QStringLiteral("作　者　")));
        QCOMPARE(splash.lblVersion()->geometry().right(), 456);  // right-aligned: it keeps its right edge
        QCOMPARE(splash.Frame1()->geometry(), QRect(10, 4, 472, 270));
        QCOMPARE(splash.imgLogo()->geometry(), QRect(16, 64, 145, 135));
        QVERIFY(!splash.imgLogo()->pixmap().isNull());
        QVERIFY(splash.lblProductName()->font().bold());
    }

    void surfaceDrawsAtTheDevicePixelRatioWithoutBlur() {
        for (qreal dpr : {1.0, 2.0}) {
            QtSurface surface(TwipsScale{15}, QColor(224, 224, 224));
            surface.Resize(QSize(100, 100), dpr);
            QCOMPARE(surface.Image().size(), QSize(100, 100) * dpr);
            surface.BeginDraw();
            clsBlockMake block;
            block.BlockMake(surface, 393, 150, 150, 0x0000FF);
            surface.EndDraw();
            const QImage& image = surface.Image();
            std::set<QRgb> seen;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
            // Only the colours drawn: grey ground, red fill, white, silver, black, grey.
            const std::set<QRgb> drawn = {
                QColor(224, 224, 224).rgb(), Bgr(0x0000FF), Bgr(0xFFFFFF), Bgr(0xC0C0C0), Bgr(0), Bgr(0x808080)};
            for (QRgb c : seen) QVERIFY(drawn.count(c));
            QVERIFY(seen.count(Bgr(0xFFFFFF)) && seen.count(Bgr(0x808080)));

            // Growing keeps the drawing and adds only ground; shrinking keeps what is still inside.
            for (QSize size : {QSize(103, 101), QSize(170, 90), QSize(30, 30)}) {
                surface.Resize(size, dpr);
                const QImage& grown = surface.Image();
                for (int y = 0; y < grown.height(); ++y)
                    for (int x = 0; x < grown.width(); ++x) {
                        const bool old = x < 100 * dpr && y < 100 * dpr;
                        QVERIFY(drawn.count(grown.pixel(x, y)));
                        if (!old) QCOMPARE(grown.pixel(x, y), QColor(224, 224, 224).rgb());
                    }
                QCOMPARE(QColor(grown.pixel(QPoint(20, 20) * dpr)), QColor(255, 0, 0));
            }
            QCOMPARE(QColor(image.pixel(QPoint(20, 20) * dpr)), QColor(255, 0, 0));
        }
    }

    void clientAreaPaintsEveryDevicePixelAtEveryScale() {
        // The area painted into a window's image below a menu bar of a few
        // heights, so that its top edge falls on, between and half-way
        // between device rows: every device pixel of the area shows the
        // backing image (or the ground past its last pixel), with no row
        // left as it was and no blending.
        const QRgb ground = QColor(224, 224, 224).rgb();
        for (qreal dpr : {1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 3.0}) {
            QtSurface surface(TwipsScale{15}, QColor(224, 224, 224));
            ClientArea area(nullptr, surface, QColor(224, 224, 224));
            area.resize(445, 392);
            surface.Resize(area.size(), dpr);
            Cube cube(3);
            Board board;
            BlockSizeCalc(board, 3, 6675, 5880);
            board.ResetBlocks(3);
            BlockDrawAll(board, cube, surface, 6675);
            ButtonMakeAll(board, 3, surface);
            const QImage& drawn = surface.Image();
            for (int menu : {17, 19, 22, 34}) {
                const int top = qRound(menu * dpr);  // the area's first device row
                QImage window(qCeil(445 * dpr), qCeil((392 + menu) * dpr), QImage::Format_RGB32);
                window.fill(Qt::black);
                window.setDevicePixelRatio(dpr);
                QPainter painter(&window);
                area.render(&painter, QPoint(0, menu));
                painter.end();
                const int bottom = qRound((392 + menu) * dpr);  // past the area's last device row
                const int right = qRound(445 * dpr);
                for (int y = top; y < bottom; ++y)
                    for (int x = 0; x < right; ++x) {
                        const QPoint at(x, y - top);
                        const QRgb want = drawn.rect().contains(at) ? drawn.pixel(at) : ground;
                        if (window.pixel(x, y) != want)
                            QFAIL(qPrintable(QStringLiteral("ratio %1, menu %2: device pixel %3,%4 is %5, not %6")
                                                 .arg(dpr)
                                                 .arg(menu)
                                                 .arg(x)
                                                 .arg(y)
                                                 .arg(QColor(window.pixel(x, y)).name(), QColor(want).name())));
                    }
            }
        }
    }

    void statusLabelsNeverOverlapWhateverTheFont() {
        for (double points : {0.0, 16.0, 20.0}) {
            Harness h;
            if (points > 0) {
                QFont large = h.window.font();
                large.setPointSizeF(points);
                h.window.setFont(large);
            }
            h.Show(900, 300);
            h.Start(3, kThreeMoves);
            h.Click(1, 1);
            h.window.timGame_Timer();
            h.window.ShowNotice(h.window.lblMes(1)->x() * 15.0, h.window.game().BoardState().BlockSize + 400,
                                "ただいまデモ中につき自動操作中");
            QList<QLabel*> shown;
            for (int i : {0, 1, 2, 3}) {
                QLabel* l = h.window.lblMes(i);
                QVERIFY2(l->font().pointSizeF() >= (points > 0 ? points : l->font().pointSizeF()), "never smaller");
                for (QLabel* other : shown)
                    QVERIFY2(!l->geometry().intersects(other->geometry()), qPrintable(QString::number(points)));
                if (i != 1) shown << l;  // the notice stands in for the clock
            }
            if (points == 0)  // at the usual size the labels keep their places
                for (int i : {0, 1, 2})
                    QCOMPARE(h.window.lblMes(i)->y(),
                             h.window.Scale().ToPixels(h.window.game().BoardState().BlockSize + 400 * i));
        }
    }

    void smileyStaysCrispWhenStretched() {
        // Stretched to a button of any size, at 1x, 2x and 3x: only the
        // picture's own colours, never a smoothed blend of two.
        Harness h;
        QLabel* smiley = h.window.imgDemoPointa(0);
        const QImage source = smiley->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const auto clearAsOne = [](QRgb c) { return qAlpha(c) == 0 ? 0 : c; };
        std::set<QRgb> own = {0};
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x) own.insert(clearAsOne(source.pixel(x, y)));
        for (int side : {32, 40, 57})
            for (int ratio : {1, 2, 3}) {
                smiley->resize(side, side);
                QImage shown(smiley->size() * ratio, QImage::Format_ARGB32);
                shown.fill(Qt::transparent);
                shown.setDevicePixelRatio(ratio);
                smiley->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);  // no window ground
                for (int y = 0; y < shown.height(); ++y)
                    for (int x = 0; x < shown.width(); ++x)
                        QVERIFY2(own.count(clearAsOne(shown.pixel(x, y))),
                                 qPrintable(QStringLiteral("%1 px at %2x").arg(side).arg(ratio)));
            }
    }

    void demonstrationWaitsUntilTheSecondWholeSecond() {
        const std::vector<std::pair<std::int64_t, std::int64_t>> waits = {
            {1'000'000, 2000}, {1'000'999, 1001}, {1'000'300, 1700}, {-300, 1300}};
        for (auto [now, wait] : waits) QCOMPARE(WholeSecondsWait(now, 2), wait);
    }

    void realClockWaitsWhileEventsRunAndKeepsOneWait() {
        SystemClock clock;
        QVERIFY(std::abs(clock.WallMilliseconds() - QDateTime::currentMSecsSinceEpoch()) < 1000);
        QVERIFY(clock.Seed() != clock.Seed());

        // A new wait replaces the pending one; a stopped one never comes.
        QStringList calls;
        bool eventRan = false;
        QTimer::singleShot(0, [&] { eventRan = true; });
        QElapsedTimer elapsed;
        elapsed.start();
        clock.StartWait(5, [&] { calls << QStringLiteral("dropped"); });
        clock.StartWait(30, [&] { calls << QStringLiteral("due"); });
        QTRY_COMPARE(calls, QStringList{QStringLiteral("due")});
        QVERIFY(elapsed.elapsed() >= 30);
        QVERIFY(eventRan);
        clock.StartWait(5, [&] { calls << QStringLiteral("stopped"); });
        clock.StopWait();
        QTest::qWait(50);
        QCOMPARE(calls, QStringList{QStringLiteral("due")});
    }

    void shownShuffleRunsOnTheRealClock() {
        Harness h;
        SystemClock clock;
        frmCube w({h.options, h.records, h.random, h.dialogs, h.sound, h.registry, clock, TwipsScale{15}});
        w.show();
        w.resize(445, 392 + w.menuBar()->sizeHint().height());
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.sstOption()->chkOption(0)->setChecked(true);
        WriteFile(h.OptionsFile(), Record(3, 3));
        h.random.Script(kThreeMoves, 3);
        QElapsedTimer elapsed;
        elapsed.start();
        w.mnuStart()->trigger();  // returns at once; the shuffle goes on from the event loop
        QCOMPARE(w.game().CurrentPhase(), Game::Phase::Shuffling);
        QVERIFY(!w.timGame()->isActive());
        QTRY_COMPARE(w.game().CurrentPhase(), Game::Phase::Playing);
        QVERIFY(elapsed.elapsed() >= 3 * 250);
        QVERIFY(SameCells(*w.game().CubeState(), Replayed(3, kThreeMoves)));
        QVERIFY(GameAgrees(w));
        QVERIFY(w.timGame()->isActive());
    }

    void stepDueWhileABoxIsOpenComesAfterTheBoxCloses() {
        Harness h(Record(3, 3));
        h.Show();
        h.window.sstOption()->chkOption(0)->setChecked(true);
        h.random.Script(kThreeMoves, 3);
        h.window.mnuStart()->trigger();
        QCOMPARE(h.clock.started, 1);
        int startedInside = -1;
        h.dialogs.whileOpen = [&] {
            h.clock.Pass();  // the quarter second is over while the box is open
            startedInside = h.clock.started;
        };
        h.window.Form_KeyDown(Qt::Key_S, 1);  // the practice command's box; Cancel
        QCOMPARE(startedInside, 1);           // no step ran inside the box
        QVERIFY(h.clock.due);                 // it comes at once from the event loop
        QCOMPARE(h.clock.waits.back(), std::int64_t{0});
        h.dialogs.whileOpen = nullptr;
        h.PassWaits();
        QCOMPARE(h.clock.waits, (std::vector<std::int64_t>{250, 0, 250, 250}));
        QCOMPARE(h.window.game().CurrentPhase(), Game::Phase::Playing);
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));
        QVERIFY(GameAgrees(h.window));
    }

    // ---------------------------------------------------------------- keyboard play

    void keyboardAloneWinsAWholeGame() {
        Harness h;
        h.Show();
        const std::vector<Move> shuffle = {{1, 2}, {6, 3}, {3, 1}, {4, 3}};
        h.Start(3, shuffle);
        h.window.timGame()->stop();                  // no second passes: the records say 0
        QVERIFY(h.window.clientArea()->hasFocus());  // the net has the keys from the start
        const Board& board = h.window.game().BoardState();
        QTest::keyClick(h.window.clientArea(), Qt::Key_Down);  // shows the mark on the first button
        std::size_t at = 0;
        const std::array<Qt::Key, 3> presses = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
        for (std::size_t i = 0; i < shuffle.size(); ++i) {
            const std::size_t target = *FindButton(board, Reverse(shuffle[shuffle.size() - 1 - i]));
            for (Arrow a : ArrowsBetween(board, at, target)) QTest::keyClick(h.window.clientArea(), KeyOf(a));
            QCOMPARE(h.window.game().MarkedButton(), board.ButtonObjs[target].get());
            at = target;
            QTest::keyClick(h.window.clientArea(), presses[i % presses.size()],
                            presses[i % presses.size()] == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QCOMPARE(h.congratulations.size(), 1u);
        QCOMPARE(h.window.game().CubeState()->CountSolvedFaces(), 6);
        QCOMPARE(h.window.game().ClickCount, 4);
        QCOMPARE(h.window.lblMes(0)->text(), QStringLiteral("現在全色一致している面数は　6　面です"));
        QCOMPARE(h.window.lblMes(2)->text(), QStringLiteral("今までのクリック回数は　4　回です"));
        const Bytes records = ReadFile(h.RecordsFile());
        QVERIFY(QByteArray(reinterpret_cast<const char*>(records.data()), static_cast<qsizetype>(records.size()))
                    .contains("\n3 4 0 4 7 7 last\n"));
        QVERIFY(h.window.clientArea()->FocusMark().isEmpty());  // the won net has no buttons left to mark
    }

    void markIsDrawnOverTheNetFromTheFirstArrowUntilTheNextMousePress() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        ClientArea* area = h.window.clientArea();
        const QImage net = h.window.surface().Image().convertToFormat(QImage::Format_RGB32);
        for (int i = 0; i < 3; ++i) h.window.lblMes(i)->hide();  // what the area shows of its own, without the labels
        auto shown = [&] {
            area->repaint();
            return area->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(shown(), net);  // the net exactly as drawn, pixel for pixel

        QTest::keyClick(area, Qt::Key_Up);
        QTest::keyClick(area, Qt::Key_Down);  // onto button (1, 2)
        const Ishape& button = h.Button(1, 2);
        const std::int32_t side = h.window.game().BoardState().HalfBlock;
        const QRect square = h.window.surface().DeviceBox(button.ButtonLeft(), button.ButtonTop(),
                                                          button.ButtonLeft() + side, button.ButtonTop() + side);
        QCOMPARE(area->FocusMark(), square);
        const QImage marked = shown();
        int ring = 0;
        for (int y = 0; y < net.height(); ++y)
            for (int x = 0; x < net.width(); ++x) {
                const auto want = MarkPixel(square, {x, y});
                ring += want ? 1 : 0;
                QCOMPARE(marked.pixelColor(x, y), want.value_or(net.pixelColor(x, y)));
            }
        QVERIFY(ring > 4 * square.width());
        QCOMPARE(h.window.surface().Image().convertToFormat(QImage::Format_RGB32), net);  // never drawn into the net

        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 5));  // beside every button
        QCOMPARE(shown(), net);
        QTest::keyClick(area, Qt::Key_Left);
        QCOMPARE(area->FocusMark(), square);  // back where it was, not moved
    }

    void markStandsOutFromEveryColourOfTheNet() {
        std::vector<QColor> colours = {QColor(224, 224, 224)};
        for (std::int32_t bgr : {0x404040, 0xFFFFFF, 0xC0C0C0, 0x000000, 0x808080})
            colours.push_back(QtSurface::ToQColor(bgr));
        for (int f = 1; f <= 6; ++f) colours.push_back(QtSurface::ToQColor(kFaceColors[static_cast<std::size_t>(f)]));
        for (const QColor& c : colours)
            QVERIFY2(std::max(Contrast(kFocusMarkInner, c), Contrast(kFocusMarkOuter, c)) >= 4.5, qPrintable(c.name()));
        // Where the outlines meet the button and the grey ground.
        QVERIFY(Contrast(kFocusMarkInner, QtSurface::ToQColor(0x404040)) >= 4.5);
        QVERIFY(Contrast(kFocusMarkOuter, QColor(224, 224, 224)) >= 4.5);
        QVERIFY(Contrast(kFocusMarkInner, kFocusMarkOuter) >= 4.5);
    }

    void markOnTheRealWindowLiesOnWholeDevicePixels() {
        // Run again by the suite at the scale factors 1.25 and 1.75.
        Harness h;
        h.Show();
        h.Start(4, kThreeMoves);
        ClientArea* area = h.window.clientArea();
        QTest::keyClick(area, Qt::Key_Right);
        QTest::keyClick(area, Qt::Key_Right);
        const QRect square = area->FocusMark();
        QVERIFY(!square.isEmpty());
        area->repaint();
        const QImage shot = area->grab().toImage();
        const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                : 1.0;
        QCOMPARE(shot.devicePixelRatio(), scale);
        QCOMPARE(h.window.surface().DevicePixelRatio(), scale);
        const QRect bounds = FocusMarkBounds(square);
        for (int y = bounds.top(); y <= bounds.bottom(); ++y)
            for (int x = bounds.left(); x <= bounds.right(); ++x)
                if (const auto want = MarkPixel(square, {x, y}))
                    QVERIFY2(shot.pixelColor(x, y) == *want, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void keysReachTheOptionsPanelAndNotTheNetWhileItIsOpen() {
        Harness h;
        h.Show();
        h.Start(3, kThreeMoves);
        h.window.mnuOption_Click();
        const Cube before = *h.window.game().CubeState();
        OptionsPanel* panel = h.window.sstOption();
        for (QWidget* control : std::vector<QWidget*>{panel->cmbOption(0), panel->chkOption(0), panel->chkOption(1)}) {
            control->setFocus();
            QTRY_VERIFY(control->hasFocus());
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Space}) QTest::keyClick(control, key);
        }
        QVERIFY(h.window.clientArea()->FocusMark().isEmpty());
        QVERIFY(SameCells(*h.window.game().CubeState(), before));
        QCOMPARE(h.window.game().ClickCount, 0);
    }

    // ---------------------------------------------------------------- screen readers

    void netIsANamedGroupOfMoveButtonsThatPressAsTheMouseDoes() {
        Harness h;
        h.Show();
        QAccessibleInterface* net = QAccessible::queryAccessibleInterface(h.window.clientArea());
        QVERIFY(net != nullptr);
        QCOMPARE(net->role(), QAccessible::Grouping);
        QCOMPARE(net->text(QAccessible::Name), QStringLiteral("展開図"));
        QCOMPARE(net->text(QAccessible::Description), QStringLiteral("ゲームはまだ始まっていません"));
        const int controls = net->childCount();  // the labels, pictures, options panel, notification and faces
        bool faceLabel = false;
        for (int i = 0; i < controls; ++i) faceLabel |= net->child(i)->object() == h.window.lblMes(0);
        QVERIFY(faceLabel);

        h.Start(3, kThreeMoves);
        QCOMPARE(net->childCount(), controls + 18);
        QCOMPARE(net->text(QAccessible::Description),
                 QString::fromStdString(FacesText(Replayed(3, kThreeMoves).CountSolvedFaces())));
        const Board& board = h.window.game().BoardState();
        for (int i = 0; i < 18; ++i) {
            QAccessibleInterface* button = net->child(controls + i);
            const Ishape& b = *board.ButtonObjs[static_cast<std::size_t>(i)];
            QCOMPARE(button->role(), QAccessible::Button);
            QCOMPARE(button->text(QAccessible::Name),
                     QString::fromStdString(MoveButtonName({b.BuFaceN(), b.BuLineN()})));
            QCOMPARE(net->indexOfChild(button), controls + i);
            QCOMPARE(button->parent(), net);
            const QPoint middle = h.window.clientArea()->mapToGlobal(
                h.Middle(b.ButtonLeft(), b.ButtonTop(), board.HalfBlock));
            QVERIFY(button->rect().contains(middle));
            QCOMPARE(net->childAt(middle.x(), middle.y()), button);
            QCOMPARE(button->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        }
        QCOMPARE(net->child(controls)->text(QAccessible::Name), QStringLiteral("1行目を左へ"));

        // A press through the action: made from the event loop, exactly as a click.
        QAccessibleInterface* button = net->child(controls + 13);  // (5, 2)
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, kThreeMoves)));
        QTRY_COMPARE(h.window.game().ClickCount, 1);
        std::vector<Move> moves = kThreeMoves;
        moves.push_back({5, 2});
        QVERIFY(SameCells(*h.window.game().CubeState(), Replayed(3, moves)));
        QCOMPARE(h.window.game().History().Entry(h.window.game().History().HistPos), (Move{5, 2}));
        QCOMPARE(net->text(QAccessible::Description), h.window.lblMes(0)->text());

        // The marked button is the one in focus.
        QTest::keyClick(h.window.clientArea(), Qt::Key_Down);
        QCOMPARE(net->focusChild(), net->child(controls));
        QVERIFY(net->child(controls)->state().focused && !button->state().focused);

        // Not while a box is open: the mouse cannot reach the net then either.
        h.dialogs.whileOpen = [&] {
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents();
        };
        h.window.Form_KeyDown(Qt::Key_S, 1);
        h.dialogs.whileOpen = nullptr;
        QCoreApplication::processEvents();
        QCOMPARE(h.window.game().ClickCount, 1);

        // A won net has no buttons left.
        for (int i = static_cast<int>(moves.size()) - 1; i >= 0; --i) {
            const Move m = Reverse(moves[static_cast<std::size_t>(i)]);
            h.Click(NumberOf(m.kind), m.line);
        }
        QCOMPARE(h.congratulations.size(), 1u);
        QCOMPARE(net->childCount(), controls);
        QVERIFY(!button->isValid());
        QCOMPARE(net->text(QAccessible::Description), QStringLiteral("現在全色一致している面数は　6　面です"));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QCOMPARE(h.window.game().CubeState()->CountSolvedFaces(), 6);
    }

    void thousandsOfStartsDuringShownShufflesKeepTheStackFlat() {
        Harness h(Record(3, 40));
        h.Show();
        h.window.sstOption()->chkOption(0)->setChecked(true);
        for (int i = 0; i < 5000; ++i) {
            h.window.mnuStart()->trigger();  // inside the shuffle of the game before
            QVERIFY(h.clock.due);
            h.clock.Pass();  // one step of it
            QCOMPARE(h.window.game().CurrentPhase(), Game::Phase::Shuffling);
        }
        // Every wait was asked for from the same depth of the stack, give or
        // take the few frames between the menu and the timer: no Start ran
        // inside another game.
        const auto [low, high] = std::minmax_element(h.clock.frames.begin(), h.clock.frames.end());
        QVERIFY(static_cast<const char*>(*high) - static_cast<const char*>(*low) < 16 * 1024);
        h.PassWaits();
        QCOMPARE(h.window.game().CurrentPhase(), Game::Phase::Playing);
        QVERIFY(GameAgrees(h.window));
        QVERIFY(h.window.timGame()->isActive());
        QCOMPARE(h.clock.started, 5000 * 2 + 38);
    }

    // Last: the whole start-up sets program-wide things (the font, the
    // current folder) that the tests above do not expect.
    void startUpUnloadsTheSplashOnceTheWindowIsUp() {
        int splashes = -1;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* window = qobject_cast<frmCube*>(top);
                if (window == nullptr || !window->isVisible()) continue;
                splashes = 0;
                for (QWidget* other : QApplication::topLevelWidgets())
                    splashes += qobject_cast<frmSplash*>(other) != nullptr;
                window->close();
            }
        });
        poll.start(50);
        QCOMPARE(Main(*qobject_cast<QApplication*>(QCoreApplication::instance())), 0);
        QCOMPARE(splashes, 0);  // destroyed, not only hidden
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiTest)
#include "ui_test.moc"
