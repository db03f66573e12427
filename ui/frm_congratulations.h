#pragma once
// The small window that ends a won game: "おめでとう" over a rainbow and one
// button. It has no frame and cannot be closed other than by that button.

#include <QDialog>
#include <QPixmap>
#include <functional>

#include "board/twips.h"

class QLabel;
class QPushButton;

namespace tessaro {

class frmCongratulations : public QDialog {
    Q_OBJECT
public:
    // `left` and `top` are twips from the top-left corner of the screen
    // whose geometry starts at `screenOrigin` (pixels). `bobjClear` empties
    // the main window's move buttons.
    frmCongratulations(QWidget* parent, TwipsScale scale, double left, std::int32_t top, QPoint screenOrigin,
                       std::function<void()> bobjClear);

    void cmdOK_Click();

    QLabel* Label1() const { return label1_; }
    QPushButton* cmdOK() const { return cmdOK_; }

    static constexpr int kWidth = 3375;  // twips
    static constexpr int kHeight = 1575;

public slots:
    void reject() override;  // Esc does not close it

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load(double left, std::int32_t top, QPoint screenOrigin);

    TwipsScale scale_;
    std::function<void()> bobjClear_;
    QPixmap rainbow_;
    QLabel* label1_;
    QPushButton* cmdOK_;
    bool closing_ = false;
};

}  // namespace tessaro
