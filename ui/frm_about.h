#pragma once
// The about window: title, version, rights holder and description of the
// game, and a button that starts the system's system-information tool.

#include <QColor>
#include <QDialog>
#include <array>

#include "board/twips.h"
#include "ui/registry.h"
#include "ui/sys_info.h"

class QLabel;
class QPushButton;

namespace tessaro {

// A line drawn on the window's surface between two points in twips.
struct LineControl {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    QColor color;
    int borderWidth = 1;  // pixels
};

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Shown modally by the main window; the registry is where the system-
    // information tool is looked up.
    frmAbout(Registry& registry, TwipsScale scale, QWidget* parent = nullptr);

    // Replaces what the system-information button does to the world.
    void SetSysInfoActions(SysInfoActions actions) { actions_ = std::move(actions); }

    void setVisible(bool visible) override;

    // The controls, by the names the game's code uses for them. picIcon(1) is
    // the program icon, picIcon(0) the beckoning cat; Line1(1) and Line1(0)
    // are the upper and lower halves of the etched separator.
    std::array<QLabel*, 2> picIcon{};
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblLegalCopyright = nullptr;
    QLabel* lblDescription = nullptr;
    std::array<LineControl, 2> Line1{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    void Place(QWidget* control, int left, int top, int width, int height);
    void FitToFont();

    Registry& registry_;
    TwipsScale scale_;
    SysInfoActions actions_;
    QPoint separatorShift_;  // pixels: how much farther the separator reaches right, and how far down it moved
};

}  // namespace tessaro
