#pragma once
// The "How to play" window that F1 opens: the goal, what the buttons do,
// the keys, the records and game numbers. One text, which a screen reader
// reads as it stands and which scrolls when the player's font makes it
// taller than the screen; Esc or its button closes it.

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace tessaro {

class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    // The controls, for the tests.
    QTextBrowser* txtHelp = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace tessaro
