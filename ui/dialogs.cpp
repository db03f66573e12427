#include "ui/dialogs.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/frm_about.h"
#include "ui/frm_congratulations.h"
#include "ui/frm_help.h"
#include "ui/frm_records.h"
#include "ui/plain_message.h"
#include "ui/version_text.h"
#include "ui/wayland_placement.h"

namespace tessaro {

namespace {

// Wide enough that the title bar shows the whole title. A window manager
// sets titles in a font of its own, which a program cannot ask for (Qt's
// title font is a guess of its own on most desktops); title fonts are
// mostly bold and up to half as large again as the text. Beside
// the title come the window's icon and three buttons, each about a line
// of that font wide; as some title bars centre the title on the whole bar,
// that room counts on both sides.
int TitleBarWidth(const QString& title, const QFont& text) {
    QFont font = text;
    if (text.pointSizeF() > 0) font.setPointSizeF(1.5 * text.pointSizeF());
    else font.setPixelSize(text.pixelSize() * 3 / 2);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 2 * 4 * metrics.height();
}

// Qt draws the title bar itself on Wayland where the compositor does not
// (Qt 6.4's own decoration): the title at 14 pixels in the program's font,
// but placed as if centred at the font's own size, and cut off 35 pixels
// from the bar's left end (its icon) and 77 from its right end (its
// buttons); the bar reaches 3 pixels beyond the window on either side.
int QtTitleBarWidth(const QString& title) {
    const QFont text = QGuiApplication::font();
    QFont drawn = text;
    drawn.setPixelSize(14);
    const int placed = QFontMetrics(text).horizontalAdvance(title);
    const int width = QFontMetrics(drawn).horizontalAdvance(title);
    // The title's left end at (bar - placed) / 2, at least 35 + 2; its
    // right end that plus width, at most bar - 77 - 2.
    const int bar = std::max(placed + 2 * (35 + 2), 2 * width - placed + 2 * (77 + 2));
    return bar - 2 * 3;
}

int InputBoxWidth(const QString& title, const QFont& text, const QScreen* screen) {
    int width = TitleBarWidth(title, text);
    if (OnWayland()) width = std::max(width, QtTitleBarWidth(title));
    return screen != nullptr ? std::min(width, screen->availableGeometry().width()) : width;
}

// The main window a dialog is to stand inside on Wayland, or none.
QMainWindow* WaylandHost(QWidget* owner) { return OnWayland() ? qobject_cast<QMainWindow*>(owner) : nullptr; }

}  // namespace

void WindowDialogs::ShowMessage(QWidget* owner, const QString& text) {
    PlainMessageBox(owner, QMessageBox::Warning, AppTitle(), text)->exec();
}

QString WindowDialogs::InputBox(QWidget* owner, const QString& title, const QString& prompt) {
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QInputDialog box(owner);
    box.setWindowTitle(title);
    box.setLabelText(shown);
    box.resize(std::max(box.sizeHint().width(), InputBoxWidth(title, box.font(), box.screen())),
               box.sizeHint().height());
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void WindowDialogs::ShowCongratulations(QWidget* owner, TwipsScale scale, double left, std::int32_t top,
                                        std::function<void()> ok) {
    QMainWindow* host = WaylandHost(owner);
    const QScreen* screen = owner != nullptr ? owner->screen() : nullptr;
    const QPoint origin = screen && host == nullptr ? screen->geometry().topLeft() : QPoint();
    frmCongratulations window(owner, scale, left, top, origin, std::move(ok));
    if (host != nullptr) ExecInside(window, *host, window.pos(), false);
    else window.exec();
}

void WindowDialogs::ShowAbout(QWidget* owner, Registry& registry, TwipsScale scale) {
    frmAbout about(registry, scale);
    QMainWindow* host = WaylandHost(owner);
    if (host == nullptr) {
        about.exec();
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    ExecInside(about, *host, about.pos() - (screen ? screen->geometry().topLeft() : QPoint()), true);
}

void WindowDialogs::ShowRecords(QWidget* owner, const RecordsTable& table, const QString& status) {
    frmRecords window(table, status, owner);
    window.exec();
}

void WindowDialogs::ShowHelp(QWidget* owner) {
    frmHelp window(owner);
    window.exec();
}

}  // namespace tessaro
