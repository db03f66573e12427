#include "ui/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>

namespace tessaro {

namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's end for the handler; -1 while no QuitSignals lives.
volatile std::sig_atomic_t handlerWriteEnd = -1;

void OnQuitSignal(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe (hundreds of signals not yet read) drops the byte: one is enough.
    [[maybe_unused]] const ssize_t written = ::write(handlerWriteEnd, &byte, 1);
    errno = saved;
}

}  // namespace

void EndTheGame() {
    // First every event loop is told to end: a modal box's own loop returns
    // to whoever opened the box, and the main loop ends as soon as it runs
    // again. This alone would do, also with the congratulations window,
    // which refuses to be closed.
    QCoreApplication::exit(0);
    // Then the windows close as Quit closes the main window, so that it
    // stops a shuffle or a demonstration where it is. A window may delete
    // itself when closed, or its owner with it.
    QList<QPointer<QWidget>> windows;
    if (QWidget* modal = QApplication::activeModalWidget()) windows.append(modal);
    for (QWidget* window : QApplication::topLevelWidgets()) windows.append(window);
    for (const QPointer<QWidget>& window : windows)
        if (window && window->isVisible()) window->close();
}

QuitSignals::QuitSignals(std::function<void(int)> quit) : quit_(std::move(quit)) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    handlerWriteEnd = writeEnd_;
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { Read(); });

    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // a read or write that a signal interrupts goes on
    for (int i = 0; i < 3; ++i) ::sigaction(kQuitSignals[i], &action, &previous_[i]);
}

QuitSignals::~QuitSignals() {
    if (readEnd_ < 0) return;
    for (int i = 0; i < 3; ++i) ::sigaction(kQuitSignals[i], &previous_[i], nullptr);
    handlerWriteEnd = -1;
    notifier_.reset();
    ::close(readEnd_);
    ::close(writeEnd_);
}

void QuitSignals::Read() {
    // Several signals may have come since the last look; one end is enough.
    unsigned char bytes[64];
    int last = 0;
    for (ssize_t got; (got = ::read(readEnd_, bytes, sizeof bytes)) > 0 || (got < 0 && errno == EINTR);)
        if (got > 0) last = bytes[got - 1];
    if (last != 0) quit_(last);
}

}  // namespace tessaro
