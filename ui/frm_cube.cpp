#include "ui/frm_cube.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <vector>

#include "options/marked_text.h"
#include "options/options_file.h"
#include "options/options_store.h"
#include "options/practice_moves.h"
#include "records/records_store.h"
#include "resources/resource_paths.h"
#include "session/game_number.h"
#include "session/game_number_texts.h"
#include "ui/click_sound.h"
#include "ui/client_area.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/game_language.h"
#include "ui/net_accessible.h"
#include "ui/options_panel.h"
#include "ui/pictures.h"
#include "ui/readable_text.h"
#include "ui/version_text.h"
#include "ui/wayland_placement.h"
#include "ui/window_ground.h"

namespace tessaro {

namespace {

const QColor kBackground(224, 224, 224);
constexpr int kDesignWidth = 6675;  // client area in twips when the window is restored
constexpr int kDesignHeight = 5880;

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// The arrow keys of keyboard play.
std::optional<Arrow> ArrowOf(int keyCode) {
    switch (keyCode) {
    case Qt::Key_Left: return Arrow::Left;
    case Qt::Key_Right: return Arrow::Right;
    case Qt::Key_Up: return Arrow::Up;
    case Qt::Key_Down: return Arrow::Down;
    default: return std::nullopt;
    }
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
      game_(*this, services_.random, [this] { return services_.clock.Seed(); }) {
    setWindowTitle(AppTitle());
    InstallAccessibility();
    BuildMenus();
    BuildControls();

    // Restoring the maximised window gives the designed client area.
    resize(scale_.ToPixels(kDesignWidth), scale_.ToPixels(kDesignHeight) + menuBar()->sizeHint().height());
}

frmCube::~frmCube() {
    if (pointer_ != Pointer::Default) QGuiApplication::restoreOverrideCursor();
}

void frmCube::BuildMenus() {
    mnuGame_ = menuBar()->addMenu(QStringLiteral("Game(&G)"));
    mnuStart_ = mnuGame_->addAction(QStringLiteral("Start(&S)"), this, &frmCube::mnuStart_Click);
    mnuStartFromNumber_ = mnuGame_->addAction(QStringLiteral("Start from number(&N)..."), this,
                                              &frmCube::mnuStartFromNumber_Click);
    mnuCopyNumber_ = mnuGame_->addAction(QStringLiteral("Copy game number(&C)"), this, &frmCube::mnuCopyNumber_Click);
    mnuRecords_ = mnuGame_->addAction(QStringLiteral("Records(&R)"), this, &frmCube::mnuRecords_Click);
    // F1 is the window's key, as Z and Y are; the entry only names it.
    mnuHelp_ = mnuGame_->addAction(QStringLiteral("How to play(&H)\tF1"), this, &frmCube::mnuHelp_Click);
    mnuGame_->addSeparator();
    mnuQuit_ = mnuGame_->addAction(QStringLiteral("Quit(&Q)"), this, &frmCube::mnuQuit_Click);
    mnuOption_ = menuBar()->addAction(QStringLiteral("Option(&O)"), this, &frmCube::mnuOption_Click);
    mnuAbout_ = menuBar()->addAction(QStringLiteral("About(&A)"), this, &frmCube::mnuAbout_Click);
    UpdateCopyNumber();
}

void frmCube::BuildControls() {
    // The grey ground is the area's own: the controls on it (the options
    // panel) keep the colours of the desktop's palette.
    client_ = new ClientArea(this, surface_, kBackground);
    setCentralWidget(client_);
    surface_.SetChanged([this](const QRect& area) {
        client_->update(area);
        NetChanged(client_);
    });
    client_->game = &game_;
    client_->onPressButton = [this](Move move) { PressButton(move); };
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

    static constexpr std::array<std::array<int, 2>, 5> kLabelPlaces = {
        {{240, 240}, {240, 840}, {240, 1440}, {1560, 240}, {1560, 840}}};
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
    ReadOnRequest(lblMes_[static_cast<std::size_t>(Mes::Time)]);  // not told every second

    sstOption_ = new OptionsPanel(client_, services_.options, scale_);
    sstOption_->showMessage = [this](const QString& text) { ShowMessage(text); };
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
    if (keyCode == Qt::Key_S && shift == 1) PracticeCommand();
    // Z and Y with any modifier keys (Ctrl+Z and Ctrl+Y among them).
    else if (keyCode == Qt::Key_Z) game_.Undo();
    else if (keyCode == Qt::Key_Y) game_.Redo();
    else if (keyCode == Qt::Key_F1) mnuHelp_Click();
    else if (keyCode == Qt::Key_Escape) game_.FinishDemo();
    // Keyboard play: the arrows move the focus mark, Space and Enter press
    // the marked button; with any modifier keys, as Z and the mouse.
    else if (const auto arrow = ArrowOf(keyCode)) MoveMark(*arrow);
    else if (keyCode == Qt::Key_Space || keyCode == Qt::Key_Return || keyCode == Qt::Key_Enter) game_.PressMarked();
}

void frmCube::MoveMark(Arrow arrow) {
    game_.ArrowKey(arrow);
    // A screen reader says the name of the button the arrow went to.
    if (const Ishape* marked = game_.MarkedButton()) MarkMoved(client_, {marked->BuFaceN(), marked->BuLineN()});
}

void frmCube::PressButton(Move move) {
    if (modalBoxes_ == 0) game_.PressButton(move);
}

void frmCube::mnuStart_Click() {
    game_.NewGame();
    UpdateCopyNumber();
}

void frmCube::mnuStartFromNumber_Click() {
    QString text;
    {
        const ModalBox open(*this);
        text = services_.dialogs.InputBox(this, Tr("frmCube", kNumberTitle), Tr("frmCube", kNumberPrompt));
    }
    if (text.isEmpty()) return;
    const std::string typed = text.toStdString();
    const GameNumberReading reading = ReadGameNumber(typed);
    if (reading.status != GameNumberStatus::Ok) {
        ShowMessage(QString::fromStdString(GameNumberMessage(reading, typed)));
        return;
    }
    // That game exactly: the options file is neither read nor written.
    game_.NewGame(reading.number);
    UpdateCopyNumber();
}

void frmCube::mnuCopyNumber_Click() {
    const auto& number = game_.Number();
    if (!number) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(FormatGameNumber(*number)));
    Announce(NumberCopiedText(*number));
}

void frmCube::UpdateCopyNumber() {
    mnuCopyNumber_->setEnabled(mnuGame_->menuAction()->isEnabled() && game_.Number().has_value());
}

void frmCube::mnuHelp_Click() {
    {
        // The clock runs on meanwhile; a shuffle or demonstration step due
        // while it is open comes once it closes, as with every box.
        const ModalBox open(*this);
        services_.dialogs.ShowHelp(this);
    }
    if (OnWayland()) client_->setFocus();  // as after the about window
}

void frmCube::mnuRecords_Click() {
    // Read anew at every opening: what another copy of the game saved, or a
    // file the player mended, shows at once. A problem with it is told first.
    const RecordsTable table = services_.records.Table();
    TellRecordsMessage();
    const ModalBox open(*this);
    services_.dialogs.ShowRecords(this, table, QString::fromStdString(services_.records.StatusLine()));
}

void frmCube::mnuQuit_Click() { close(); }

void frmCube::mnuOption_Click() { sstOption_->mnuOption_Click(); }

void frmCube::mnuAbout_Click() {
    {
        const ModalBox open(*this);
        services_.dialogs.ShowAbout(this, services_.registry, scale_);
    }
    // Shown inside this window on Wayland, the about window took the focus
    // from the client area, where the keys belong.
    if (OnWayland()) client_->setFocus();
}

void frmCube::timGame_Timer() { game_.Tick(); }

void frmCube::closeEvent(QCloseEvent* event) {
    // A shuffle or demonstration stops where it is, and the program ends
    // when this window is gone.
    StopWait();
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
        // A screen reader comes back to the button the keys had marked.
        if (const Ishape* marked = game_.MarkedButton()) MarkMoved(client_, {marked->BuFaceN(), marked->BuLineN()});
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- practice command

void frmCube::ShowMessage(const QString& text) {
    const ModalBox open(*this);
    services_.dialogs.ShowMessage(this, text);
}

void frmCube::PracticeCommand() {
    QString text;
    {
        const ModalBox open(*this);
        text = services_.dialogs.InputBox(this, Tr("frmCube", kPracticeTitle), Tr("frmCube", kPracticePrompt));
    }
    if (text.isEmpty()) return;
    const std::string typed = text.toStdString();
    const PracticeMoves moves = ReadPracticeMoves(typed);
    if (moves.status != PracticeMovesStatus::Ok) {
        ShowMessage(QString::fromStdString(PracticeMovesMessage(moves, typed)));
        return;
    }
    // The number of moves alone: the block count and the switch stay as the
    // file holds them, whether or not this copy of the game has read it.
    OptionsChange change;
    change.Difficulty = moves.value;
    const FileResult saved = services_.options.Change(change);
    if (!saved.ok) ShowMessage(QString::fromStdString(OptionsFileMessage(saved, true)));
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
    if (!loaded.ok && !loaded.told) ShowMessage(QString::fromStdString(OptionsFileMessage(loaded, false)));
    const OptionsRecord& record = services_.options.Record();
    return {record.OptBlockN, record.Difficulty};
}

std::int32_t frmCube::Difficulty() const { return services_.options.Record().Difficulty; }

bool frmCube::IsOptionChecked(int index) const { return sstOption_->IsChecked(index); }

void frmCube::StartWait(PauseKind kind) {
    constexpr std::int64_t kShuffleStepMs = 250;
    const std::int64_t ms = kind == PauseKind::Shuffle ? kShuffleStepMs
                                                       : WholeSecondsWait(services_.clock.WallMilliseconds(), 2);
    stepHeld_ = false;
    services_.clock.StartWait(ms, [this] { WaitOver(); });
}

void frmCube::StopWait() {
    stepHeld_ = false;
    services_.clock.StopWait();
}

void frmCube::WaitOver() {
    if (modalBoxes_ > 0) stepHeld_ = true;
    else game_.Step();
}

frmCube::ModalBox::ModalBox(frmCube& w) : window(w) { ++window.modalBoxes_; }

frmCube::ModalBox::~ModalBox() {
    if (--window.modalBoxes_ > 0 || !window.stepHeld_) return;
    window.stepHeld_ = false;
    window.services_.clock.StartWait(0, [w = &window] { w->WaitOver(); });
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
    // The session's notice is a marked constant (kDemoNotice), shown here in
    // the player's language.
    l->setText(Tr("game_texts", text.c_str()));
    l->setAutoFillBackground(false);  // no background
    l->setFrameStyle(QFrame::NoFrame);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    l->setPalette(palette);
    // Pure red on the grey is hard to read (3:1); a black halo makes it 5:1.
    auto* notice = static_cast<HaloLabel*>(l);
    notice->SetHalo(Qt::black);
    notice->setMargin(notice->HaloMargin());
    l->adjustSize();
    KeepLabelsApart();
    l->show();
    l->raise();
}

void frmCube::SetClockEnabled(bool enabled) {
    if (enabled) timGame_->start();
    else timGame_->stop();
}

void frmCube::PlayClick() { services_.sound.PlayClick(); }

void frmCube::ShowCongratulations(double left, std::int32_t top) {
    {
        const ModalBox open(*this);
        services_.dialogs.ShowCongratulations(this, scale_, left, top, [this] { game_.CongratulationsClosed(); });
    }
    if (OnWayland()) client_->setFocus();  // as after the about window
}

void frmCube::RecordWin(const GameResult& result) {
    services_.records.AddWin({{result.blockN, result.shuffleMoves}, result.seconds, result.clicks, result.seed});
    TellRecordsMessage();
}

void frmCube::Announce(const std::string& text) { AnnounceOnNet(client_, QString::fromStdString(text)); }

void frmCube::TellRecordsMessage() {
    const std::string text = services_.records.TakeMessage();
    if (!text.empty()) ShowMessage(QString::fromStdString(text));
}

void frmCube::SetGameMenusEnabled(bool enabled) {
    // The entries too, not only the menu: nothing can reach Start or Quit.
    for (QAction* action :
         {mnuGame_->menuAction(), mnuStart_, mnuStartFromNumber_, mnuRecords_, mnuHelp_, mnuQuit_, mnuOption_})
        action->setEnabled(enabled);
    UpdateCopyNumber();
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

void frmCube::ShowFocusMark(std::int32_t left, std::int32_t top, std::int32_t side) {
    client_->SetFocusMark(surface_.DeviceBox(left, top, left + side, top + side));
}

void frmCube::HideFocusMark() { client_->SetFocusMark(QRect()); }

}  // namespace tessaro
