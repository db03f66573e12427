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
#include "ui/frm_records.h"
#include "ui/plain_message.h"
#include "ui/version_text.h"
#include "ui/wayland_placement.h"

namespace tessaro {

namespace {

// Wide enough that a window manager shows the whole title: the title in a
// bold face (as title bars mostly are) and room for the bar's icon and
// buttons, which grow with the font.
int InputBoxWidth(const QString& title, QFont font) {
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 10 * metrics.height();
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
    box.resize(std::max(box.sizeHint().width(), InputBoxWidth(title, box.font())), box.sizeHint().height());
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

}  // namespace tessaro
