#pragma once
// The page's main window: what the game asks of a window (GameView), carried
// out by the page's script (web/page_library.js), and the game's handlers
// the script calls (web/web_main.cpp).

#include <cstdint>
#include <string>

#include "session/game_view.h"
#include "web/page_storage.h"
#include "web/pixel_surface.h"

namespace tessaro {

class PageView final : public GameView {
public:
    PageView(PageStorage& storage, std::int32_t background);

    PixelSurface& Pixels() { return surface_; }
    // The client area in CSS pixels at a device pixel ratio.
    void SetClientSize(double cssWidth, double cssHeight, double devicePixelRatio);

    Surface& DrawingSurface() override { return surface_; }
    float ScaleWidth() const override { return scaleWidth_; }
    float ScaleHeight() const override { return scaleHeight_; }
    void SetPointer(Pointer shape) override;
    GameSettings LoadSettings() override;
    std::int32_t Difficulty() const override { return storage_.Record().Difficulty; }
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

    // Tells the player what the storage has to say, if anything.
    void TellStorage();

    // The focus mark's device pixels as the game last placed it; empty for none.
    const PixelBox& FocusMark() const { return mark_; }

private:
    PixelBox mark_;
    PageStorage& storage_;
    PixelSurface surface_;
    float scaleWidth_ = 0;
    float scaleHeight_ = 0;
};

}  // namespace tessaro
