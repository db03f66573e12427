// The redraw path: the whole 10 x 10 net into the backing image of a full-HD
// client area, and a press on a move button through to the repainted window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QMenuBar>
#include <QTemporaryDir>

#include "board/board.h"
#include "model/cube.h"
#include "options/options_store.h"
#include "records/records_store.h"
#include "session/random_source.h"
#include "ui/click_sound.h"
#include "ui/client_area.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/frm_cube.h"
#include "ui/options_panel.h"
#include "ui/qt_surface.h"
#include "ui/registry.h"

namespace {

using namespace tessaro;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void BM_BlockDrawAll(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const TwipsScale scale{15};
    QtSurface surface(scale, QColor(224, 224, 224));
    surface.Resize(QSize(kWidth, kHeight), 1.0);
    Cube cube(n);
    Board board;
    const auto w = static_cast<float>(scale.ToTwips(kWidth));
    BlockSizeCalc(board, n, w, static_cast<float>(scale.ToTwips(kHeight)));
    board.ResetBlocks(n);
    int kind = 1;
    for (auto _ : state) {
        cube.ApplyMove(kind, 1);  // so that every redraw has new colours
        kind = kind % 6 + 1;
        BlockDrawAll(board, cube, surface, w);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(BM_BlockDrawAll)->Arg(3)->Arg(10)->Unit(benchmark::kMicrosecond);

// The real main window over a folder of its own, its client area full HD,
// offscreen, with an options file of `blockN` blocks and `moves` shuffle moves.
struct FullHdWindow {
    QTemporaryDir dir;
    OptionsStore options{dir.path().toStdString()};
    RecordsStore records{dir.path().toStdString()};
    SeededRandom random{1};
    WindowDialogs dialogs;
    ClickSound sound{dir.filePath(QStringLiteral("Click.wav")).toStdString()};
    SystemInfoRegistry registry{std::vector<std::filesystem::path>{}};
    SystemClock clock;
    frmCube window{{options, records, random, dialogs, sound, registry, clock, TwipsScale{15}}};

    FullHdWindow(std::int32_t blockN, std::int32_t moves) {
        options.Record() = {blockN, moves, 0};
        (void)options.Save();
        window.show();
        window.resize(kWidth, kHeight + window.menuBar()->sizeHint().height());
        QApplication::processEvents();
    }
};

// Hit test, move, redraw and repaint of the window, offscreen.
void BM_PressToWindowImage(benchmark::State& state) {
    FullHdWindow w(10, 0);  // a practice game: nothing is recorded
    frmCube& window = w.window;
    window.mnuStart_Click();
    QApplication::processEvents();
    const Ishape& button = *window.game().BoardState().ButtonObjs.front();
    const float x = static_cast<float>(button.ButtonLeft() + 10);
    const float y = static_cast<float>(button.ButtonTop() + 10);
    for (auto _ : state) {
        window.Form_MouseDown(1, 0, x, y);
        window.clientArea()->repaint();  // paints now, as the next frame would
    }
    state.counters["blocks"] = 600;
}
BENCHMARK(BM_PressToWindowImage)->Unit(benchmark::kMicrosecond);

// Esc during a demonstration of the most shuffle moves the practice command
// allows, on a 10 x 10 cube: every move still to come, one redraw, and the
// repainted window. The player sees it end within a frame or two.
void BM_EscEndsDemonstration(benchmark::State& state) {
    FullHdWindow w(10, static_cast<std::int32_t>(state.range(0)));
    frmCube& window = w.window;
    window.sstOption()->chkOption(0)->setChecked(false);  // the shuffle at once
    window.sstOption()->chkOption(1)->setChecked(true);
    for (auto _ : state) {
        state.PauseTiming();
        window.mnuStart_Click();  // the shuffle, then the demonstration's first step and its wait
        QApplication::processEvents();
        state.ResumeTiming();
        window.Form_KeyDown(Qt::Key_Escape, 0);
        window.clientArea()->repaint();
    }
    if (window.game().CurrentPhase() != Game::Phase::Playing) state.SkipWithError("the demonstration did not end");
}
BENCHMARK(BM_EscEndsDemonstration)->Arg(9999)->Unit(benchmark::kMillisecond);

// What a wait of the game's clock costs while the event loop is idle: CPU
// time over wall time.
void BM_IdleWait(benchmark::State& state) {
    SystemClock clock;
    for (auto _ : state) {
        QEventLoop loop;  // the program's own event loop, as it runs between two steps
        clock.StartWait(state.range(0), [&] { loop.quit(); });
        loop.exec();
    }
}
BENCHMARK(BM_IdleWait)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
