// The page's side of the game: the functions its script calls for the
// player's menus, presses and keys, and, after each of them, what changed
// on the net handed back to the page (pixels, buttons, description, mark).

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "options/difficulty_words.h"
#include "options/number_text.h"
#include "options/panel_texts.h"
#include "options/practice_moves.h"
#include "session/game.h"
#include "records/records_list_texts.h"
#include "session/game_texts.h"
#include "web/page_calls.h"
#include "web/page_storage.h"
#include "web/page_view.h"
#include "web/records_rows.h"

namespace tessaro {
namespace {

constexpr std::int32_t kBackground = 0xE0E0E0;  // the main window's light grey

class BrowserStorage final : public TextStorage {
public:
    std::optional<std::string> Get(const std::string& name, bool& ok) override {
        int usable = 1;
        char* text = page_storage_get(name.c_str(), &usable);
        ok = usable != 0;
        if (text == nullptr) return std::nullopt;
        std::string value(text);
        std::free(text);
        return value;
    }
    bool Set(const std::string& name, const std::string& text) override {
        return page_storage_set(name.c_str(), text.c_str()) != 0;
    }
};

struct Page {
    BrowserStorage browser;
    PageStorage storage{browser};
    PageView view{storage, kBackground};
    SeededRandom random;
    std::uint64_t seed = 0;
    std::optional<Game> game;
    // What the page was last told, so that only changes go to it.
    std::string buttons;
    std::int32_t buttonSide = -1;
    std::string description;
    PixelBox mark;
    Move markMove;
    bool markTold = false;

    Page() { MakeGame(); }
    void MakeGame() {
        game.emplace(view, random, [this] { return seed; });
    }
};

Page& ThePage() {
    static Page page;
    return page;
}

// Hands the page whatever the last call changed.
void Flush() {
    Page& p = ThePage();
    PixelSurface& pixels = p.view.Pixels();
    const PixelBox changed = pixels.TakeChanged();
    if (!changed.Empty())
        page_paint(pixels.Pixels(), pixels.Width(), pixels.Height(), changed.left, changed.top, changed.right,
                   changed.bottom);

    const Board& board = p.game->BoardState();
    std::string list;
    for (const auto& button : board.ButtonObjs) {
        const Move move{button->BuFaceN(), button->BuLineN()};
        list += std::to_string(button->BuFaceN()) + " " + std::to_string(button->BuLineN()) + " " +
                std::to_string(button->ButtonLeft()) + " " + std::to_string(button->ButtonTop()) + " " +
                MoveButtonName(move) + "\n";
    }
    if (list != p.buttons || board.HalfBlock != p.buttonSide) {
        p.buttons = list;
        p.buttonSide = board.HalfBlock;
        page_set_buttons(list.c_str(), board.HalfBlock);
    }
    const std::string description = NetDescription(p.game->CubeState());
    if (description != p.description) {
        p.description = description;
        page_set_net_description(description.c_str());
    }
    const PixelBox& mark = p.view.FocusMark();
    const Ishape* marked = p.game->MarkedButton();
    const Move move = marked ? Move{marked->BuFaceN(), marked->BuLineN()} : Move{};
    if (!p.markTold || !(mark == p.mark) || !(move == p.markMove)) {
        p.markTold = true;
        p.mark = mark;
        p.markMove = move;
        page_focus_mark(mark.left, mark.top, mark.right, mark.bottom, NumberOf(move.kind), move.line);
    }
}

Game& TheGame() { return *ThePage().game; }

}  // namespace
}  // namespace tessaro

using namespace tessaro;

extern "C" {

EMSCRIPTEN_KEEPALIVE void tessaro_resize(double cssWidth, double cssHeight, double devicePixelRatio) {
    Page& p = ThePage();
    p.view.SetClientSize(cssWidth, cssHeight, devicePixelRatio);
    p.view.Pixels().TakeChanged();  // a new image: the canvas is painted whole below
    TheGame().Resize();
    PixelSurface& pixels = p.view.Pixels();
    page_paint(pixels.Pixels(), pixels.Width(), pixels.Height(), 0, 0, pixels.Width(), pixels.Height());
    p.view.Pixels().TakeChanged();
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_new_game(double seedLow, double seedHigh) {
    ThePage().seed = (static_cast<std::uint64_t>(seedHigh) << 32) | static_cast<std::uint64_t>(seedLow);
    TheGame().NewGame();
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_step() {
    TheGame().Step();
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_press(float x, float y) {
    TheGame().Press(x, y);
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_press_button(int kind, int line) {
    TheGame().PressButton(Move{kind, line});
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_tick() {
    TheGame().Tick();
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_undo() {
    TheGame().Undo();
    Flush();
}

// 0 left, 1 right, 2 up, 3 down.
EMSCRIPTEN_KEEPALIVE void tessaro_arrow(int arrow) {
    TheGame().ArrowKey(static_cast<Arrow>(arrow & 3));
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_press_marked() {
    TheGame().PressMarked();
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_finish_demo() {
    TheGame().FinishDemo();
    Flush();
}

EMSCRIPTEN_KEEPALIVE void tessaro_congratulations_closed() {
    TheGame().CongratulationsClosed();
    Flush();
}

// Quit: the game ends and the page is as it was when it opened.
EMSCRIPTEN_KEEPALIVE void tessaro_quit() {
    Page& p = ThePage();
    p.view.StopWait();
    p.view.SetClockEnabled(false);
    p.MakeGame();
    p.view.DrawingSurface().Cls();
    Flush();
}

// The options panel opens: its boxes and its shuffle box from the storage.
EMSCRIPTEN_KEEPALIVE void tessaro_options_open() {
    Page& p = ThePage();
    p.storage.LoadOptions();
    const OptionsRecord& record = p.storage.Record();
    const auto word = DifficultyWordForMoves(record.Difficulty);
    // A number of moves without a word (from the practice command) leaves
    // the box as it was, so OK then keeps that number.
    page_fill_options(std::to_string(record.OptBlockN).c_str(), word ? std::string(*word).c_str() : nullptr,
                      record.ShowShuffle != 0 ? 1 : 0);
    p.view.TellStorage();
}

// OK: 1 when the panel closes, 0 when the block count cannot be taken.
EMSCRIPTEN_KEEPALIVE int tessaro_options_ok(const char* blockCount, const char* difficulty, int showShuffle) {
    Page& p = ThePage();
    const WholeNumber blocks = ParseWholeNumber(blockCount);
    if (!blocks.ok()) {
        page_message(blocks.status == NumberTextStatus::OutOfRange ? kBlockCountOutOfRangeMessage
                                                                   : kBlockCountNotANumberMessage);
        return 0;
    }
    OptionsChange change;
    change.OptBlockN = blocks.value;
    change.Difficulty = MovesForDifficultyWord(difficulty);
    change.ShowShuffle = static_cast<std::int16_t>(showShuffle != 0 ? -1 : 0);
    p.storage.ChangeOptions(change);
    p.view.TellStorage();
    return 1;
}

// Shift+S: the number typed into the practice command's box.
EMSCRIPTEN_KEEPALIVE void tessaro_practice(const char* typed) {
    Page& p = ThePage();
    if (typed[0] == '\0') return;
    const PracticeMoves moves = ReadPracticeMoves(typed);
    if (moves.status != PracticeMovesStatus::Ok) {
        page_message(PracticeMovesMessage(moves, typed).c_str());
        return;
    }
    OptionsChange change;
    change.Difficulty = moves.value;
    p.storage.ChangeOptions(change);
    p.view.TellStorage();
}

EMSCRIPTEN_KEEPALIVE void tessaro_records_open() {
    Page& p = ThePage();
    const RecordsTable& table = p.storage.Records();
    p.view.TellStorage();
    page_show_records(RecordsRows(table).c_str(), p.storage.RecordsStatus().c_str());
}

// The texts the page's windows show that the rooms keep, by number, for
// its script (index.html names them).
EMSCRIPTEN_KEEPALIVE const char* tessaro_text(int which) {
    static const std::vector<std::string> kTexts = [] {
        auto lines = [](const auto& entries) {
            std::string joined;
            for (const char* entry : entries) joined += (joined.empty() ? "" : "\n") + std::string(entry);
            return joined;
        };
        std::vector<std::string> texts = {
            kPracticeTitle,       kPracticePrompt,   kDemoNotice,       kNetName,           kPanelTabCaption,
            kPanelComboStartText, kBlockCountCaption, kDifficultyCaption, kShowShuffleCaption, kDemonstrationCaption,
            kPanelOkCaption,      kPanelCancelCaption, kRecordsTitle,     kRecordsListName};
        for (const char* column : kRecordsColumns) texts.emplace_back(column);
        for (const char* text : {kRecordsMark, kRecordsEmpty, kRecordsMarkNote, kRecordsClose}) texts.emplace_back(text);
        texts.push_back(lines(kBlockCountEntries));
        texts.push_back(lines(kDifficultyEntries));
        return texts;
    }();
    if (which < 0 || which >= static_cast<int>(kTexts.size())) return "";
    return kTexts[static_cast<std::size_t>(which)].c_str();
}

}  // extern "C"
