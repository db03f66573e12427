// The client area's pixels as they reach the screen, offscreen: the width of
// the drawn lines in device pixels at every ratio, and what a moved focus
// mark leaves behind in the window's backing store (what was painted, not a
// fresh rendering). Run again by the suite at the scale factors 1.25 and 1.75.

#include <QBackingStore>
#include <QtTest>

#include "board/bevel.h"
#include "board/board.h"
#include "model/cube.h"
#include "ui/client_area.h"
#include "ui/focus_mark.h"
#include "ui/qt_surface.h"

namespace tessaro {

namespace {

const QColor kGround(224, 224, 224);

// From a point inside a box's fill, a step at a time in (dx, dy): past the
// fill, then the number of pixels of `line` that follow.
int RunAfterFill(const QImage& image, QPoint from, QPoint step, QRgb line) {
    const QRgb fill = image.pixel(from);
    QPoint p = from;
    while (image.valid(p) && image.pixel(p) == fill) p += step;
    int run = 0;
    for (; image.valid(p) && image.pixel(p) == line; p += step) ++run;
    return run;
}

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class UiClientAreaTest : public QObject {
    Q_OBJECT
private slots:
    void linesAreTheWholeDevicePixelsNearestToOnePixel() {
        // A line one pixel wide is as many whole device pixels as a pixel is
        // wide, to the nearest (a half upwards), and never none: so it keeps
        // its weight beside the blocks and stays crisp.
        const QRgb silver = QtSurface::ToArgb(0xC0C0C0);
        const std::vector<std::pair<qreal, int>> table = {{1.0, 1}, {1.25, 1}, {1.4, 1}, {1.5, 2}, {1.75, 2},
                                                          {2.0, 2}, {2.25, 2}, {2.5, 3}, {3.0, 3}, {4.0, 4}};
        for (const auto& [dpr, device] : table) {
            QtSurface surface(TwipsScale{15}, kGround);
            surface.Resize(QSize(300, 200), dpr);
            // Blocks at many places, so that their edges fall on, between and
            // half-way between device pixels.
            for (int i = 0; i < 8; ++i) {
                const std::int32_t left = 60 + i * 500, top = 45 + i * 293 % 1500;
                DrawBevelSquare(surface, 393, left, top, 0x00FF00);
                const QPoint middle(surface.Scale().ToDevicePixels(left + 196, dpr),
                                    surface.Scale().ToDevicePixels(top + 196, dpr));
                const QString where = QStringLiteral("ratio %1, block at %2,%3").arg(dpr).arg(left).arg(top);
                QVERIFY2(RunAfterFill(surface.Image(), middle, {0, -1}, silver) == device, qPrintable(where));
                QVERIFY2(RunAfterFill(surface.Image(), middle, {-1, 0}, silver) == device, qPrintable(where));
            }
            // Wider lines are whole multiples of it.
            surface.SetDrawWidth(3);
            surface.Line(15, 2400, 1500, 2400, 0x000000);
            const int y = surface.Scale().ToDevicePixels(2400, dpr);
            int rows = 0;
            for (int r = y; r < surface.Image().height() && surface.Image().pixel(20, r) == qRgb(0, 0, 0); ++r) ++rows;
            QCOMPARE(rows, 3 * device);
        }
    }

    void movingTheMarkRepaintsItsOldPlaceAndOnlyShowsTheNewOne() {
        // A 3 x 3 net in a client area of its own window, at the screen's ratio.
        QtSurface surface(TwipsScale{15}, kGround);
        ClientArea area(nullptr, surface, kGround);
        area.resize(445, 392);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const qreal dpr = area.devicePixelRatioF();
        surface.Resize(area.size(), dpr);
        Cube cube(3);
        Board board;
        BlockSizeCalc(board, 3, 6675, 5880);
        board.ResetBlocks(3);
        BlockDrawAll(board, cube, surface, 6675);
        ButtonMakeAll(board, 3, surface);
        const QImage net = surface.Image().convertToFormat(QImage::Format_RGB32);
        auto square = [&](std::size_t i) {
            const Ishape& b = *board.ButtonObjs.at(i);
            return surface.DeviceBox(b.ButtonLeft(), b.ButtonTop(), b.ButtonLeft() + board.HalfBlock,
                                     b.ButtonTop() + board.HalfBlock);
        };
        PaintCounter counter;
        area.installEventFilter(&counter);
        area.repaint();

        // Marked, moved to a button far away, back, then taken away: each
        // time the window shows the net with the mark at its new place only.
        const QRect first = square(0), far = square(board.ButtonObjs.size() - 1);
        QVERIFY(!FocusMarkBounds(first).intersects(FocusMarkBounds(far)));
        for (const QRect& mark : {first, far, first, QRect()}) {
            const int paints = counter.paints;
            area.SetFocusMark(mark);
            QTRY_VERIFY(counter.paints > paints);
            QCoreApplication::processEvents();
            QPaintDevice* device = area.backingStore()->paintDevice();
            QCOMPARE(device->devType(), int(QInternal::Image));
            const QImage shown = static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
            const int t = mark.isEmpty() ? 0 : (FocusMarkBounds(mark).width() - mark.width()) / 4;
            const int width = std::min(shown.width(), net.width()), height = std::min(shown.height(), net.height());
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    QColor want = net.pixelColor(x, y);
                    if (FocusMarkBounds(mark).contains(x, y) && !mark.contains(x, y))
                        want = mark.adjusted(-t, -t, t, t).contains(x, y) ? kFocusMarkInner : kFocusMarkOuter;
                    if (shown.pixelColor(x, y) != want)
                        QFAIL(qPrintable(QStringLiteral("mark at %1,%2 %3x%4: device pixel %5,%6 is %7, not %8")
                                             .arg(mark.x())
                                             .arg(mark.y())
                                             .arg(mark.width())
                                             .arg(mark.height())
                                             .arg(x)
                                             .arg(y)
                                             .arg(shown.pixelColor(x, y).name(), want.name())));
                }
        }
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiClientAreaTest)
#include "ui_client_area_test.moc"
