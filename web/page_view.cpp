#include "web/page_view.h"

#include <algorithm>

#include "options/marked_text.h"
#include "web/page_calls.h"

namespace tessaro {

namespace {

constexpr double kTwipsPerCssPixel = 15.0;

int Index(Mes label) { return static_cast<int>(label); }

}  // namespace

PageView::PageView(PageStorage& storage, std::int32_t background) : storage_(storage), surface_(background) {}

void PageView::SetClientSize(double cssWidth, double cssHeight, double devicePixelRatio) {
    surface_.Resize(cssWidth, cssHeight, devicePixelRatio);
    scaleWidth_ = static_cast<float>(std::max(cssWidth, 0.0) * kTwipsPerCssPixel);
    scaleHeight_ = static_cast<float>(std::max(cssHeight, 0.0) * kTwipsPerCssPixel);
}

void PageView::SetPointer(Pointer shape) { page_set_pointer(static_cast<int>(shape)); }

GameSettings PageView::LoadSettings() {
    storage_.LoadOptions();
    TellStorage();
    return {storage_.Record().OptBlockN, storage_.Record().Difficulty};
}

void PageView::TellStorage() {
    const std::string text = storage_.TakeMessage();
    if (!text.empty()) page_message(text.c_str());
}

bool PageView::IsOptionChecked(int index) const { return page_option_checked(index) != 0; }

void PageView::StartWait(PauseKind kind) { page_start_wait(static_cast<int>(kind)); }

void PageView::StopWait() { page_stop_wait(); }

void PageView::PlaceLabel(Mes label, double left, std::int32_t top) { page_place_label(Index(label), left, top); }

void PageView::SetLabelText(Mes label, const std::string& text) { page_set_label_text(Index(label), text.c_str()); }

std::int32_t PageView::LabelWidth(Mes label) const { return page_label_width(Index(label)); }

void PageView::SetLabelVisible(Mes label, bool visible) { page_set_label_visible(Index(label), visible ? 1 : 0); }

void PageView::ShowNotice(double left, std::int32_t top, const std::string& text) {
    // The session's notice is a marked constant (kDemoNotice), shown here in
    // the player's language.
    page_show_notice(left, top, MarkedText("game_texts", text.c_str()).c_str());
}

void PageView::SetClockEnabled(bool enabled) { page_set_clock(enabled ? 1 : 0); }

void PageView::PlayClick() { page_play_click(); }

void PageView::ShowCongratulations(double left, std::int32_t top) { page_show_congratulations(left, top); }

void PageView::RecordWin(const GameResult& result) {
    storage_.AddWin({{result.blockN, result.shuffleMoves}, result.seconds, result.clicks, result.seed});
    TellStorage();
}

void PageView::Announce(const std::string& text) { page_announce(text.c_str()); }

void PageView::SetGameMenusEnabled(bool enabled) { page_set_game_menus(enabled ? 1 : 0); }

void PageView::ShowDemoPointer(std::int32_t size) { page_show_demo_pointer(size); }

void PageView::MoveDemoPointer(std::int32_t left, std::int32_t top) { page_move_demo_pointer(left, top); }

void PageView::HideDemoPointer() { page_hide_demo_pointer(); }

void PageView::ShowFocusMark(std::int32_t left, std::int32_t top, std::int32_t side) {
    mark_ = surface_.DeviceBox(static_cast<float>(left), static_cast<float>(top), static_cast<float>(left + side),
                               static_cast<float>(top + side));
}

void PageView::HideFocusMark() { mark_ = {}; }

}  // namespace tessaro
