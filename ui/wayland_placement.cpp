#include "ui/wayland_placement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QVBoxLayout>

#include <memory>

namespace tessaro {

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

int ExecInside(QDialog& dialog, QMainWindow& window, QPoint at, bool framed) {
    std::unique_ptr<QFrame> frame;
    QWidget* placed = &dialog;
    if (framed) {
        // What a window manager would draw: a raised border and the title.
        frame = std::make_unique<QFrame>(&window);
        frame->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        frame->setAutoFillBackground(true);
        auto* layout = new QVBoxLayout(frame.get());
        layout->setContentsMargins(0, 0, 0, 0);  // inside the frame's own border
        layout->setSpacing(0);
        auto* title = new QLabel(dialog.windowTitle(), frame.get());
        title->setAutoFillBackground(true);
        title->setBackgroundRole(QPalette::Highlight);
        title->setForegroundRole(QPalette::HighlightedText);
        const int margin = window.style()->pixelMetric(QStyle::PM_LayoutTopMargin);
        title->setContentsMargins(margin, margin / 2, margin, margin / 2);
        layout->addWidget(title);
        dialog.setParent(frame.get(), Qt::Widget);
        layout->addWidget(&dialog);
        placed = frame.get();
    } else {
        dialog.setParent(&window, Qt::Widget);
    }
    placed->adjustSize();
    // The window's own corner lies inside its frame (the title bar drawn by
    // Qt itself on Wayland).
    placed->move(window.frameGeometry().topLeft() - window.geometry().topLeft() + at);

    QWidget* blocked[] = {window.menuBar(), window.centralWidget()};
    for (QWidget* part : blocked) part->setEnabled(false);
    placed->raise();
    placed->show();
    // The control the dialog chose for the keyboard (its OK button).
    if (QWidget* chosen = dialog.focusWidget()) chosen->setFocus();
    else dialog.setFocus();
    const int result = dialog.exec();
    for (QWidget* part : blocked) part->setEnabled(true);
    dialog.setParent(nullptr);  // the caller owns it; the frame goes now
    return result;
}

}  // namespace tessaro
