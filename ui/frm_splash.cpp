#include "ui/frm_splash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <vector>

#include "resources/resource_paths.h"
#include "ui/caption_fit.h"
#include "ui/game_language.h"
#include "ui/japanese_font.h"
#include "ui/version_text.h"
#include "ui/wayland_placement.h"

namespace tessaro {

frmSplash::frmSplash(TwipsScale scale)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), scale_(scale) {
    body_ = new QWidget(this);
    body_->setFixedSize(scale_.ToPixels(kWidth), scale_.ToPixels(kHeight));
    if (OnWayland()) setAttribute(Qt::WA_TranslucentBackground);
    else setFixedSize(body_->size());
    setAttribute(Qt::WA_DeleteOnClose, false);

    frame1_ = new QFrame(body_);
    frame1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1_->setGeometry(scale_.ToPixels(150), scale_.ToPixels(60), scale_.ToPixels(7080), scale_.ToPixels(4050));

    imgLogo_ = MakeLabel(240, 960, 2175, 2025);
    imgLogo_->setPixmap(QPixmap(QString::fromLatin1(kLogoPath)));
    imgLogo_->setScaledContents(true);

    lblProductName_ = MakeLabel(2520, 1140, 2430, 765);
    lblProductName_->setFont(JapaneseGothic(32.25, true));

    lblVersion_ = MakeLabel(5970, 2520, 885, 285);
    lblVersion_->setFont(JapaneseGothic(12, true));
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    lblCopyright_ = MakeLabel(4560, 3120, 2415, 255);

    Form_Load();
    FitToFont();

    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

QLabel* frmSplash::MakeLabel(int left, int top, int width, int height) {
    auto* label = new QLabel(frame1_);
    label->setGeometry(scale_.ToPixels(left), scale_.ToPixels(top), scale_.ToPixels(width), scale_.ToPixels(height));
    return label;
}

void frmSplash::Form_Load() {
    // Sized to their texts; the version keeps its right edge as it grows.
    const int versionRight = lblVersion_->geometry().right();
    lblVersion_->setText(VersionText());
    lblVersion_->adjustSize();
    lblVersion_->move(versionRight - lblVersion_->width() + 1, lblVersion_->y());

    lblProductName_->setText(AppTitle());
    lblProductName_->adjustSize();

    //: The author's line; %1 is the author.
    lblCopyright_->setText(Tr("frmSplash", "作　者　%1").arg(QString::fromUtf8(app::kRightsHolder)));
}

void frmSplash::FitToFont() {
    // The frame and the window grow with the captions.
    const std::vector<QWidget*> controls = {imgLogo_, lblProductName_, lblVersion_, lblCopyright_};
    std::vector<PlacedBox> placed;
    for (QWidget* control : controls) placed.push_back({control, control->geometry()});
    const FittedBoxes fitted = FitToCaptions(placed);
    for (std::size_t i = 0; i < controls.size(); ++i) controls[i]->setGeometry(fitted.boxes[i]);
    frame1_->resize(frame1_->size() + fitted.growth);
    body_->setFixedSize(body_->size() + fitted.growth);
    if (!OnWayland()) setFixedSize(body_->size());
}

void frmSplash::setVisible(bool visible) {
    if (visible && OnWayland()) setWindowState(windowState() | Qt::WindowMaximized);
    QWidget::setVisible(visible);
}

void frmSplash::resizeEvent(QResizeEvent*) {
    body_->move((width() - body_->width()) / 2, (height() - body_->height()) / 2);
    // Presses on the clear rest of the screen go to what lies beneath.
    if (size() != body_->size()) setMask(body_->geometry());
}

void frmSplash::paintEvent(QPaintEvent*) {
    // A fixed dialog border without a title bar.
    QPainter painter(this);
    if (testAttribute(Qt::WA_TranslucentBackground)) painter.fillRect(body_->geometry(), palette().window());
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = body_->geometry();
    frame.lineWidth = 2;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
}

}  // namespace tessaro
