#pragma once
// Without a display the game cannot start. Qt then says so in several
// lines meant for its own developers and aborts, leaving a core dump; the
// player gets one line instead, naming the display that could not be
// opened, and exit status 1.

#include <QString>
#include <QStringList>
#include <functional>

namespace tessaro {

// The line for the player, from what Qt said while it tried (the last of
// `qtMessages` being its fatal one): every display Qt tried, as the
// environment names it (DISPLAY for X, WAYLAND_DISPLAY for Wayland, else the
// platform's own name).
QString NoDisplayText(const QString& program, const QStringList& qtMessages,
                      const std::function<const char*(const char*)>& environment);

// Holds Qt's messages while the QApplication connects to the display. Should
// Qt give up, its messages are dropped, the line above goes to stderr and the
// program ends at once with status 1 (the application is only half made, so
// nothing is left to tidy). Once the application is made, the held messages
// go on to where they would have gone. Only one may live at a time.
class DisplayWatch {
public:
    explicit DisplayWatch(QString program);
    ~DisplayWatch();
    DisplayWatch(const DisplayWatch&) = delete;
    DisplayWatch& operator=(const DisplayWatch&) = delete;

    // The display is open: Qt's messages go their usual way again.
    void Opened();

private:
    bool watching_ = true;
};

}  // namespace tessaro
