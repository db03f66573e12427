#pragma once
// The main window: the menus, the net drawn on its client area, the status
// labels, the demonstration's pictures, the options panel and the game
// clock. Its handlers turn Qt events into game calls, and it carries out what
// the game asks of a window (GameView).

#include <QMainWindow>
#include <array>
#include <optional>

#include "board/twips.h"
#include "session/game.h"
#include "session/game_view.h"
#include "ui/qt_surface.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace tessaro {

class ClientArea;
class Clock;
class Dialogs;
class OptionsPanel;
class OptionsStore;
class RecordsStore;
class Registry;
class Sound;

class frmCube : public QMainWindow, public GameView {
    Q_OBJECT
public:
    // Everything the window uses from outside; tests pass their own.
    struct Services {
        OptionsStore& options;
        RecordsStore& records;  // the best times
        RandomSource& random;   // the shuffle's chance
        Dialogs& dialogs;
        Sound& sound;
        Registry& registry;                              // where the about window finds the system-information tool
        Clock& clock;                                    // the date and time, shuffle seeds, and the waits
        std::optional<TwipsScale> scale = std::nullopt;  // default: from the screen's logical DPI
    };

    explicit frmCube(Services services);
    ~frmCube() override;

    // ---- handlers, named after control and event ----
    void Form_Load();
    void Form_Resize();
    void Form_MouseDown(int button, int shift, float x, float y);
    void Form_KeyDown(int keyCode, int shift);
    void mnuStart_Click();
    void mnuStartFromNumber_Click();
    void mnuCopyNumber_Click();
    void mnuRecords_Click();
    void mnuHelp_Click();
    void mnuQuit_Click();
    void mnuOption_Click();
    void mnuAbout_Click();
    void timGame_Timer();

    // ---- controls, for the game and the tests ----
    Game& game() { return game_; }
    const Game& game() const { return game_; }
    ClientArea* clientArea() const { return client_; }
    QLabel* lblMes(int index) const { return lblMes_[static_cast<std::size_t>(index)]; }
    QLabel* imgDemoPointa(int index) const { return imgDemoPointa_[static_cast<std::size_t>(index)]; }
    OptionsPanel* sstOption() const { return sstOption_; }
    QTimer* timGame() const { return timGame_; }
    QMenu* mnuGame() const { return mnuGame_; }
    QAction* mnuStart() const { return mnuStart_; }
    QAction* mnuStartFromNumber() const { return mnuStartFromNumber_; }
    QAction* mnuCopyNumber() const { return mnuCopyNumber_; }
    QAction* mnuRecords() const { return mnuRecords_; }
    QAction* mnuHelp() const { return mnuHelp_; }
    QAction* mnuQuit() const { return mnuQuit_; }
    QAction* mnuOption() const { return mnuOption_; }
    QAction* mnuAbout() const { return mnuAbout_; }
    const QtSurface& surface() const { return surface_; }
    TwipsScale Scale() const { return scale_; }

    // ---- GameView ----
    Surface& DrawingSurface() override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void SetPointer(Pointer shape) override;
    GameSettings LoadSettings() override;
    std::int32_t Difficulty() const override;
    bool IsOptionChecked(int index) const override;
    void StartWait(PauseKind kind) override;
    void StopWait() override;
    void PlaceLabel(Mes label, double left, std::int32_t top) override;
    void SetLabelText(Mes label, const std::string& text) override;
    std::int32_t LabelWidth(Mes label) const override;
    void SetLabelVisible(Mes label, bool visible) override;
    void ShowNotice(double left, std::int32_t top, const std::string& text) override;
    void SetClockEnabled(bool enabled) override;
    void PlayClick() override;
    void ShowCongratulations(double left, std::int32_t top) override;
    void RecordWin(const GameResult& result) override;
    void Announce(const std::string& text) override;
    void SetGameMenusEnabled(bool enabled) override;
    void ShowDemoPointer(std::int32_t size) override;
    void MoveDemoPointer(std::int32_t left, std::int32_t top) override;
    void HideDemoPointer() override;
    void ShowFocusMark(std::int32_t left, std::int32_t top, std::int32_t side) override;
    void HideFocusMark() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildControls();
    void PracticeCommand();
    // Copy game number: only while the game on the net has one, and the
    // Game menu can be reached.
    void UpdateCopyNumber();
    void ShowMessage(const QString& text);
    void TellRecordsMessage();
    QLabel* Label(Mes label) const { return lblMes_[static_cast<std::size_t>(label)]; }
    // A modal box runs an event loop of its own. A wait that comes due
    // while one is open is held until the last one closes, and the step then
    // comes from the window's own event loop: no step ever runs inside a
    // handler, and the net stands still behind the box.
    struct ModalBox {
        explicit ModalBox(frmCube& window);
        ~ModalBox();
        frmCube& window;
    };
    void WaitOver();
    void KeepLabelsApart();
    void MoveMark(Arrow arrow);
    // A screen reader's press on a move button; nothing while a box is open,
    // as the mouse cannot reach the net then either.
    void PressButton(Move move);

    Services services_;
    TwipsScale scale_;
    QtSurface surface_;
    Game game_;
    Pointer pointer_ = Pointer::Default;
    int modalBoxes_ = 0;
    bool stepHeld_ = false;

    ClientArea* client_ = nullptr;
    std::array<QLabel*, 5> lblMes_{};
    std::array<int, 4> labelTops_{};  // pixels: where the game placed labels 0 to 3
    std::array<QLabel*, 2> imgDemoPointa_{};
    OptionsPanel* sstOption_ = nullptr;
    QTimer* timGame_ = nullptr;
    QMenu* mnuGame_ = nullptr;
    QAction* mnuStart_ = nullptr;
    QAction* mnuStartFromNumber_ = nullptr;
    QAction* mnuCopyNumber_ = nullptr;
    QAction* mnuRecords_ = nullptr;
    QAction* mnuHelp_ = nullptr;
    QAction* mnuQuit_ = nullptr;
    QAction* mnuOption_ = nullptr;
    QAction* mnuAbout_ = nullptr;
};

}  // namespace tessaro
