#include "ui/window_ground.h"

#include <xcb/xcb.h>

#include <QColor>
#include <QGuiApplication>
#include <QWidget>

namespace tessaro {

void SetWindowGround(QWidget& window, const QColor& color) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    // The alpha byte matters only to a window with an alpha channel; others
    // use the low 24 bits.
    const std::uint32_t pixel = 0xFF000000U | (color.rgb() & 0xFFFFFFU);
    xcb_change_window_attributes(x11->connection(), static_cast<xcb_window_t>(window.winId()), XCB_CW_BACK_PIXEL,
                                 &pixel);
    xcb_clear_area(x11->connection(), 0, static_cast<xcb_window_t>(window.winId()), 0, 0, 0, 0);
    xcb_flush(x11->connection());
}

}  // namespace tessaro
