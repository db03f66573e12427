// The page's side of the game: the functions its script calls for the
// player's menus, presses and keys, and, after each of them, what changed
// on the net handed back to the page (pixels, buttons, description, mark).

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "options/difficulty_words.h"
#include "options/marked_text.h"
#include "options/number_text.h"
#include "options/panel_texts.h"
#include "options/practice_moves.h"
#include "records/records_list_texts.h"
#include "session/game.h"
#include "session/game_number_texts.h"
#include "session/game_texts.h"
#include "session/help_texts.h"
#include "web/page_calls.h"
#include "web/page_language.h"
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
    std::string number;
    bool numberTold = false;

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
    const auto& number = p.game->Number();
    const std::string numberText = number ? FormatGameNumber(*number) : std::string();
    if (!p.numberTold || numberText != p.number) {
        p.numberTold = true;
        p.number = numberText;
        page_set_game_number(numberText.c_str());
    }
}

// A text the page hands its script, which copies it at once.
const char* Handed(std::string text) {
    static std::string handed;
    handed = std::move(text);
    return handed.c_str();
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

EMSCRIPTEN_KEEPALIVE void tessaro_redo() {
    TheGame().Redo();
    Flush();
}

// Game > Start from number, and a page opened with a game number in its
// address: 1 when that game has started; else what is wrong with the text
// is told (nothing for no text at all), and nothing else changes.
EMSCRIPTEN_KEEPALIVE int tessaro_start_from_number(const char* typed) {
    const std::string text(typed);
    if (text.empty()) return 0;
    const GameNumberReading reading = ReadGameNumber(text);
    if (reading.status != GameNumberStatus::Ok) {
        page_message(GameNumberMessage(reading, text).c_str());
        return 0;
    }
    // That game exactly: the options are neither read nor written.
    TheGame().NewGame(reading.number);
    Flush();
    return 1;
}

// Game > Copy game number has put the number on the clipboard.
EMSCRIPTEN_KEEPALIVE void tessaro_number_copied() {
    if (const auto& number = TheGame().Number()) page_announce(NumberCopiedText(*number).c_str());
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
        page_message(MarkedText("OptionsPanel", blocks.status == NumberTextStatus::OutOfRange
                                                    ? kBlockCountOutOfRangeMessage
                                                    : kBlockCountNotANumberMessage)
                         .c_str());
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

// The page's language, from the browser's preferred languages (one a line):
// 1 for English. Before any other call.
EMSCRIPTEN_KEEPALIVE int tessaro_use_languages(const char* lines) {
    return UsePreferredLanguages(lines) == GameLanguage::English ? 1 : 0;
}

// A marked text of the page's own windows (index.html names it by its
// context and Japanese text) in the page's language.
EMSCRIPTEN_KEEPALIVE const char* tessaro_translate(const char* context, const char* text) {
    return Handed(MarkedText(context, text));
}

// The texts the page's windows show that the rooms keep, by number, in the
// page's language (index.html names them).
EMSCRIPTEN_KEEPALIVE const char* tessaro_text(int which) {
    auto lines = [](const auto& entries) {
        std::string joined;
        for (const char* entry : entries) joined += (joined.empty() ? "" : "\n") + std::string(entry);
        return joined;
    };
    // Each with the context of its mark; the captions are English in every
    // language and have none.
    const std::pair<const char*, const char*> marked[] = {
        {"frmCube", kPracticeTitle},
        {"frmCube", kPracticePrompt},
        {"game_texts", kDemoNotice},
        {"game_texts", kNetName},
        {"", kPanelTabCaption},
        {"", kPanelComboStartText},
        {"", kBlockCountCaption},
        {"", kDifficultyCaption},
        {"", kShowShuffleCaption},
        {"", kDemonstrationCaption},
        {"OptionsPanel", kPanelOkCaption},
        {"", kPanelCancelCaption},
        {"frmRecords", kRecordsTitle},
        {"frmRecords", kRecordsListName},
        {"frmRecords", kRecordsColumns[0]},
        {"frmRecords", kRecordsColumns[1]},
        {"frmRecords", kRecordsColumns[2]},
        {"frmRecords", kRecordsColumns[3]},
        {"", kRecordsMark},
        {"frmRecords", kRecordsEmpty},
        {"frmRecords", kRecordsMarkNote},
        {"frmRecords", kRecordsClose},
    };
    constexpr int kMarked = static_cast<int>(std::size(marked));
    if (which >= 0 && which < kMarked) {
        const auto& [context, text] = marked[which];
        return Handed(MarkedText(context, text));
    }
    switch (which) {
    case kMarked: return Handed(lines(kBlockCountEntries));
    case kMarked + 1: return Handed(lines(kDifficultyEntries));
    case kMarked + 2: return Handed(MarkedText("frmCube", kNumberTitle));
    case kMarked + 3: return Handed(MarkedText("frmCube", kNumberPrompt));
    case kMarked + 4: return Handed(MarkedText("frmRecords", kRecordsGameNumberHeader));
    case kMarked + 5: return Handed(MarkedText("frmHelp", kHelpTitle));
    case kMarked + 6: return Handed(MarkedText("frmHelp", kHelpClose));
    case kMarked + 7: return Handed(MarkedText("frmHelp", kHelpText));
    default: return "";
    }
}

}  // extern "C"
