#include "ui/frm_about.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "resources/resource_paths.h"
#include "ui/app_info.h"
#include "ui/caption_fit.h"
#include "ui/game_language.h"
#include "ui/pictures.h"
#include "ui/readable_text.h"
#include "ui/version_text.h"

namespace tessaro {

namespace {

// The window in twips: client size and its place on the screen.
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3555;
constexpr int kLeft = 2340;
constexpr int kTop = 1935;

// A label only one line tall: text too long for it ends in an ellipsis
// rather than wrapping into a second line that the box would cut in half.
// The ellipsis goes before any control stacked over the label's right end,
// so that it is seen.
class OneLineLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QRect box = contentsRect();
        const QObjectList& siblings = parentWidget()->children();  // bottom to top
        for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings[i]);
            if (above == nullptr || !above->isVisible() || !above->geometry().intersects(geometry())) continue;
            const int left = above->x() - x();
            if (left > box.left()) box.setRight(std::min(box.right(), left - 1));
        }
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box, int(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, box.width()));
    }
};

enum class TextLines { One, Many };

QLabel* MakeLabel(QWidget* parent, TextLines lines, bool blackText) {
    QLabel* label = lines == TextLines::One ? new OneLineLabel(parent) : new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Longer texts wrap inside the label's own box instead of running over
    // their neighbours.
    label->setWordWrap(lines == TextLines::Many);
    if (blackText) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        // Black text stays black; under a dark colour scheme it gets a white
        // ground of its own rather than vanish into the window's.
        if (ContrastRatio(Qt::black, palette.color(QPalette::Window)) < kReadableContrast) {
            palette.setColor(QPalette::Window, Qt::white);
            label->setAutoFillBackground(true);
        }
        label->setPalette(palette);
    }
    return label;
}

QLabel* MakePicture(QWidget* parent, const char* resource) {
    auto* picture = new PixelArtLabel(parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A picture that is not there (yet) leaves the box empty.
    picture->setPixmap(QPixmap(QString::fromUtf8(resource)));
    return picture;
}

}  // namespace

frmAbout::frmAbout(Registry& registry, TwipsScale scale, QWidget* parent)
    : QDialog(parent), registry_(registry), scale_(scale), actions_(DefaultSysInfoActions(this)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(scale_.ToPixels(kClientWidth), scale_.ToPixels(kClientHeight));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    move(origin + QPoint(scale_.ToPixels(kLeft), scale_.ToPixels(kTop)));

    // The controls are made in tab order, which is the order Qt chains them
    // in for the focus. Only the buttons take the focus.
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    Place(cmdOK, 4245, 2625, 1380, 345);
    cmdOK->setDefault(true);
    picIcon[0] = MakePicture(this, kCatIconPath);
    picIcon[0]->setAccessibleName(Tr("frmAbout", "招き猫の絵"));
    // The cat sits in a sunken 2-pixel frame around its 32 x 32 picture.
    picIcon[0]->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Place(picIcon[0], 4920, 600, 540, 540);
    cmdSysInfo = new QPushButton(Tr("frmAbout", "ｼｽﾃﾑ情報(&S)..."), this);
    Place(cmdSysInfo, 4260, 3075, 1380, 345);
    lblTitle = MakeLabel(this, TextLines::Many, true);
    Place(lblTitle, 1200, 240, 3885, 360);
    lblVersion = MakeLabel(this, TextLines::One, false);
    Place(lblVersion, 1320, 720, 1725, 225);
    lblLegalCopyright = MakeLabel(this, TextLines::One, false);
    Place(lblLegalCopyright, 3240, 720, 1815, 255);
    lblDescription = MakeLabel(this, TextLines::Many, true);
    Place(lblDescription, 1200, 1200, 3885, 1170);
    picIcon[1] = MakePicture(this, kProgramIconPath);
    //: %1 is the program's name.
    picIcon[1]->setAccessibleName(Tr("frmAbout", "%1のアイコン").arg(AppTitle()));
    Place(picIcon[1], 240, 240, 480, 480);
    // Pictures lie over labels where the two meet (the rights holder's label
    // runs under the cat).
    picIcon[0]->raise();
    cmdOK->setFocus();

    Line1[1] = {90, 2445, 5654, 2445, QColor(128, 128, 128), 1};
    Line1[0] = {105, 2460, 5654, 2460, QColor(Qt::white), 2};

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
    FitToFont();
}

void frmAbout::Form_Load() {
    //: The about window's title; %1 is the program's name.
    setWindowTitle(Tr("frmAbout", "%1のﾊﾞｰｼﾞｮﾝ情報").arg(AppTitle()));
    lblTitle->setText(AppTitle());
    lblVersion->setText(VersionText());
    //: %1 is who holds the rights.
    lblLegalCopyright->setText(Tr("frmAbout", "著作権 %1").arg(QString::fromUtf8(app::kRightsHolder)));
    // The box is narrow; the whole name is always there on hovering.
    lblLegalCopyright->setToolTip(lblLegalCopyright->text());
    lblDescription->setText(Tr("app_info", app::kDescription));
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(registry_, actions_); }

void frmAbout::Place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(scale_.ToPixels(left), scale_.ToPixels(top), scale_.ToPixels(width), scale_.ToPixels(height));
}

void frmAbout::FitToFont() {
    // The rights holder's label runs on under the cat, where its text is
    // hidden: only its part before the cat counts, less a blank, and the cat
    // moves on as that part grows.
    const std::vector<QWidget*> controls = {picIcon[1],        picIcon[0],     lblTitle, lblVersion,
                                            lblLegalCopyright, lblDescription, cmdOK,    cmdSysInfo};
    std::vector<PlacedBox> placed;
    for (QWidget* control : controls) placed.push_back({control, control->geometry()});
    const int shownRight = picIcon[0]->x() - 1 - lblLegalCopyright->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    const int underCat = lblLegalCopyright->geometry().right() - shownRight;
    placed[4].box.setRight(shownRight);  // lblLegalCopyright
    // The separator moves down with what lies above it, and reaches as far
    // right as the window does.
    const int separator = scale_.ToPixels(Line1[1].y1);
    placed.push_back({nullptr, QRect(scale_.ToPixels(Line1[1].x1), separator, 1,
                                     scale_.ToPixels(Line1[0].y1) + Line1[0].borderWidth - separator)});

    const FittedBoxes fitted = FitToCaptions(placed);
    for (std::size_t i = 0; i < controls.size(); ++i) controls[i]->setGeometry(fitted.boxes[i]);
    lblLegalCopyright->resize(lblLegalCopyright->width() + underCat, lblLegalCopyright->height());
    separatorShift_ = QPoint(fitted.growth.width(), fitted.boxes.back().top() - separator);
    setFixedSize(size() + fitted.growth);
}

void frmAbout::setVisible(bool visible) {
    // Without an owner the window would get its own task-bar entry and could
    // fall behind the main window; tie it to the window that opens it.
    if (visible && parentWidget() == nullptr && !isVisible()) {
        QWidget* opener = QApplication::activeWindow();
        if (opener != nullptr && opener != this && opener->windowHandle() != nullptr) {
            create();
            if (windowHandle() != nullptr) windowHandle()->setTransientParent(opener->windowHandle());
        }
    }
    QDialog::setVisible(visible);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    // The wide white half first: the grey half goes on top where the white
    // line's width reaches up to it, so both halves of the etching show.
    for (const LineControl& line : {Line1[0], Line1[1]}) {
        painter.setPen(QPen(line.color, line.borderWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(scale_.ToPixels(line.x1), scale_.ToPixels(line.y1) + separatorShift_.y(),
                         scale_.ToPixels(line.x2) + separatorShift_.x(),
                         scale_.ToPixels(line.y2) + separatorShift_.y());
    }
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // Esc presses the cancel button, which here is OK itself.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tessaro
