#pragma once
// The main window: the menus, the net drawn on its client area, the status
// labels, the demonstration's pictures, the options panel and the game
// clock. Its handlers turn Qt events into game calls, and it carries out what
// the game asks of a window (GameView).

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "board/twips.h"
#include "session/game.h"
#include "session/game_view.h"
#include "ui/click_sound.h"
#include "ui/qt_surface.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace tessaro {

class ClientArea;
class OptionsPanel;
class OptionsStore;
class Pauser;
class Registry;

class frmCube : public QMainWindow, public GameView {
    Q_OBJECT
public:
    // What the window uses from outside; tests pass their own.
    struct Services {
        OptionsStore& options;
        Pauser& pauser;
        RandomSource& random;
        Game::SeedClock seedClock;
        std::filesystem::path programFolder;  // where "Click.wav" lies
        std::optional<TwipsScale> scale;      // default: from the screen's logical DPI
    };

    explicit frmCube(Services services);
    ~frmCube() override;

    // ---- handlers, named after control and event ----
    void Form_Load();
    void Form_Resize();
    void Form_MouseDown(int button, int shift, float x, float y);
    void Form_KeyDown(int keyCode, int shift);
    void mnuStart_Click();
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
    QAction* mnuQuit() const { return mnuQuit_; }
    QAction* mnuOption() const { return mnuOption_; }
    QAction* mnuAbout() const { return mnuAbout_; }
    const QtSurface& surface() const { return surface_; }
    TwipsScale Scale() const { return scale_; }

    // ---- modal windows and boxes, replaceable so tests never block ----
    std::function<void(const QString& text)> showMessage;
    // Returns the text typed, or an empty text for Cancel.
    std::function<QString(const QString& title, const QString& prompt)> inputBox;
    std::function<void(double left, std::int32_t top)> showCongratulations;
    std::function<void()> showAbout;
    // Replaces the real pause (the shuffle's quarter second, the
    // demonstration's step) in tests; returns whether to carry on.
    std::function<bool(PauseKind)> pauseHook;

    // ---- GameView ----
    Surface& DrawingSurface() override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void SetPointer(Pointer shape) override;
    GameSettings LoadSettings() override;
    std::int32_t Difficulty() const override;
    bool IsOptionChecked(int index) const override;
    bool Pause(PauseKind kind) override;
    void PlaceLabel(Mes label, double left, std::int32_t top) override;
    void SetLabelText(Mes label, const std::string& text) override;
    std::int32_t LabelWidth(Mes label) const override;
    void SetLabelVisible(Mes label, bool visible) override;
    void ShowNotice(double left, std::int32_t top, const std::string& text) override;
    void SetClockEnabled(bool enabled) override;
    void PlayClick() override;
    void ShowCongratulations(double left, std::int32_t top) override;
    void SetGameMenusEnabled(bool enabled) override;
    void ShowDemoPointer(std::int32_t size) override;
    void MoveDemoPointer(std::int32_t left, std::int32_t top) override;
    void HideDemoPointer() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildControls();
    void PracticeCommand();
    void ShowCongratulationsWindow(double left, std::int32_t top);
    QLabel* Label(Mes label) const { return lblMes_[static_cast<std::size_t>(label)]; }
    void KeepLabelsApart();

    Services services_;
    TwipsScale scale_;
    QtSurface surface_;
    ClickSound sound_;
    Game game_;
    std::unique_ptr<Registry> registry_;
    Pointer pointer_ = Pointer::Default;

    ClientArea* client_ = nullptr;
    std::array<QLabel*, 5> lblMes_{};
    std::array<int, 4> labelTops_{};  // pixels: where the game placed labels 0 to 3
    std::array<QLabel*, 2> imgDemoPointa_{};
    OptionsPanel* sstOption_ = nullptr;
    QTimer* timGame_ = nullptr;
    QMenu* mnuGame_ = nullptr;
    QAction* mnuStart_ = nullptr;
    QAction* mnuQuit_ = nullptr;
    QAction* mnuOption_ = nullptr;
    QAction* mnuAbout_ = nullptr;
};

}  // namespace tessaro
