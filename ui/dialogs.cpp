#include "ui/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include "ui/frm_about.h"
#include "ui/frm_congratulations.h"
#include "ui/frm_records.h"
#include "ui/version_text.h"

namespace tessaro {

void WindowDialogs::ShowMessage(QWidget* owner, const QString& text) { QMessageBox::warning(owner, AppTitle(), text); }

QString WindowDialogs::InputBox(QWidget* owner, const QString& title, const QString& prompt) {
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return QInputDialog::getText(owner, title, shown);
}

void WindowDialogs::ShowCongratulations(QWidget* owner, TwipsScale scale, double left, std::int32_t top,
                                        std::function<void()> ok) {
    const QScreen* screen = owner != nullptr ? owner->screen() : nullptr;
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    frmCongratulations window(owner, scale, left, top, origin, std::move(ok));
    window.exec();
}

void WindowDialogs::ShowAbout(Registry& registry, TwipsScale scale) {
    frmAbout about(registry, scale);
    about.exec();
}

void WindowDialogs::ShowRecords(QWidget* owner, const RecordsTable& table, const QString& status) {
    frmRecords window(table, status, owner);
    window.exec();
}

}  // namespace tessaro
