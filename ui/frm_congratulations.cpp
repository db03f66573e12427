#include "ui/frm_congratulations.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "resources/resource_paths.h"
#include "ui/caption_fit.h"
#include "ui/game_language.h"
#include "ui/japanese_font.h"
#include "ui/readable_text.h"

namespace tessaro {

namespace {

const QColor kCongratulationsHalo(40, 40, 80);  // deep blue-grey, like the shadow of the bands

}  // namespace

frmCongratulations::frmCongratulations(QWidget* parent, TwipsScale scale, double left, std::int32_t top,
                                       QPoint screenOrigin, std::function<void()> bobjClear)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      scale_(scale),
      bobjClear_(std::move(bobjClear)),
      rainbow_(QString::fromLatin1(kRainbowPath)) {
    setWindowTitle(QStringLiteral("Congratulations"));
    setModal(true);
    setFixedSize(scale_.ToPixels(kWidth), scale_.ToPixels(kHeight));

    auto* label1 = new HaloLabel(Tr("frmCongratulations", "おめでとう"), this);
    label1_ = label1;
    label1_->setFont(JapaneseGothic(36));
    // White on the soft rainbow, readable through a dark halo; no background.
    QPalette palette = label1_->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label1_->setPalette(palette);
    label1->SetHalo(kCongratulationsHalo);
    label1_->setFocusPolicy(Qt::NoFocus);
    // The text stands in its place; the halo reaches past it, into a margin
    // around that place, so that none of it is cut off.
    const int halo = label1->HaloMargin();
    label1_->setMargin(halo);
    const QRect text(scale_.ToPixels(120), scale_.ToPixels(120), scale_.ToPixels(3150), scale_.ToPixels(720));
    label1_->setGeometry(text.marginsAdded(QMargins(halo, halo, halo, halo)));

    cmdOK_ = new QPushButton(Tr("frmCongratulations", "ＯＫ"), this);
    cmdOK_->setGeometry(scale_.ToPixels(1320), scale_.ToPixels(960), scale_.ToPixels(735), scale_.ToPixels(495));
    cmdOK_->setDefault(true);  // Enter, like a click, on the one button
    connect(cmdOK_, &QPushButton::clicked, this, &frmCongratulations::cmdOK_Click);
    cmdOK_->setFocus();

    // A larger font than the window was made for: the window grows with
    // its controls.
    const FittedBoxes fitted = FitToCaptions({{label1_, label1_->geometry()}, {cmdOK_, cmdOK_->geometry()}});
    label1_->setGeometry(fitted.boxes[0]);
    cmdOK_->setGeometry(fitted.boxes[1]);
    setFixedSize(size() + fitted.growth);

    Form_Load(left, top, screenOrigin);
}

void frmCongratulations::Form_Load(double left, std::int32_t top, QPoint screenOrigin) {
    move(screenOrigin + QPoint(scale_.ToPixels(left), scale_.ToPixels(top)));
}

void frmCongratulations::cmdOK_Click() {
    if (bobjClear_) bobjClear_();
    closing_ = true;
    accept();
}

void frmCongratulations::reject() {}

void frmCongratulations::closeEvent(QCloseEvent* event) {
    // Only the button ends the game; a window manager's close is refused.
    if (!closing_) event->ignore();
}

void frmCongratulations::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(192, 255, 255));
    painter.drawPixmap(0, 0, rainbow_);  // at its own size, from the top-left corner
}

}  // namespace tessaro
