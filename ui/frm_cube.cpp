#include "ui/frm_cube.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QtMath>
#include <algorithm>
#include <limits>
#include <vector>

#include "options/options_file.h"
#include "options/options_panel.h"
#include "options/options_store.h"
#include "options/practice_moves.h"
#include "resources/resource_paths.h"
#include "session/frm_congratulations.h"
#include "ui/client_area.h"
#include "ui/frm_about.h"
#include "session/readable_text.h"
#include "ui/pause.h"
#include "ui/pictures.h"
#include "ui/plain_message.h"
#include "ui/registry.h"
#include "ui/version_text.h"
#include "ui/wayland_placement.h"
#include "ui/window_ground.h"

namespace tessaro {

namespace {

const QColor kBackground(224, 224, 224);
constexpr int kDesignWidth = 6675;  // client area in twips when the window is restored
constexpr int kDesignHeight = 5880;

const QString kPracticeTitle = QStringLiteral("練習用の隠しコマンド");
const QString kPracticePrompt = QStringLiteral("半角で数値を入力して下さい\r\nオプションの難易度が狂いますので\r\n再設定の時びっくりしないように");

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// Wide enough that a window manager shows the whole title: the title in a
// bold face (as title bars mostly are) and room for the bar's icon and
// buttons, which grow with the font.
int InputBoxWidth(const QString& title, QFont font) {
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 10 * metrics.height();
}

TwipsScale ScreenScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsScale::ForDpi(screen ? screen->logicalDotsPerInchX() : 96.0);
}

}  // namespace

frmCube::frmCube(Services services)
    : services_(std::move(services)),
      scale_(services_.scale.value_or(ScreenScale())),
      surface_(scale_, kBackground),
      sound_(services_.programFolder / kClickSoundFileName),
      game_(*this, services_.random, services_.seedClock),
      registry_(std::make_unique<SystemInfoRegistry>()) {
    setWindowTitle(AppTitle());
    BuildMenus();
    BuildControls();

    showMessage = [this](const QString& text) { PlainMessageBox(this, QMessageBox::Warning, AppTitle(), text)->exec(); };
    inputBox = [this](const QString& title, const QString& prompt) {
        QString shown = prompt;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QInputDialog box(this);
        box.setWindowTitle(title);
        box.setLabelText(shown);
        box.resize(std::max(box.sizeHint().width(), InputBoxWidth(title, box.font())), box.sizeHint().height());
        return box.exec() == QDialog::Accepted ? box.textValue() : QString();
    };
    showCongratulations = [this](double left, std::int32_t top) { ShowCongratulationsWindow(left, top); };
    showAbout = [this] {
        frmAbout about(*registry_, scale_);
        if (!OnWayland()) {
            about.exec();
            return;
        }
        const QScreen* screen = QGuiApplication::primaryScreen();
        ExecInside(about, *this, about.pos() - (screen ? screen->geometry().topLeft() : QPoint()), true);
        client_->setFocus();
    };

    // Restoring the maximised window gives the designed client area.
    resize(scale_.ToPixels(kDesignWidth), scale_.ToPixels(kDesignHeight) + menuBar()->sizeHint().height());
}

frmCube::~frmCube() {
    if (pointer_ != Pointer::Default) QGuiApplication::restoreOverrideCursor();
}

void frmCube::BuildMenus() {
    mnuGame_ = menuBar()->addMenu(QStringLiteral("Game(&G)"));
    mnuStart_ = mnuGame_->addAction(QStringLiteral("Start(&S)"), this, &frmCube::mnuStart_Click);
    mnuGame_->addSeparator();
    mnuQuit_ = mnuGame_->addAction(QStringLiteral("Quit(&Q)"), this, &frmCube::mnuQuit_Click);
    mnuOption_ = menuBar()->addAction(QStringLiteral("Option(&O)"), this, &frmCube::mnuOption_Click);
    mnuAbout_ = menuBar()->addAction(QStringLiteral("About(&A)"), this, &frmCube::mnuAbout_Click);
}

void frmCube::BuildControls() {
    // The grey ground is the area's own: the controls on it (the options
    // panel) keep the colours of the desktop's palette.
    client_ = new ClientArea(this, surface_, kBackground);
    setCentralWidget(client_);
    surface_.SetChanged([this](const QRect& area) { client_->update(area); });
    client_->onMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at) {
        Form_MouseDown(static_cast<int>(button), ShiftState(modifiers), static_cast<float>(scale_.ToTwips(at.x())),
                       static_cast<float>(scale_.ToTwips(at.y())));
    };
    client_->onKeyDown = [this](int key, Qt::KeyboardModifiers modifiers) { Form_KeyDown(key, ShiftState(modifiers)); };
    client_->onResize = [this] { Form_Resize(); };

    auto place = [this](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(scale_.ToPixels(left), scale_.ToPixels(top), scale_.ToPixels(width), scale_.ToPixels(height));
    };

    timGame_ = new QTimer(this);
    timGame_->setInterval(1000);
    connect(timGame_, &QTimer::timeout, this, &frmCube::timGame_Timer);

    // The demonstration's pictures: the smiling pointer, stretched to its
    // control, and the all-transparent picture the mouse pointer is made of.
    imgDemoPointa_[0] = new PixelArtLabel(client_);
    place(imgDemoPointa_[0], 240, 2280, 480, 480);
    imgDemoPointa_[0]->setPixmap(QPixmap(QString::fromLatin1(kSmileyPath)));
    imgDemoPointa_[0]->setScaledContents(true);
    imgDemoPointa_[1] = new QLabel(client_);
    place(imgDemoPointa_[1], 840, 2280, 480, 480);
    imgDemoPointa_[1]->setPixmap(QPixmap(QString::fromLatin1(kInvisiblePointerPath)));
    for (QLabel* image : imgDemoPointa_) image->hide();

    static constexpr std::array<std::array<int, 2>, 5> kLabelPlaces = {{{240, 240}, {240, 840}, {240, 1440}, {1560, 240}, {1560, 840}}};
    for (int i = 0; i < 5; ++i) {
        auto* label = new HaloLabel(QStringLiteral("lblMes(%1)").arg(i), client_);
        const auto& at = kLabelPlaces[static_cast<std::size_t>(i)];
        place(label, at[0], at[1], 1215, 495);
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::Window, Qt::white);
        labelPalette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(labelPalette);
        label->setAutoFillBackground(true);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->hide();
        lblMes_[static_cast<std::size_t>(i)] = label;
    }

    sstOption_ = new OptionsPanel(client_, services_.options, scale_);
    sstOption_->showMessage = [this](const QString& text) { showMessage(text); };
    sstOption_->installEventFilter(this);
}

// ---------------------------------------------------------------- handlers

void frmCube::Form_Load() {
    SetWindowGround(*this, kBackground);
    showMaximized();
}

void frmCube::Form_Resize() {
    surface_.Resize(client_->size(), client_->devicePixelRatioF());
    game_.Resize();
}

void frmCube::Form_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
    // Any mouse button, with or without modifier keys, presses a move button.
    game_.Press(x, y);
}

void frmCube::Form_KeyDown(int keyCode, int shift) {
    constexpr int kKeyS = 83;
    constexpr int kKeyZ = 90;
    if (keyCode == kKeyS && shift == 1) PracticeCommand();
    else if (keyCode == kKeyZ) game_.Undo();
}

void frmCube::mnuStart_Click() { game_.NewGame(); }

void frmCube::mnuQuit_Click() { close(); }

void frmCube::mnuOption_Click() { sstOption_->mnuOption_Click(); }

void frmCube::mnuAbout_Click() { showAbout(); }

void frmCube::timGame_Timer() { game_.Tick(); }

void frmCube::closeEvent(QCloseEvent* event) {
    // A shuffle or demonstration waiting in a pause stops at once, and the
    // program ends when this window is gone.
    services_.pauser.Abort();
    event->accept();
}

bool frmCube::eventFilter(QObject* watched, QEvent* event) {
    // While the options panel is open, a press on the net still moves but
    // leaves the keyboard with the panel (Enter, Esc; Z and Shift+S do not
    // reach the game). When it closes, the keys belong to the window again.
    if (watched == sstOption_ && event->type() == QEvent::Show) client_->setFocusPolicy(Qt::NoFocus);
    if (watched == sstOption_ && event->type() == QEvent::Hide && !sstOption_->isVisibleTo(client_)) {
        client_->setFocusPolicy(Qt::StrongFocus);
        client_->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- practice command

void frmCube::PracticeCommand() {
    const QString text = inputBox(kPracticeTitle, kPracticePrompt);
    if (text.isEmpty()) return;
    const PracticeMoves moves = ReadPracticeMoves(text.toStdString());
    if (moves.status == PracticeMovesStatus::NotANumber) {
        showMessage(QStringLiteral("「%1」は数値として読めません。\n半角の数字で、0から%2までの回数を入力して下さい。")
                        .arg(text)
                        .arg(kMaxDifficulty));
        return;
    }
    if (moves.status == PracticeMovesStatus::OutOfRange) {
        showMessage(QStringLiteral("シャッフルの回数は0から%1までです。\n%2 は使えません。")
                        .arg(kMaxDifficulty)
                        .arg(text.trimmed()));
        return;
    }
    services_.options.Record().Difficulty = moves.value;
    const FileResult saved = services_.options.Save();
    if (!saved.ok) showMessage(QString::fromStdString(OptionsFileMessage(saved, true)));
}

// ---------------------------------------------------------------- GameView

Surface& frmCube::DrawingSurface() {
    // The backing image follows the client area; made on first use, since
    // it cannot be drawn into before the window has a size.
    surface_.Resize(client_->size(), client_->devicePixelRatioF());
    return surface_;
}

float frmCube::ScaleWidth() const { return static_cast<float>(scale_.ToTwips(client_->width())); }

float frmCube::ScaleHeight() const { return static_cast<float>(scale_.ToTwips(client_->height())); }

void frmCube::SetPointer(Pointer shape) {
    if (shape == pointer_) return;
    if (pointer_ != Pointer::Default) QGuiApplication::restoreOverrideCursor();
    pointer_ = shape;
    if (shape == Pointer::Busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (shape == Pointer::Invisible) {
        const QPixmap picture = imgDemoPointa_[1]->pixmap();
        QGuiApplication::setOverrideCursor(picture.isNull() ? QCursor(Qt::BlankCursor) : QCursor(picture));
    }
}

GameSettings frmCube::LoadSettings() {
    const FileResult loaded = services_.options.Load();
    if (!loaded.ok && !loaded.told) showMessage(QString::fromStdString(OptionsFileMessage(loaded, false)));
    const OptionsRecord& record = services_.options.Record();
    return {record.OptBlockN, record.Difficulty};
}

std::int32_t frmCube::Difficulty() const { return services_.options.Record().Difficulty; }

bool frmCube::IsOptionChecked(int index) const { return sstOption_->IsChecked(index); }

bool frmCube::Pause(PauseKind kind) {
    if (pauseHook) return pauseHook(kind);
    return kind == PauseKind::Shuffle ? services_.pauser.PauseFor(250) : services_.pauser.PauseWholeSeconds(2);
}

void frmCube::PlaceLabel(Mes label, double left, std::int32_t top) {
    QLabel* l = Label(label);
    labelTops_[static_cast<std::size_t>(label)] = scale_.ToPixels(top);
    l->move(scale_.ToPixels(left), scale_.ToPixels(top));
    l->setText(QString());
    l->adjustSize();
    l->hide();
    KeepLabelsApart();
}

void frmCube::SetLabelText(Mes label, const std::string& text) {
    QLabel* l = Label(label);
    l->setText(QString::fromStdString(text));
    l->adjustSize();  // the labels size themselves to their text
    KeepLabelsApart();
}

void frmCube::KeepLabelsApart() {
    // The labels' places are 400 twips apart; a label in a large font is
    // taller than that, and then stands just below the one above it. The
    // notice stands in the clock's place.
    int below = std::numeric_limits<int>::min();
    for (const std::vector<Mes>& row : {std::vector{Mes::Faces}, {Mes::Time, Mes::Notice}, {Mes::Clicks}}) {
        int rowBottom = below;
        for (Mes m : row) {
            QLabel* l = Label(m);
            l->move(l->x(), std::max(labelTops_[static_cast<std::size_t>(m)], below));
            rowBottom = std::max(rowBottom, l->y() + l->height());
        }
        below = rowBottom;
    }
}

std::int32_t frmCube::LabelWidth(Mes label) const {
    return static_cast<std::int32_t>(scale_.ToTwips(Label(label)->width()));
}

void frmCube::SetLabelVisible(Mes label, bool visible) { Label(label)->setVisible(visible); }

void frmCube::ShowNotice(double left, std::int32_t top, const std::string& text) {
    QLabel* l = Label(Mes::Notice);
    labelTops_[static_cast<std::size_t>(Mes::Notice)] = scale_.ToPixels(top);
    l->move(scale_.ToPixels(left), scale_.ToPixels(top));
    l->setText(QString::fromStdString(text));
    l->setAutoFillBackground(false);  // no background
    l->setFrameStyle(QFrame::NoFrame);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    l->setPalette(palette);
    // Pure red on the grey is hard to read (3:1); a black halo makes it 5:1.
    auto* notice = static_cast<HaloLabel*>(l);
    notice->SetHalo(Qt::black);
    notice->setMargin(qCeil(notice->HaloWidth()));
    l->adjustSize();
    KeepLabelsApart();
    l->show();
    l->raise();
}

void frmCube::SetClockEnabled(bool enabled) {
    if (enabled) timGame_->start();
    else timGame_->stop();
}

void frmCube::PlayClick() { sound_.Play(); }

void frmCube::ShowCongratulations(double left, std::int32_t top) { showCongratulations(left, top); }

void frmCube::ShowCongratulationsWindow(double left, std::int32_t top) {
    const QScreen* screen = this->screen();
    const QPoint origin = screen && !OnWayland() ? screen->geometry().topLeft() : QPoint();
    frmCongratulations window(this, scale_, left, top, origin, [this] { game_.BobjClear(); });
    if (!OnWayland()) {
        window.exec();
        return;
    }
    ExecInside(window, *this, window.pos(), false);
    client_->setFocus();
}

void frmCube::SetGameMenusEnabled(bool enabled) {
    // The entries too, not only the menu: nothing can reach Start or Quit.
    for (QAction* action : {mnuGame_->menuAction(), mnuStart_, mnuQuit_, mnuOption_}) action->setEnabled(enabled);
}

void frmCube::ShowDemoPointer(std::int32_t size) {
    imgDemoPointa_[0]->resize(scale_.ToPixels(size), scale_.ToPixels(size));
    imgDemoPointa_[0]->show();
    imgDemoPointa_[0]->raise();
}

void frmCube::MoveDemoPointer(std::int32_t left, std::int32_t top) {
    imgDemoPointa_[0]->move(scale_.ToPixels(left), scale_.ToPixels(top));
}

void frmCube::HideDemoPointer() { imgDemoPointa_[0]->hide(); }

}  // namespace tessaro
