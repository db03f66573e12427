#pragma once
// The start-up window: the cube picture with the title, version and author.
// It takes no input; start-up shows it and unloads it.

#include <QWidget>

#include "board/twips.h"

class QFrame;
class QLabel;

namespace tessaro {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(TwipsScale scale);

    QFrame* Frame1() const { return frame1_; }
    QLabel* imgLogo() const { return imgLogo_; }
    QLabel* lblProductName() const { return lblProductName_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblCopyright() const { return lblCopyright_; }

    static constexpr int kWidth = 7380;  // twips
    static constexpr int kHeight = 4245;

    // Centred on the screen. On Wayland, where no window can be placed, the
    // window covers the work area, clear but for the splash in its middle.
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void FitToFont();
    QLabel* MakeLabel(int left, int top, int width, int height);

    TwipsScale scale_;
    QWidget* body_;  // the splash itself: the whole window but on Wayland
    QFrame* frame1_;
    QLabel* imgLogo_;
    QLabel* lblProductName_;
    QLabel* lblVersion_;
    QLabel* lblCopyright_;
};

}  // namespace tessaro
