// A whole game without a window: new game and shuffle, presses, the clock
// and counters, winning, the undo key and the demonstration, with a fake
// window that records what the game asks of it.

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "recording_surface.h"
#include "scripted_random.h"
#include "session/game.h"
#include "session/game_number.h"
#include "session/game_number_texts.h"
#include "session/game_texts.h"
#include "session/move_history.h"
#include "session/random_source.h"

namespace tessaro {
namespace {

using testing::RecordingSurface;
using testing::ScriptedRandom;
using namespace std::string_literals;

// ---------------------------------------------------------------- fakes

struct Label {
    double left = 0;
    std::int32_t top = 0;
    std::string text;
    bool visible = false;
    int textSets = 0;
};

class FakeView : public GameView {
public:
    RecordingSurface surface;
    float width = 6675, height = 5880;
    GameSettings file{3, 5};        // what LoadSettings finds
    std::int32_t difficulty = 0;    // the live options value
    std::array<bool, 2> checked{};  // chkOption(0), chkOption(1)
    // Called as each wait the game asked for comes due; false stands for
    // the program ending inside the wait: the game gets no step.
    std::function<bool(PauseKind)> onPause;
    std::optional<PauseKind> pending;  // the wait the game asked for, until it is over
    int waitsStarted = 0;
    std::function<void()> onCongratulations;
    std::vector<std::string> log;
    std::map<Mes, Label> labels;
    bool clock = false;
    int clicksPlayed = 0;
    std::vector<std::pair<double, std::int32_t>> congratulations;
    bool menusEnabled = true;
    Pointer pointer = Pointer::Default;
    bool demoPointerVisible = false;
    std::int32_t demoPointerSize = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> demoPointerMoves;
    std::pair<double, std::int32_t> noticeAt{};
    int pauses = 0;
    std::vector<GameResult> wins;  // what reached the records

    Surface& DrawingSurface() override { return surface; }
    float ScaleWidth() const override { return width; }
    float ScaleHeight() const override { return height; }
    void SetPointer(Pointer shape) override {
        pointer = shape;
        log.push_back(shape == Pointer::Busy ? "busy" : shape == Pointer::Invisible ? "invisible" : "arrow");
    }
    GameSettings LoadSettings() override {
        log.push_back("load");
        difficulty = file.difficulty;
        return file;
    }
    std::int32_t Difficulty() const override { return difficulty; }
    bool IsOptionChecked(int index) const override { return checked[static_cast<std::size_t>(index)]; }
    void StartWait(PauseKind kind) override {
        ++pauses;
        ++waitsStarted;
        pending = kind;
    }
    void StopWait() override { pending.reset(); }
    void PlaceLabel(Mes label, double left, std::int32_t top) override {
        labels[label] = {left, top, "", false, 0};
        log.push_back("place " + std::to_string(static_cast<int>(label)));
    }
    void SetLabelText(Mes label, const std::string& text) override {
        labels[label].text = text;
        ++labels[label].textSets;
    }
    // About 100 twips per character, like a small proportional font.
    std::int32_t LabelWidth(Mes label) const override {
        const std::string& t = labels.count(label) ? labels.at(label).text : "";
        std::int32_t chars = 0;
        for (unsigned char c : t) chars += (c & 0xC0) != 0x80;
        return chars * 100;
    }
    void SetLabelVisible(Mes label, bool visible) override { labels[label].visible = visible; }
    void ShowNotice(double left, std::int32_t top, const std::string& text) override {
        noticeAt = {left, top};
        labels[Mes::Notice] = {left, top, text, true, 1};
        log.push_back("notice");
    }
    void SetClockEnabled(bool enabled) override {
        clock = enabled;
        log.push_back(enabled ? "clock on" : "clock off");
    }
    void PlayClick() override { ++clicksPlayed; }
    void ShowCongratulations(double left, std::int32_t top) override {
        congratulations.emplace_back(left, top);
        if (onCongratulations) onCongratulations();
    }
    void RecordWin(const GameResult& result) override { wins.push_back(result); }
    void SetGameMenusEnabled(bool enabled) override { menusEnabled = enabled; }
    void ShowDemoPointer(std::int32_t size) override {
        demoPointerVisible = true;
        demoPointerSize = size;
    }
    void MoveDemoPointer(std::int32_t left, std::int32_t top) override { demoPointerMoves.emplace_back(left, top); }
    void HideDemoPointer() override { demoPointerVisible = false; }
    // The focus mark's square (left, top, side), while one is shown.
    std::optional<std::array<std::int32_t, 3>> mark;
    void ShowFocusMark(std::int32_t left, std::int32_t top, std::int32_t side) override { mark = {left, top, side}; }
    void HideFocusMark() override { mark.reset(); }
    std::vector<std::string> said;  // what a screen reader was told, in order
    void Announce(const std::string& text) override { said.push_back(text); }
};

struct Session {
    FakeView view;
    ScriptedRandom random;
    Game game{view, random, [] { return 1234u; }};

    // Starts a game of n blocks whose shuffle makes exactly these moves, and
    // lets every wait it asks for pass.
    void Start(int n, const std::vector<Move>& shuffle) {
        view.file = {n, static_cast<std::int32_t>(shuffle.size())};
        random.Script(shuffle, n);
        NewGame();
    }
    void NewGame() {
        game.NewGame();
        PassWaits();
    }
    // As the window's timer would: each wait comes due in turn, and a wait
    // stopped or replaced meanwhile (a Start inside it) gives no step.
    void PassWaits() {
        while (view.pending) {
            const int started = view.waitsStarted;
            if (view.onPause && !view.onPause(*view.pending)) return;
            if (!view.pending || view.waitsStarted != started) continue;
            view.pending.reset();
            game.Step();
        }
    }
    // Presses the middle of button (kind, line).
    void PressButton(int kind, int line) {
        const Ishape* b = FindButton(kind, line);
        ASSERT_NE(b, nullptr) << "button " << kind << "," << line;
        const float half = static_cast<float>(game.BoardState().HalfBlock) / 2.0F;
        game.Press(static_cast<float>(b->ButtonLeft()) + half, static_cast<float>(b->ButtonTop()) + half);
    }
    const Ishape* FindButton(int kind, int line) const {
        for (const auto& b : game.BoardState().ButtonObjs)
            if (b->BuFaceN() == kind && b->BuLineN() == line) return b.get();
        return nullptr;
    }
};

Cube Replayed(int n, const std::vector<Move>& moves) {
    Cube cube(n);
    for (const auto& m : moves) cube.ApplyMove(m);
    return cube;
}

bool SameCells(const Cube& a, const Cube& b) {
    if (a.BlockN() != b.BlockN()) return false;
    for (int f = 0; f <= 6; ++f)
        for (int r = 0; r <= a.BlockN(); ++r)
            for (int c = 0; c <= a.BlockN(); ++c)
                if (a.CubeCells(f, r, c) != b.CubeCells(f, r, c)) return false;
    return true;
}

const std::vector<Move> kFiveMoves = {{1, 2}, {6, 3}, {3, 1}, {4, 3}, {5, 2}};

// ---------------------------------------------------------------- chance

TEST(Random, SeededGeneratorIsPinnedAndNeverReachesOne) {
    SeededRandom random(42);
    const std::vector<std::uint32_t> golden = {random.NextBits(), random.NextBits(), random.NextBits()};
    SeededRandom again(42);
    for (std::uint32_t value : golden) EXPECT_EQ(again.NextBits(), value);
    EXPECT_EQ(golden, (std::vector<std::uint32_t>{3270867926u, 1795671209u, 1924641435u}))
        << "a seed must give the same shuffle on every platform";
    SeededRandom many(7);
    for (int i = 0; i < 100000; ++i) {
        const float r = many.Next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
    }
}

TEST(Random, WholeNumbersCoverOneToMAndNothingElse) {
    const float largest = 1.0F - 0x1.0p-24F;
    const std::vector<std::tuple<float, int, int>> cases = {
        {0.0F, 6, 1}, {largest, 6, 6}, {largest, 10, 10},  {largest, 2, 2},
        {0.5F, 6, 4}, {0.5F, 2, 2},    {0.1666666F, 6, 1}, {0.16666667F, 6, 2},
    };
    for (auto [r, m, whole] : cases) EXPECT_EQ(DrawWhole(r, m), whole) << r << " of " << m;
}

// ---------------------------------------------------------------- texts

TEST(Texts, ClockClicksAndFacesSentences) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {ClockText(1), "所要時間　00時間00分01秒　です"},
        {ClockText(3725), "所要時間　01時間02分05秒　です"},
        {ClockText(86400), "所要時間　00時間00分00秒　です"},  // a whole day starts again at 00
        {ClockText(86399), "所要時間　23時間59分59秒　です"},
        {ClicksText(1), "今までのクリック回数は　1　回です"},
        {ClicksText(250), "今までのクリック回数は　250　回です"},
        {FacesText(2), "現在全色一致している面数は　2　面です"},
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

TEST(Texts, LabelShowsOnlyWhileItFitsInHalfTheWidth) {
    EXPECT_TRUE(LabelFits(2000, 1000));
    EXPECT_FALSE(LabelFits(1999, 1000));
    EXPECT_TRUE(LabelFits(1999, 999));
    EXPECT_TRUE(LabelFits(0, 0));
}

// ---------------------------------------------------------------- history

TEST(History, KeepsTheLastDifficultyMovesOldestFirst) {
    MoveHistory h;
    h.Reset(5);
    for (int move = 1; move <= 7; ++move) h.Back({move % 6 + 1, move}, 5);
    EXPECT_EQ(h.HistCount, 5);
    EXPECT_EQ(h.HistPos, 5);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(h.Entry(i).line, i + 2) << "entries 1 to 5 hold moves 3 to 7";

    MoveHistory none;
    none.Reset(0);
    none.Back({3, 2}, 0);
    EXPECT_EQ(none.HistCount, 0);
    EXPECT_EQ(none.HistPos, 0);
    EXPECT_FALSE(none.TakeBack(0));
}

TEST(History, StaysInsideItsArraysWhenTheDifficultyChangesDuringAGame) {
    // Raised by the practice command: the arrays made for 3 moves hold 3.
    MoveHistory raised;
    raised.Reset(3);
    for (int move = 1; move <= 10; ++move) raised.Back({1, move}, 40);
    EXPECT_EQ(raised.HistCount, 3);
    EXPECT_EQ(raised.Entry(3).line, 10);
    int undone = 0;
    while (raised.TakeBack(40)) ++undone;
    EXPECT_EQ(undone, 3);

    // Lowered: entries stay where they are, and nothing beyond the new
    // value can be taken back.
    MoveHistory lowered;
    lowered.Reset(40);
    for (int move = 1; move <= 20; ++move) lowered.Back({2, move}, 40);
    lowered.Back({2, 21}, 5);
    EXPECT_EQ(lowered.HistCount, 20);
    EXPECT_EQ(lowered.Entry(20).line, 21);
    EXPECT_FALSE(lowered.TakeBack(5)) << "HistPos 20 is beyond 5";
    EXPECT_TRUE(lowered.TakeBack(40));

    // Negative values never reach an index.
    MoveHistory negative;
    negative.Reset(-4);
    EXPECT_EQ(negative.Capacity(), 0);
    negative.Back({1, 1}, -4);
    negative.RecordShuffle(1, {1, 1});
    EXPECT_FALSE(negative.TakeBack(-4));
}

// Redo: the moves the undo key took back come again in order, each at its
// own place, until a move of the player's own drops them; never past what
// the history keeps, nor into a shuffle that overwrote them.
TEST(History, RedoMakesAgainWhatUndoTookBackUntilANewMove) {
    const Move a{1, 1}, b{3, 2}, c{5, 3}, d{2, 2};
    MoveHistory h;
    h.Reset(5);
    for (Move m : {a, b, c}) h.Back(m, 5);
    EXPECT_FALSE(h.Redoable(5)) << "nothing taken back yet";
    h.TakeBack(5);
    h.TakeBack(5);
    EXPECT_EQ(h.Redoable(5), b);
    h.Redo(5);
    EXPECT_EQ(h.HistPos, 2);
    EXPECT_EQ(h.HistCount, 2);
    EXPECT_EQ(h.Entry(2), b) << "back at its own place";
    EXPECT_EQ(h.Redoable(5), c);
    h.Redo(5);
    EXPECT_FALSE(h.Redoable(5)) << "all made again";
    EXPECT_EQ(h.TakeBack(5), c) << "and undone again as before";
    EXPECT_EQ(h.TakeBack(5), b);
    h.Back(d, 5);
    EXPECT_FALSE(h.Redoable(5)) << "a new move drops what could be redone";
    EXPECT_EQ(h.Entry(2), d);

    struct Case {
        const char* what;
        std::int32_t capacity;
        int made;                        // moves made (lines 1, 2, ...) with the capacity as difficulty
        int undone;                      // then taken back with it
        std::int32_t redoDifficulty;     // the difficulty when redo is asked
        std::optional<std::int32_t> at;  // the line of the move redo makes, if any
    };
    const std::vector<Case> cases = {
        {"difficulty 0 keeps nothing", 0, 3, 3, 0, std::nullopt},
        {"a full history slid, its last move comes back", 3, 5, 1, 3, 5},
        {"lowered below the place: Back would slide instead", 5, 4, 2, 2, std::nullopt},
        {"lowered to the place itself", 5, 4, 2, 3, 3},
        {"raised past the capacity", 3, 3, 3, 40, 1},
        {"negative", 3, 3, 3, -1, std::nullopt},
    };
    for (const auto& k : cases) {
        MoveHistory m;
        m.Reset(k.capacity);
        for (int i = 1; i <= k.made; ++i) m.Back({1, i}, k.capacity);
        for (int i = 0; i < k.undone; ++i) m.TakeBack(k.capacity);
        const auto redo = m.Redoable(k.redoDifficulty);
        EXPECT_EQ(redo.has_value(), k.at.has_value()) << k.what;
        if (redo && k.at) {
            EXPECT_EQ(redo->line, *k.at) << k.what;
        }
        m.Redo(k.redoDifficulty);
        EXPECT_TRUE(m.HistPos >= 0 && m.HistPos <= m.Capacity() && m.HistCount <= m.Capacity()) << k.what;
    }

    // A press and an undo during a shown shuffle whose next move is recorded
    // over it: that move is gone, not the shuffle's made in its place.
    MoveHistory shuffled;
    shuffled.Reset(5);
    shuffled.Back(a, 5);
    shuffled.TakeBack(5);
    shuffled.RecordShuffle(1, b);
    EXPECT_FALSE(shuffled.Redoable(5));
}

// ---------------------------------------------------------------- new game

TEST(NewGame, BuildsInOrderAndStartsTheClock) {
    Session s;
    s.Start(3, kFiveMoves);
    const std::vector<std::string> expected = {"busy", "load", "place 0", "place 1", "place 2", "clock on", "arrow"};
    EXPECT_EQ(s.view.log, expected);
    EXPECT_EQ(s.view.surface.drawn.front().kind, testing::Primitive::Cls);
    EXPECT_TRUE(s.view.labels[Mes::Time].visible) << "visible, empty until the first tick";
    EXPECT_EQ(s.view.labels[Mes::Time].text, "");
    EXPECT_FALSE(s.view.labels[Mes::Faces].visible);
    EXPECT_FALSE(s.view.labels[Mes::Clicks].visible);
    EXPECT_EQ(s.game.ClickCount, 0);
    EXPECT_EQ(s.game.ElapsedSec, 0);
    EXPECT_EQ(s.random.seeds.size(), 1u) << "one seeding per shuffle";
    EXPECT_TRUE(SameCells(*s.game.CubeState(), Replayed(3, kFiveMoves))) << "the shuffle replays";
    EXPECT_EQ(s.game.History().Capacity(), 5);
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(s.game.History().Entry(i).kind, MoveKind::None) << "not recorded without the demonstration";
    EXPECT_EQ(s.view.pauses, 0);
    // The net as drawn last shows the shuffled cube.
    EXPECT_EQ(s.game.BoardState().Block(1, 2, 1, 3).BlockColor, s.game.CubeState()->CubeCells(1, 2, 1));
}

TEST(NewGame, ShownShuffleRecordsAndPausesAfterEveryMove) {
    Session s;
    s.view.checked = {true, true};
    std::vector<int> drawnAtPause;
    s.view.onPause = [&](PauseKind kind) {
        if (kind == PauseKind::Shuffle) drawnAtPause.push_back(static_cast<int>(s.view.surface.drawn.size()));
        return true;  // the demonstration's pauses follow
    };
    s.Start(3, kFiveMoves);
    EXPECT_EQ(drawnAtPause.size(), 5u);
    for (std::size_t i = 1; i < drawnAtPause.size(); ++i)
        EXPECT_EQ(drawnAtPause[i] - drawnAtPause[i - 1], 54 * 11) << "the net is redrawn after each pause";
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(s.game.History().Entry(i).kind, kFiveMoves[static_cast<std::size_t>(i - 1)].kind);
        EXPECT_EQ(s.game.History().Entry(i).line, kFiveMoves[static_cast<std::size_t>(i - 1)].line);
    }
    EXPECT_EQ(s.game.History().Entry(0).kind, MoveKind::None);
    EXPECT_EQ(s.game.History().HistCount, 0);
}

TEST(NewGame, OutOfRangeOptionsStillGiveAPlayableNet) {
    struct Case {
        GameSettings file;
        int n;
        std::int32_t capacity;
    };
    const std::vector<Case> cases = {
        {{0, 0}, 2, 0},  // a fresh folder
        {{1, -5}, 2, 0},
        {{11, 3}, 10, 3},
        {{INT32_MIN, INT32_MAX}, 2, kMaxDifficulty},
    };
    for (const auto& c : cases) {
        Session s;
        s.view.file = c.file;
        s.NewGame();
        EXPECT_EQ(s.game.BlockN(), c.n);
        EXPECT_EQ(s.game.History().Capacity(), c.capacity);
        EXPECT_EQ(s.game.BoardState().ButtonObjs.size(), static_cast<std::size_t>(6 * c.n));
        EXPECT_TRUE(s.view.clock);
    }
}

TEST(NewGame, PracticeGameDrawsNothingAndLeavesTheCubeSolved) {
    Session s;
    s.view.checked = {true, false};
    s.Start(4, {});
    EXPECT_TRUE(s.random.seeds.empty()) << "no seeding, no draws";
    EXPECT_EQ(s.game.CubeState()->CountSolvedFaces(), 6);
    EXPECT_EQ(s.view.pauses, 0);
    EXPECT_TRUE(s.view.clock);
}

TEST(NewGame, StartChosenDuringAShufflePauseTakesOverCleanly) {
    Session s;
    s.view.checked = {true, false};
    bool restarted = false;
    s.view.onPause = [&](PauseKind) {
        if (!restarted) {
            restarted = true;
            s.view.file = {5, 2};
            s.random.draws.clear();
            s.random.Script({{2, 5}, {4, 1}}, 5);
            s.view.checked = {false, false};
            s.game.NewGame();  // Game > Start inside the pause
        }
        return true;
    };
    s.view.file = {3, 5};
    s.random.Script(kFiveMoves, 3);
    s.NewGame();

    EXPECT_EQ(s.game.BlockN(), 5);
    EXPECT_EQ(s.game.History().Capacity(), 2);
    EXPECT_EQ(s.game.BoardState().BlockObjs.size(), 6u * 25 + 1);
    EXPECT_EQ(s.game.BoardState().ButtonObjs.size(), 30u);
    EXPECT_TRUE(SameCells(*s.game.CubeState(), Replayed(5, {{2, 5}, {4, 1}})));
    EXPECT_EQ(std::count(s.view.log.begin(), s.view.log.end(), "clock on"), 1) << "only the newer game starts it";
    EXPECT_EQ(s.view.pointer, Pointer::Default);
    EXPECT_EQ(s.view.pauses, 1);
}

TEST(NewGame, PressDuringAShownShuffleMovesAndCountsUntilTheClockStarts) {
    Session s;
    s.view.checked = {true, false};
    std::vector<Move> made = {kFiveMoves[0]};
    s.view.onPause = [&](PauseKind) {
        if (s.view.pauses == 1) {
            s.PressButton(1, 1);
            made.push_back({1, 1});
            EXPECT_EQ(s.game.ClickCount, 1);
            EXPECT_EQ(s.view.labels[Mes::Clicks].text, "今までのクリック回数は　1　回です");
        }
        return true;
    };
    s.Start(3, kFiveMoves);
    made.insert(made.end(), kFiveMoves.begin() + 1, kFiveMoves.end());
    EXPECT_TRUE(SameCells(*s.game.CubeState(), Replayed(3, made)));
    EXPECT_EQ(s.view.clicksPlayed, 1);
    EXPECT_EQ(s.game.ClickCount, 0) << "the game's own count starts with the clock";
    EXPECT_TRUE(s.view.clock);
    EXPECT_EQ(s.game.CurrentPhase(), Game::Phase::Playing);
}

TEST(NewGame, EndingProgramStopsTheShuffleAtOnce) {
    Session s;
    s.view.checked = {true, false};
    s.view.onPause = [](PauseKind) { return false; };
    s.Start(3, kFiveMoves);
    EXPECT_EQ(s.view.pauses, 1);
    EXPECT_FALSE(s.view.clock);
}

TEST(NewGame, NothingOfThePreviousGameSurvives) {
    Session s;
    s.Start(3, kFiveMoves);
    s.PressButton(1, 1);
    s.PressButton(3, 2);
    EXPECT_EQ(s.game.History().HistPos, 2);
    s.Start(4, {{1, 1}});
    EXPECT_EQ(s.game.History().HistPos, 0) << "the undo key has nothing to take back";
    EXPECT_EQ(s.game.ClickCount, 0);
    const Cube before = *s.game.CubeState();
    s.game.Undo();
    EXPECT_TRUE(SameCells(*s.game.CubeState(), before));
    EXPECT_TRUE(SameCells(*s.game.CubeState(), Replayed(4, {{1, 1}})));
}

// ---------------------------------------------------------------- presses

TEST(Press, MovesRedrawsCountsAndChecks) {
    Session s;
    s.Start(3, kFiveMoves);
    const std::size_t drawn = s.view.surface.drawn.size();
    s.PressButton(4, 2);
    EXPECT_EQ(s.game.History().Entry(s.game.History().HistPos), (Move{4, 2})) << "recorded for the undo key";
    std::vector<Move> moves = kFiveMoves;
    moves.push_back({4, 2});
    EXPECT_TRUE(SameCells(*s.game.CubeState(), Replayed(3, moves)));
    EXPECT_EQ(s.view.surface.drawn.size() - drawn, 54u * 11) << "blocks redrawn, buttons not";
    EXPECT_EQ(s.view.clicksPlayed, 1);
    EXPECT_EQ(s.game.ClickCount, 1);
    EXPECT_EQ(s.view.labels[Mes::Clicks].text, "今までのクリック回数は　1　回です");
    EXPECT_TRUE(s.view.labels[Mes::Clicks].visible);
    EXPECT_EQ(s.view.labels[Mes::Faces].text, FacesText(s.game.CubeState()->CountSolvedFaces()));
}

TEST(Press, MissingEveryButtonDoesNothingAtAll) {
    Session s;
    s.Start(3, kFiveMoves);
    const Cube before = *s.game.CubeState();
    const std::size_t drawn = s.view.surface.drawn.size();
    for (auto [x, y] : std::vector<std::pair<float, float>>{{3534, 2063}, {3600, 2300}, {0, 0}, {-50, 9999}})
        s.game.Press(x, y);
    EXPECT_TRUE(SameCells(*s.game.CubeState(), before));
    EXPECT_EQ(s.view.surface.drawn.size(), drawn);
    EXPECT_EQ(s.view.clicksPlayed, 0);
    EXPECT_EQ(s.game.ClickCount, 0);
    EXPECT_EQ(s.game.History().HistCount, 0);
}

TEST(Press, PracticeGameMovesButNeitherCountsNorChecks) {
    Session s;
    s.Start(3, {});
    s.PressButton(1, 1);
    EXPECT_EQ(s.view.clicksPlayed, 1);
    EXPECT_EQ(s.game.CubeState()->CountSolvedFaces(), 2);
    EXPECT_EQ(s.game.ClickCount, 0);
    EXPECT_EQ(s.view.labels[Mes::Clicks].textSets, 0);
    EXPECT_EQ(s.view.labels[Mes::Faces].textSets, 0);
    s.PressButton(2, 1);  // solved again: not announced
    EXPECT_TRUE(s.view.congratulations.empty());
}

TEST(Press, BeforeTheFirstGameNothingReacts) {
    Session s;
    s.game.Press(3535, 2063);
    s.game.Resize();
    s.game.Undo();
    s.game.Tick();
    EXPECT_EQ(s.view.clicksPlayed, 0);
    EXPECT_TRUE(s.view.surface.drawn.empty()) << "a resize before the first game draws nothing";
    EXPECT_EQ(s.game.BlockN(), 0);
}

// ---------------------------------------------------------------- winning

TEST(Win, LastMoveStopsTheClockAndOpensTheWindowBesideTheNet) {
    Session s;
    s.Start(3, kFiveMoves);
    const float buttonX = static_cast<float>(s.FindButton(1, 1)->ButtonLeft());
    const float buttonY = static_cast<float>(s.FindButton(1, 1)->ButtonTop());
    s.view.onCongratulations = [&] {
        EXPECT_FALSE(s.view.clock) << "the clock stops before the window opens";
        EXPECT_EQ(s.view.labels[Mes::Faces].text, FacesText(6)) << "the label already reads six";
        s.game.BobjClear();  // its OK button
    };
    for (int i = 4; i >= 0; --i) {
        const Move m = Reverse(kFiveMoves[static_cast<std::size_t>(i)]);
        s.PressButton(NumberOf(m.kind), m.line);
    }
    ASSERT_EQ(s.view.congratulations.size(), 1u);
    const Board& b = s.game.BoardState();
    EXPECT_DOUBLE_EQ(s.view.congratulations[0].first, b.BlockObjs[19].BlockLeft / 3.0);
    EXPECT_EQ(s.view.congratulations[0].second, b.BlockObjs[37].BlockTop);
    EXPECT_EQ(s.game.History().HistPos, 0);
    EXPECT_EQ(s.game.ClickCount, 5) << "the winning click is counted";
    for (int f = 1; f <= 6; ++f) EXPECT_TRUE(s.game.FaceDone()[static_cast<std::size_t>(f)]);

    // After OK the drawn buttons no longer react.
    const Cube solved = *s.game.CubeState();
    s.game.Press(buttonX, buttonY);  // still drawn, but no longer a button
    EXPECT_TRUE(SameCells(*s.game.CubeState(), solved));
    EXPECT_EQ(s.game.ClickCount, 5);
    s.game.Undo();
    EXPECT_TRUE(SameCells(*s.game.CubeState(), solved)) << "nothing to undo after a win";

    // A resize rebuilds them; the clock stays stopped.
    s.game.Resize();
    EXPECT_EQ(s.game.BoardState().ButtonObjs.size(), 18u);
    s.PressButton(1, 1);
    EXPECT_EQ(s.game.ClickCount, 6);
    EXPECT_FALSE(s.view.clock);
}

// A window that cannot block (the page's) returns at once: the game goes on
// when it says it closed, and only for the game it was opened for.
TEST(Win, AWindowThatReturnsAtOnceEndsTheGameWhenItSaysItClosed) {
    struct Case {
        const char* what;
        bool newGameFirst;  // a Start comes before the window says it closed
        bool resizeFirst;   // the net is laid out again while it is open
    };
    for (const Case c :
         {Case{"closed", false, false}, Case{"after a resize", false, true}, Case{"after a new game", true, false}}) {
        Session s;
        s.Start(3, {{1, 2}});
        s.PressButton(2, 2);
        ASSERT_EQ(s.view.congratulations.size(), 1u) << c.what;
        EXPECT_EQ(s.game.BoardState().ButtonObjs.size(), 18u) << c.what << ": open, the buttons are still there";
        if (c.resizeFirst) s.game.Resize();
        if (c.newGameFirst) s.Start(3, {{1, 2}});
        s.game.CongratulationsClosed();
        const std::size_t left = c.newGameFirst ? 18u : 0u;
        EXPECT_EQ(s.game.BoardState().ButtonObjs.size(), left) << c.what;
        const std::int32_t clicks = s.game.ClickCount;
        s.game.PressButton(Move{1, 1});  // wins nothing in either game
        EXPECT_EQ(s.game.ClickCount, clicks + (c.newGameFirst ? 1 : 0)) << c.what;
        s.game.CongratulationsClosed();  // a second close changes nothing
        EXPECT_EQ(s.game.BoardState().ButtonObjs.size(), left) << c.what;
    }
}

TEST(Win, SixFacesInOtherColoursCountAsWon) {
    Session s;
    s.Start(3, {{2, 1}, {2, 2}, {2, 3}, {1, 1}});
    s.view.onCongratulations = [&] { s.game.BobjClear(); };
    s.PressButton(2, 1);  // every row shifted right once more than left: six faces, none its own colour
    EXPECT_EQ(s.view.congratulations.size(), 1u);
    EXPECT_NE(s.game.CubeState()->CubeCells(1, 1, 1), kFaceColors[1]);
}

TEST(Clock, EveryStartCountsFromZeroAgain) {
    Session s;
    s.Start(3, kFiveMoves);
    for (int i = 0; i < 300; ++i) s.game.Tick();
    EXPECT_EQ(s.view.labels[Mes::Time].text, "所要時間　00時間05分00秒　です");
    s.Start(3, kFiveMoves);
    EXPECT_TRUE(s.view.clock);
    s.game.Tick();
    EXPECT_EQ(s.view.labels[Mes::Time].text, "所要時間　00時間00分01秒　です") << "not 00時間05分01秒";
}

TEST(Win, OnlyATimedShuffledGameEntersTheRecordsAndOnlyOnce) {
    const std::vector<Move> oneMove = {{1, 2}};
    struct Case {
        const char* what;
        std::vector<Move> shuffle;
        bool demonstration;
        std::int32_t practiceDuringGame;  // -1: the practice command is not used
        std::vector<GameResult> wins;
    };
    const std::vector<Case> cases = {
        {"a shuffled game", oneMove, false, -1, {{3, 1, 2, 3, 1234}}},
        {"practice raised mid-game: keyed by the shuffle made", oneMove, false, 40, {{3, 1, 2, 3, 1234}}},
        {"no shuffle, then practice raised", {}, false, 5, {}},
        {"after a demonstration the clock never ran", oneMove, true, -1, {}},
    };
    for (const auto& c : cases) {
        Session s;
        s.view.checked = {false, c.demonstration};
        s.view.onCongratulations = [&] { s.game.BobjClear(); };
        s.Start(3, c.shuffle);
        if (c.practiceDuringGame >= 0) s.view.difficulty = c.practiceDuringGame;
        s.game.Tick();
        s.game.Tick();
        // Two clicks that cancel; then, on a shuffled cube, the one that takes the shuffle back.
        s.PressButton(3, 1);
        s.PressButton(4, 1);
        if (s.view.congratulations.empty()) s.PressButton(2, 2);
        ASSERT_EQ(s.view.congratulations.size(), 1u) << c.what;
        EXPECT_EQ(s.view.wins, c.wins) << c.what;

        // Won again after a resize brought the buttons back: no second record.
        s.game.Resize();
        s.PressButton(3, 1);
        s.PressButton(4, 1);
        EXPECT_EQ(s.view.congratulations.size(), 2u) << c.what;
        EXPECT_EQ(s.view.wins, c.wins) << c.what;
    }
}

TEST(Labels, FitRuleHidesTextTooWideForHalfTheWindow) {
    Session s;
    s.Start(3, kFiveMoves);
    s.view.width = 2000;  // half is 1000 twips; the sentences are wider
    s.game.Tick();
    s.PressButton(1, 1);
    EXPECT_FALSE(s.view.labels[Mes::Time].visible);
    EXPECT_FALSE(s.view.labels[Mes::Clicks].visible);
    EXPECT_FALSE(s.view.labels[Mes::Faces].visible);
    EXPECT_EQ(s.view.labels[Mes::Time].text, "所要時間　00時間00分01秒　です") << "the caption is still updated";
    s.view.width = 6675;
    s.game.Tick();
    EXPECT_TRUE(s.view.labels[Mes::Time].visible);
    EXPECT_EQ(s.game.ElapsedSec, 2);
}

TEST(Labels, ResizeHidesAndEmptiesTheThreeLabelsButKeepsTheGame) {
    Session s;
    s.Start(3, kFiveMoves);
    s.game.Tick();
    s.PressButton(3, 1);
    const Cube before = *s.game.CubeState();
    s.view.width = 9000;
    s.game.Resize();
    for (Mes m : {Mes::Faces, Mes::Time, Mes::Clicks}) {
        EXPECT_FALSE(s.view.labels[m].visible);
        EXPECT_EQ(s.view.labels[m].text, "");
    }
    EXPECT_TRUE(SameCells(*s.game.CubeState(), before));
    EXPECT_EQ(s.game.ClickCount, 1);
    EXPECT_EQ(s.game.ElapsedSec, 1);
    EXPECT_EQ(s.game.History().HistPos, 1);
    EXPECT_EQ(s.game.BoardState().BlockSize, 452) << "laid out for the new size";
    EXPECT_EQ(s.game.BoardState().Block(1, 1, 1, 3).BlockLeft, 2 * 4 * 452 + 452 + 884);
}

// ---------------------------------------------------------------- game numbers

TEST(GameNumber, ReadsOneSpellingOfEachGameAndNamesWhatIsOutOfRange) {
    using S = GameNumberStatus;
    struct Case {
        std::string text;
        GameNumberStatus status;
        GameNumber number = {};
    };
    const std::vector<Case> cases = {
        {"3-20-4093127", S::Ok, {3, 20, 4093127}},
        {" \t3-20-4093127 \t", S::Ok, {3, 20, 4093127}},
        {"2-1-0", S::Ok, {2, 1, 0}},
        {"10-9999-2147483647", S::Ok, {10, 9999, 2147483647}},
        {"1-20-5", S::BlockCountOutOfRange},
        {"0-20-5", S::BlockCountOutOfRange},
        {"11-20-5", S::BlockCountOutOfRange},
        {"99999999999999999999-20-5", S::BlockCountOutOfRange},
        {"1-0-2147483648", S::BlockCountOutOfRange},  // the first fault is told
        {"3-0-5", S::MovesOutOfRange},
        {"3-10000-5", S::MovesOutOfRange},
        {"3-20-2147483648", S::SeedOutOfRange},
        {"3-20-9999999999", S::SeedOutOfRange},
        {"3-20-99999999999999999999999", S::SeedOutOfRange},
        {"", S::NotAGameNumber},
        {" \t ", S::NotAGameNumber},
        {"3", S::NotAGameNumber},
        {"3-20", S::NotAGameNumber},
        {"3-20-", S::NotAGameNumber},
        {"3-20-5-1", S::NotAGameNumber},
        {"3--20-5", S::NotAGameNumber},
        {"-3-20-5", S::NotAGameNumber},
        {"+3-20-5", S::NotAGameNumber},
        {"03-20-5", S::NotAGameNumber},
        {"3-020-5", S::NotAGameNumber},
        {"3-20-05", S::NotAGameNumber},
        {"3-20-00", S::NotAGameNumber},
        {"3 -20-5", S::NotAGameNumber},
        {"3-20-5\n", S::NotAGameNumber},
        {"3-20-5x", S::NotAGameNumber},
        {"3.0-20-5", S::NotAGameNumber},
        {"3-20-1e5", S::NotAGameNumber},
        {"3_20_5", S::NotAGameNumber},
        {"\xEF\xBC\x93-20-5", S::NotAGameNumber},  // a full-width 3
        {"3\xEF\xBC\x8D"
         "20\xEF\xBC\x8D"
         "5",
         S::NotAGameNumber},  // full-width hyphens
        {"3-20-5\0"s, S::NotAGameNumber},
    };
    for (const auto& c : cases) {
        const GameNumberReading got = ReadGameNumber(c.text);
        EXPECT_EQ(got.status, c.status) << c.text;
        if (c.status == S::Ok) {
            EXPECT_EQ(got.number, c.number) << c.text;
            EXPECT_EQ(ReadGameNumber(FormatGameNumber(got.number)).number, c.number) << c.text;
        }
    }
    EXPECT_EQ(FormatGameNumber({3, 20, 4093127}), "3-20-4093127");
}

// What both front ends tell of a typed text that starts no game: the text
// as typed when it is no number, the number without its blanks when it is
// out of range, and every message through the player's language.
TEST(GameNumber, MessagesNameWhatWasTypedAndSpeakThePlayersLanguage) {
    const std::string notANumber =
        "はゲーム番号として読めません。\nゲーム番号は「3-20-4093127」のように、ブロック数、シャッフルの回数、"
        "乱数の種の三つの数を半角の数字で書き、半角の「-」でつないだものです。";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"3-20-4093127", ""},
        {" abc\t", "「 abc\t」" + notANumber},
        {"%2-1-1", "「%2-1-1」" + notANumber},
        {" \t11-20-5 ", "ゲーム番号「11-20-5」のブロック数は使えません。\nブロック数は2から10までです。"},
        {"3-0-5\t", "ゲーム番号「3-0-5」のシャッフルの回数は使えません。\nシャッフルの回数は1から9999までです。"},
        {"3-20-2147483648",
         "ゲーム番号「3-20-2147483648」の乱数の種は使えません。\n乱数の種は0から2147483647までです。"},
    };
    for (const auto& [typed, message] : cases) EXPECT_EQ(GameNumberMessage(ReadGameNumber(typed), typed), message);
    EXPECT_EQ(NumberCopiedText({3, 20, 4093127}), "ゲーム番号 3-20-4093127 をコピーしました");

    SetTextTranslator([](const char* context, const char* text) {
        return std::string(context) + "|" + std::string(text).substr(0, std::string(text).find('\n'));
    });
    EXPECT_EQ(GameNumberMessage(ReadGameNumber("3-0-5"), "3-0-5"),
              "frmCube|ゲーム番号「3-0-5」のシャッフルの回数は使えません。");
    EXPECT_EQ(NumberCopiedText({2, 1, 0}), "frmCube|ゲーム番号 2-1-0 をコピーしました");
    SetTextTranslator(nullptr);
}

// The same number makes the same shuffle on every machine and with every
// build: these moves are the generator's, pinned.
TEST(GameNumber, TheSameNumberGivesTheSameShuffleEverywhere) {
    const std::vector<std::pair<GameNumber, std::vector<Move>>> golden = {
        {{3, 20, 4093127}, {{6, 3}, {2, 1}, {2, 1}, {5, 3}, {3, 1}, {5, 1}, {2, 2}, {5, 2}, {3, 3}, {2, 3},
                            {6, 1}, {6, 3}, {6, 3}, {6, 3}, {2, 2}, {6, 3}, {3, 1}, {6, 1}, {6, 3}, {2, 3}}},
        {{2, 5, 0}, {{6, 1}, {4, 2}, {5, 1}, {1, 1}, {5, 1}}},
        {{10, 8, 2147483647}, {{3, 6}, {1, 6}, {3, 5}, {6, 10}, {4, 9}, {2, 5}, {1, 5}, {1, 9}}},
    };
    for (const auto& [number, moves] : golden) {
        EXPECT_EQ(ShuffleMoves(number), moves) << FormatGameNumber(number);
        // The game makes exactly them, drawn by the program's own generator.
        FakeView view;
        SeededRandom random(99);
        Game game(view, random, [] { return 5u; });
        game.NewGame(number);
        EXPECT_TRUE(SameCells(*game.CubeState(), Replayed(number.blockN, moves))) << FormatGameNumber(number);
    }
    // A new game's seed out of the clock: 0 to 2^31 - 1.
    EXPECT_EQ(GameSeed(0), 0);
    EXPECT_EQ(GameSeed(1234), 1234);
    EXPECT_EQ(GameSeed(2147483648ULL), 0);
    EXPECT_EQ(GameSeed(2147483647ULL), 2147483647);
    EXPECT_EQ(GameSeed(~0ULL), 2147483647);
}

TEST(GameNumber, EveryShuffledGameHasOneFromItsStart) {
    Session s;
    EXPECT_FALSE(s.game.Number()) << "before the first Start";
    s.view.checked = {true, false};
    s.view.file = {4, 5};
    std::optional<GameNumber> duringShuffle;
    s.view.onPause = [&](PauseKind) {
        duringShuffle = s.game.Number();
        return true;
    };
    s.NewGame();
    EXPECT_EQ(duringShuffle, (GameNumber{4, 5, 1234})) << "known while the shuffle is shown";
    EXPECT_EQ(s.random.seeds, (std::vector<std::uint64_t>{1234}));
    EXPECT_EQ(s.game.Number(), (GameNumber{4, 5, 1234}));
    // Out-of-range options give the number of the game actually made.
    s.view.onPause = nullptr;
    s.view.checked = {false, false};
    s.view.file = {40, 20000};
    s.NewGame();
    EXPECT_EQ(s.game.Number(), (GameNumber{10, 9999, 1234}));
    s.view.file = {3, 0};
    s.NewGame();
    EXPECT_FALSE(s.game.Number()) << "a game without shuffle has none";
}

// A typed number starts exactly that game: the options are not read, and
// its moves are the game's own to the end, whatever the options say.
TEST(GameNumber, ATypedNumberIsThatGameWhateverTheOptionsSay) {
    Session s;
    s.view.difficulty = 0;  // the options say Practice
    s.view.file = {7, 40};
    s.view.onCongratulations = [&] { s.game.BobjClear(); };
    const GameNumber number{2, 2, 77};
    s.random.Script({{1, 2}, {3, 1}}, 2);  // what the seed draws, here
    s.game.NewGame(number);
    s.PassWaits();
    EXPECT_EQ(std::count(s.view.log.begin(), s.view.log.end(), "load"), 0) << "the options file is not read";
    EXPECT_EQ(s.random.seeds, (std::vector<std::uint64_t>{77}));
    EXPECT_EQ(s.game.BlockN(), 2);
    EXPECT_EQ(s.game.History().Capacity(), 2);
    EXPECT_EQ(s.game.Number(), number);
    EXPECT_TRUE(s.view.clock);

    // The practice command during the game sets the following games only.
    s.view.difficulty = 0;
    s.PressButton(3, 1);
    s.PressButton(3, 2);
    s.PressButton(3, 1);
    EXPECT_EQ(s.game.ClickCount, 3) << "counted as a game of two moves";
    int undone = 0;
    for (int i = 0; i < 5; ++i) {
        const Cube before = *s.game.CubeState();
        s.game.Undo();
        undone += SameCells(before, *s.game.CubeState()) ? 0 : 1;
    }
    EXPECT_EQ(undone, 2) << "the history keeps the game's two moves";

    // Won like any game, and entered under the number's block count and moves.
    s.game.Tick();
    s.PressButton(4, 1);  // the first press taken back by hand
    s.PressButton(4, 1);
    s.PressButton(2, 2);
    ASSERT_EQ(s.view.congratulations.size(), 1u);
    EXPECT_EQ(s.view.wins, (std::vector<GameResult>{{2, 2, 1, 6, 77}}));

    // The next Start reads the options again.
    s.view.file = {3, 5};
    s.NewGame();
    EXPECT_EQ(s.game.Number(), (GameNumber{3, 5, 1234}));
}

// ---------------------------------------------------------------- undo

TEST(Undo, TakesBackThePlayersRecentMovesOnly) {
    Session s;
    s.Start(3, kFiveMoves);
    const Cube shuffled = *s.game.CubeState();
    s.PressButton(1, 1);
    s.PressButton(5, 2);
    s.PressButton(4, 3);
    const int clicks = s.game.ClickCount;
    for (int i = 0; i < 3; ++i) s.game.Undo();
    EXPECT_TRUE(SameCells(*s.game.CubeState(), shuffled));
    s.game.Undo();  // a fourth press does nothing
    EXPECT_TRUE(SameCells(*s.game.CubeState(), shuffled));
    EXPECT_EQ(s.game.ClickCount, clicks) << "an undo is not a click";
    EXPECT_EQ(s.view.clicksPlayed, 3) << "and plays no sound";

    // Seven moves with five remembered: only the last five come back.
    for (int i = 1; i <= 7; ++i) s.PressButton(i % 2 + 1, i % 3 + 1);
    for (int i = 0; i < 9; ++i) s.game.Undo();
    EXPECT_TRUE(SameCells(*s.game.CubeState(), [&] {
        Cube c = shuffled;
        for (int i = 1; i <= 2; ++i) c.ApplyMove(i % 2 + 1, i % 3 + 1);
        return c;
    }()));
}

TEST(Undo, ZeroDifficultyNeverUndoes) {
    Session practice;
    practice.Start(3, {});
    practice.PressButton(1, 2);
    practice.game.Undo();
    EXPECT_EQ(practice.game.CubeState()->CountSolvedFaces(), 2);
}

TEST(Undo, CubeRestoredByUndoingIsNotWonButOneRestoredByAClickIs) {
    Session s;
    s.Start(3, {{1, 1}, {2, 1}});  // a shuffle that came out solved by chance
    s.view.onCongratulations = [&] { s.game.BobjClear(); };
    s.PressButton(3, 1);
    const int faceTexts = s.view.labels[Mes::Faces].textSets;
    s.game.Undo();
    EXPECT_EQ(s.game.CubeState()->CountSolvedFaces(), 6);
    EXPECT_TRUE(s.view.congratulations.empty());
    EXPECT_EQ(s.view.labels[Mes::Faces].textSets, faceTexts) << "the undo does not count faces";
    EXPECT_TRUE(s.view.clock);

    s.PressButton(3, 1);
    s.PressButton(4, 1);
    EXPECT_EQ(s.view.congratulations.size(), 1u);
}

// ---------------------------------------------------------------- redo

TEST(Redo, MakesAgainWhatUndoTookBackExactlyAsPressesOfTheirButtons) {
    Session s;
    s.Start(3, kFiveMoves);
    const std::vector<Move> made = {{1, 1}, {5, 2}, {4, 3}};
    for (Move m : made) s.PressButton(NumberOf(m.kind), m.line);
    const Cube afterPresses = *s.game.CubeState();
    for (int i = 0; i < 3; ++i) s.game.Undo();
    const int facesChecked = s.view.labels[Mes::Faces].textSets;
    s.view.said.clear();

    for (int i = 0; i < 4; ++i) s.game.Redo();  // a fourth has nothing to make
    EXPECT_TRUE(SameCells(*s.game.CubeState(), afterPresses));
    EXPECT_EQ(s.game.ClickCount, 6) << "each redo is a click";
    EXPECT_EQ(s.view.clicksPlayed, 6) << "and plays the sound";
    EXPECT_EQ(s.view.labels[Mes::Clicks].text, ClicksText(6));
    EXPECT_EQ(s.view.labels[Mes::Faces].textSets, facesChecked + 3) << "and counts the faces";
    const MoveHistory& h = s.game.History();
    EXPECT_EQ(h.HistPos, 3);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(h.Entry(i), made[static_cast<std::size_t>(i - 1)]);
    ASSERT_EQ(s.view.said.size(), 3u);
    EXPECT_EQ(s.view.said[0].rfind("やり直し、1行目を左へ。現在全色一致している面数は　", 0), 0u) << s.view.said[0];

    // Undone once more, Z walks back as before; a move of the player's own
    // then drops what could be redone.
    s.game.Undo();
    s.game.Undo();
    s.PressButton(2, 3);
    const Cube afterNewMove = *s.game.CubeState();
    s.game.Redo();
    EXPECT_TRUE(SameCells(*s.game.CubeState(), afterNewMove));
    EXPECT_EQ(s.game.ClickCount, 7);
}

TEST(Redo, NothingToRedoBeforeAGameInAPracticeGameOrAfterAWin) {
    Session none;
    none.game.Redo();
    EXPECT_FALSE(none.game.CubeState());

    Session practice;
    practice.Start(3, {});
    practice.PressButton(1, 2);
    practice.game.Undo();
    practice.game.Redo();
    EXPECT_EQ(practice.view.clicksPlayed, 1);

    Session won;
    won.view.onCongratulations = [&] { won.game.BobjClear(); };
    won.Start(3, {{1, 1}});
    won.PressButton(3, 2);
    won.game.Undo();
    won.game.Redo();  // the press again
    won.PressButton(4, 2);
    won.PressButton(2, 1);
    ASSERT_EQ(won.view.congratulations.size(), 1u);
    won.game.Undo();
    won.game.Redo();
    EXPECT_EQ(won.view.clicksPlayed, 4) << "a won game makes no more moves";
    won.game.Resize();  // the buttons are back, but not what could be redone
    won.game.Undo();
    won.game.Redo();
    EXPECT_EQ(won.view.clicksPlayed, 4);
}

// A move the player made while the practice command had set 0 moves was not
// looked at; taken back and made again once moves count, it wins as its
// press would.
TEST(Redo, ARedoThatSolvesTheCubeWinsAsItsPressWould) {
    Session s;
    s.view.onCongratulations = [&] { s.game.BobjClear(); };
    s.Start(3, {{1, 1}, {3, 2}});
    s.game.Tick();
    s.PressButton(4, 2);  // the cube one move from solved
    s.view.difficulty = 0;
    s.PressButton(2, 1);  // solved, but not looked at
    EXPECT_TRUE(s.view.congratulations.empty());
    s.view.difficulty = 2;
    s.game.Undo();
    s.game.Redo();
    ASSERT_EQ(s.view.congratulations.size(), 1u);
    EXPECT_FALSE(s.view.clock);
    EXPECT_EQ(s.view.wins, (std::vector<GameResult>{{3, 2, 1, 2, 1234}}));
    EXPECT_EQ(s.view.said.back().rfind("全ての面がそろいました。", 0), 0u) << "told once, as the win";
}

// ---------------------------------------------------------------- demonstration

TEST(Demo, TakesTheShuffleBackPointingAtEachButtonFirst) {
    Session s;
    s.view.checked = {false, true};
    std::vector<bool> menusAtPause;
    std::vector<std::size_t> pointerMovesAtPause;
    s.view.onPause = [&](PauseKind kind) {
        EXPECT_EQ(kind, PauseKind::Demonstration);
        menusAtPause.push_back(s.view.menusEnabled);
        pointerMovesAtPause.push_back(s.view.demoPointerMoves.size());
        EXPECT_EQ(s.view.pointer, Pointer::Invisible);
        EXPECT_TRUE(s.view.demoPointerVisible);
        return true;
    };
    s.Start(3, kFiveMoves);

    ASSERT_EQ(s.view.demoPointerMoves.size(), 5u);
    for (int step = 0; step < 5; ++step) {
        const Move m = Reverse(kFiveMoves[static_cast<std::size_t>(4 - step)]);
        const Ishape* b = s.FindButton(NumberOf(m.kind), m.line);
        EXPECT_EQ(s.view.demoPointerMoves[static_cast<std::size_t>(step)],
                  std::make_pair(b->ButtonLeft(), b->ButtonTop()))
            << "step " << step;
        EXPECT_EQ(pointerMovesAtPause[static_cast<std::size_t>(step)], static_cast<std::size_t>(step + 1));
    }
    EXPECT_EQ(menusAtPause, std::vector<bool>(5, false));
    EXPECT_EQ(s.game.CubeState()->CountSolvedFaces(), 6);
    EXPECT_EQ(s.view.labels[Mes::Faces].textSets, 0) << "a demonstration never wins";
    EXPECT_TRUE(s.view.congratulations.empty());
    EXPECT_EQ(s.view.demoPointerSize, s.game.BoardState().HalfBlock);
    // The notice stood where the clock would, and everything is restored.
    const Board& b = s.game.BoardState();
    EXPECT_DOUBLE_EQ(s.view.noticeAt.first, b.BlockObjs[19].BlockLeft / 3.0);
    EXPECT_EQ(s.view.noticeAt.second, b.BlockObjs[46].BlockTop + 400);
    EXPECT_EQ(s.view.labels[Mes::Notice].text, "ただいまデモ中につき自動操作中");
    EXPECT_FALSE(s.view.labels[Mes::Notice].visible);
    EXPECT_FALSE(s.view.demoPointerVisible);
    EXPECT_TRUE(s.view.menusEnabled);
    EXPECT_EQ(s.view.pointer, Pointer::Default);
    EXPECT_FALSE(s.view.clock);
    EXPECT_FALSE(s.view.labels[Mes::Time].visible);
    EXPECT_EQ(s.game.ClickCount, 0);
    EXPECT_EQ(s.game.History().HistCount, 0);
}

TEST(Demo, PressDuringAPauseMovesALineAndTheDemonstrationGoesOn) {
    Session s;
    s.view.checked = {false, true};
    bool pressed = false;
    s.view.onPause = [&](PauseKind) {
        if (!pressed) {
            pressed = true;
            s.PressButton(1, 1);
        }
        return true;
    };
    s.Start(3, kFiveMoves);
    EXPECT_EQ(s.view.pauses, 5);
    EXPECT_LT(s.game.CubeState()->CountSolvedFaces(), 6) << "the press stays on the cube";
    EXPECT_EQ(s.view.clicksPlayed, 1);
}

TEST(Demo, ZeroMovesOnlyFlashesTheNotice) {
    Session s;
    s.view.checked = {false, true};
    s.Start(3, {});
    EXPECT_EQ(s.view.pauses, 0);
    EXPECT_EQ(std::count(s.view.log.begin(), s.view.log.end(), "notice"), 1);
    EXPECT_FALSE(s.view.labels[Mes::Notice].visible);
    EXPECT_TRUE(s.view.menusEnabled);
    EXPECT_FALSE(s.view.clock);
}

TEST(Demo, UnrecordedEntriesMakeNoMoveAndLeaveThePointer) {
    Session s;
    s.view.checked = {true, false};  // recording switched on only after two moves
    int shufflePauses = 0;
    s.view.onPause = [&](PauseKind kind) {
        if (kind == PauseKind::Shuffle && ++shufflePauses == 2) s.view.checked = {true, true};
        return true;
    };
    s.Start(3, kFiveMoves);
    EXPECT_EQ(s.view.pauses, 5 + 5);
    EXPECT_EQ(s.view.demoPointerMoves.size(), 3u);
    EXPECT_TRUE(SameCells(*s.game.CubeState(), Replayed(3, {kFiveMoves[0], kFiveMoves[1]})));
}

TEST(Demo, EscFinishesAtOnceAsTheWholeDemonstrationWould) {
    // A press during the second wait makes the cube differ from the shuffle,
    // so that the cube the finish leaves is not simply the solved one.
    auto run = [](int escAtWait, bool press) {
        auto s = std::make_unique<Session>();
        s->view.checked = {false, true};
        int waits = 0;
        s->view.onPause = [&s, &waits, escAtWait, press](PauseKind) {
            ++waits;
            if (press && waits == 2) s->PressButton(1, 1);
            if (waits == escAtWait) s->game.FinishDemo();
            return true;
        };
        s->Start(3, kFiveMoves);
        s->view.onPause = nullptr;
        return std::make_pair(std::move(s), waits);
    };
    const std::size_t netPrimitives = 54u * 11;
    for (bool press : {false, true}) {
        const auto [whole, wholeWaits] = run(0, press);
        ASSERT_EQ(wholeWaits, 5);
        for (int escAt = press ? 2 : 1; escAt <= 5; ++escAt) {
            const auto [s, waits] = run(escAt, press);
            const std::string what = "Esc at wait " + std::to_string(escAt) + (press ? ", after a press" : "");
            EXPECT_EQ(waits, escAt) << what << ": no wait after Esc";
            EXPECT_FALSE(s->view.pending) << what;
            EXPECT_EQ(s->view.demoPointerMoves.size(), static_cast<std::size_t>(escAt)) << what << ": no pointing";
            EXPECT_TRUE(SameCells(*s->game.CubeState(), *whole->game.CubeState())) << what;
            EXPECT_EQ(s->game.CubeState()->CountSolvedFaces() == 6, !press) << what;
            // The net drawn last is the cube as it ends.
            ASSERT_GE(s->view.surface.drawn.size(), netPrimitives);
            EXPECT_TRUE(std::equal(s->view.surface.drawn.end() - netPrimitives, s->view.surface.drawn.end(),
                                   whole->view.surface.drawn.end() - netPrimitives))
                << what;
            // Ended exactly as the whole demonstration ends.
            EXPECT_EQ(s->game.CurrentPhase(), Game::Phase::Playing) << what;
            EXPECT_TRUE(s->view.menusEnabled) << what;
            EXPECT_EQ(s->view.pointer, Pointer::Default) << what;
            EXPECT_FALSE(s->view.demoPointerVisible) << what;
            EXPECT_FALSE(s->view.labels[Mes::Notice].visible) << what;
            EXPECT_FALSE(s->view.clock) << what;
            EXPECT_FALSE(s->view.labels[Mes::Time].visible) << what;
            EXPECT_EQ(s->game.ClickCount, 0) << what;
            EXPECT_TRUE(s->view.congratulations.empty()) << what << ": a demonstration never wins";
        }
    }
}

TEST(Demo, EscOutsideTheDemonstrationDoesNothing) {
    Session s;
    s.game.FinishDemo();  // before any game
    EXPECT_TRUE(s.view.surface.drawn.empty());
    s.view.checked = {true, false};
    int waits = 0;
    s.view.onPause = [&](PauseKind) {
        if (++waits == 2) s.game.FinishDemo();  // inside a shown shuffle
        return true;
    };
    s.Start(3, kFiveMoves);
    EXPECT_EQ(waits, 5) << "the shuffle went on";
    s.game.FinishDemo();  // while playing
    EXPECT_TRUE(SameCells(*s.game.CubeState(), Replayed(3, kFiveMoves)));
    EXPECT_TRUE(s.view.clock);
    EXPECT_EQ(s.game.CurrentPhase(), Game::Phase::Playing);
}

// ---------------------------------------------------------------- keyboard play

TEST(Texts, ScreenReadersHearTheNetAndEveryButtonInJapanese) {
    const std::vector<std::pair<Move, std::string>> names = {
        {{1, 1}, "1行目を左へ"},
        {{2, 3}, "3行目を右へ"},
        {{3, 2}, "2列目を上へ"},
        {{4, 10}, "10列目を下へ"},
        {{5, 1}, "右の面の1列目を上へ"},
        {{6, 2}, "右の面の2列目を下へ"},
        {Move{}, ""},
    };
    for (const auto& [move, name] : names) EXPECT_EQ(MoveButtonName(move), name) << NumberOf(move.kind);

    EXPECT_EQ(NetDescription(nullptr), "ゲームはまだ始まっていません");
    Cube cube(3);
    EXPECT_EQ(NetDescription(&cube), FacesText(6));
    cube.ApplyMove({1, 2});  // the band's middle row: only the top and the bottom stay whole
    EXPECT_EQ(NetDescription(&cube), FacesText(2));
}

TEST(Texts, ScreenReadersHearTheFacesTheirBlocksAndEachChange) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {FaceName(kTop), "上の面"},
        {FaceName(kBack), "左端の面"},
        {FaceName(kLeft), "左の面"},
        {FaceName(kFront), "正面"},
        {FaceName(kRight), "右の面"},
        {FaceName(kBottom), "下の面"},
        {FaceName(0), ""},
        {ColourWord(0x00FF00), "緑"},
        {ColourWord(0x0000FF), "赤"},
        {ColourWord(0xFF0000), "青"},
        {ColourWord(0x00FFFF), "黄"},
        {ColourWord(0xFFFF00), "水色"},
        {ColourWord(0xFF00FF), "赤紫"},
        {ColourWord(0x000000), ""},
        {ColourWord(0x00FF01), ""},
        {BlockPlace(2, 10), "2行目10列目"},
        {MoveAnnouncement({5, 1}, 2), "右の面の1列目を上へ。現在全色一致している面数は　2　面です"},
        {UndoAnnouncement({2, 3}, 4), "取り消し、3行目を右へ。現在全色一致している面数は　4　面です"},
        {StartAnnouncement(0), "ゲーム開始。現在全色一致している面数は　0　面です"},
        {WinAnnouncement(3, 75),
         "全ての面がそろいました。今までのクリック回数は　3　回です。所要時間　00時間01分15秒　です"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST(Announce, EachChangeIsToldOnceAndTheShuffleAndDemonstrationAreNot) {
    Session s;
    s.view.checked = {true, false};  // a shown shuffle: five waits, five draws
    s.Start(3, kFiveMoves);
    const auto solved = [&] { return SolvedFaces(*s.game.CubeState()); };
    std::vector<std::string> expected = {StartAnnouncement(solved())};
    EXPECT_EQ(s.view.said, expected) << "the shuffle says nothing, its end says the game starts";

    s.PressButton(1, 1);
    expected.push_back(MoveAnnouncement({1, 1}, solved()));
    s.game.Undo();
    expected.push_back(UndoAnnouncement({2, 1}, solved()));
    s.game.Tick();
    s.game.Undo();  // nothing left to take back: nothing said
    EXPECT_EQ(s.view.said, expected);

    // The winning press is told as the win, before the congratulations.
    s.view.onCongratulations = [&] {
        EXPECT_EQ(s.view.said.back(), WinAnnouncement(6, 1));
        s.game.BobjClear();
    };
    for (int i = 4; i >= 0; --i) {
        const Move m = Reverse(kFiveMoves[static_cast<std::size_t>(i)]);
        s.PressButton(NumberOf(m.kind), m.line);
        expected.push_back(i > 0 ? MoveAnnouncement(m, solved()) : WinAnnouncement(6, 1));
    }
    EXPECT_EQ(s.view.said, expected);
    ASSERT_EQ(s.view.congratulations.size(), 1u);

    // The demonstration's moves are not the player's: only the start of play after it.
    s.view.said.clear();
    s.view.checked = {false, true};
    s.Start(3, kFiveMoves);
    EXPECT_EQ(s.view.said, std::vector<std::string>{StartAnnouncement(6)});
}

// The focus mark's square as the view was told it: the button's own.
std::optional<std::array<std::int32_t, 3>> SquareOf(const Session& s, int kind, int line) {
    const Ishape* b = s.FindButton(kind, line);
    return std::array<std::int32_t, 3>{b->ButtonLeft(), b->ButtonTop(), s.game.BoardState().HalfBlock};
}

TEST(Keys, FirstArrowShowsTheMarkAndTheNextOnesMoveItWithoutDrawing) {
    Session s;
    s.Start(3, kFiveMoves);
    EXPECT_FALSE(s.view.mark);
    EXPECT_EQ(s.game.MarkedButton(), nullptr);
    const Cube before = *s.game.CubeState();
    const std::size_t drawn = s.view.surface.drawn.size();

    s.game.ArrowKey(Arrow::Right);  // shows it on the first button, whichever arrow
    EXPECT_EQ(s.view.mark, SquareOf(s, 1, 1));
    EXPECT_EQ(s.game.MarkedButton(), s.FindButton(1, 1));
    const std::vector<std::tuple<Arrow, int, int>> path = {
        {Arrow::Down, 1, 2}, {Arrow::Right, 2, 2}, {Arrow::Up, 2, 1}, {Arrow::Up, 3, 3}, {Arrow::Up, 3, 3}};
    for (const auto& [arrow, kind, line] : path) {
        s.game.ArrowKey(arrow);
        EXPECT_EQ(s.view.mark, SquareOf(s, kind, line)) << kind << "," << line;
    }
    EXPECT_TRUE(SameCells(*s.game.CubeState(), before));
    EXPECT_EQ(s.view.surface.drawn.size(), drawn) << "the mark is no part of the drawn net";
    EXPECT_EQ(s.view.clicksPlayed, 0);

    // It follows its button when the net is laid out again.
    s.view.width = 9000;
    s.game.Resize();
    EXPECT_EQ(s.view.mark, SquareOf(s, 3, 3));
}

TEST(Keys, SpaceEnterAndScreenReadersPressExactlyAsTheMouseDoes) {
    // The same presses by the mouse, by the marked button and by its move.
    Session mouse, keys, reader;
    for (Session* s : {&mouse, &keys, &reader}) s->Start(3, kFiveMoves);
    keys.game.PressMarked();  // no mark shown yet: nothing
    EXPECT_EQ(keys.view.clicksPlayed, 0);
    keys.game.ArrowKey(Arrow::Down);
    for (const Move m : {Move{1, 2}, Move{1, 2}, Move{2, 1}}) {
        mouse.PressButton(NumberOf(m.kind), m.line);
        reader.game.PressButton(m);
    }
    keys.game.ArrowKey(Arrow::Down);
    keys.game.PressMarked();
    keys.game.PressMarked();
    keys.game.ArrowKey(Arrow::Up);
    keys.game.ArrowKey(Arrow::Right);
    keys.game.PressMarked();
    for (Session* s : {&keys, &reader}) {
        EXPECT_TRUE(SameCells(*s->game.CubeState(), *mouse.game.CubeState()));
        EXPECT_EQ(s->game.ClickCount, 3);
        EXPECT_EQ(s->view.clicksPlayed, 3);
        EXPECT_EQ(s->game.History().HistPos, 3);
        EXPECT_EQ(s->game.History().Entry(3), (Move{2, 1}));
        EXPECT_EQ(s->view.labels[Mes::Faces].text, mouse.view.labels[Mes::Faces].text);
        EXPECT_EQ(s->view.labels[Mes::Clicks].text, mouse.view.labels[Mes::Clicks].text);
        EXPECT_EQ(s->view.surface.drawn.size(), mouse.view.surface.drawn.size());
    }
    reader.game.PressButton({1, 4});  // no such line
    reader.game.PressButton(Move{});
    EXPECT_EQ(reader.view.clicksPlayed, 3);
}

TEST(Keys, MousePressHidesTheMarkAndTheNextArrowShowsItOnTheButtonPressed) {
    Session s;
    s.Start(3, kFiveMoves);
    s.game.ArrowKey(Arrow::Down);
    s.PressButton(3, 2);
    EXPECT_FALSE(s.view.mark);
    s.game.PressMarked();
    EXPECT_EQ(s.view.clicksPlayed, 1) << "Space presses nothing while no mark is shown";
    s.game.ArrowKey(Arrow::Left);
    EXPECT_EQ(s.view.mark, SquareOf(s, 3, 2)) << "shown where the mouse pressed, not moved";
    s.game.Press(0, 0);  // a press beside every button hides it too
    EXPECT_FALSE(s.view.mark);
    s.game.ArrowKey(Arrow::Left);
    EXPECT_EQ(s.view.mark, SquareOf(s, 3, 2));
}

TEST(Keys, AWinTakesTheMarkAwayAndTheNextGameShowsItOnALineThatExists) {
    Session s;
    s.Start(3, {{1, 3}});
    s.view.onCongratulations = [&] { s.game.BobjClear(); };
    for (Arrow a : {Arrow::Down, Arrow::Down, Arrow::Down, Arrow::Right}) s.game.ArrowKey(a);
    EXPECT_EQ(s.view.mark, SquareOf(s, 2, 3));
    s.game.PressMarked();
    ASSERT_EQ(s.view.congratulations.size(), 1u) << "won by the keyboard";
    EXPECT_FALSE(s.view.mark);
    s.game.ArrowKey(Arrow::Up);
    s.game.PressMarked();
    EXPECT_FALSE(s.view.mark) << "no button left to mark";
    EXPECT_EQ(s.view.clicksPlayed, 1);

    s.Start(2, {{1, 1}});
    EXPECT_EQ(s.view.mark, SquareOf(s, 2, 2)) << "line 3 is line 2 of a 2 x 2";
}

TEST(Keys, BeforeTheFirstGameNothingReacts) {
    Session s;
    s.game.ArrowKey(Arrow::Down);
    s.game.PressMarked();
    s.game.PressButton({1, 1});
    EXPECT_FALSE(s.view.mark);
    EXPECT_EQ(s.view.clicksPlayed, 0);
}

TEST(Keys, DuringAShownShuffleAndTheDemonstrationKeysActAsTheMouseDoes) {
    for (const bool demonstration : {false, true}) {
        // The same press at the first wait, by the keys and by the mouse.
        Session keys, mouse;
        for (Session* s : {&keys, &mouse}) {
            s->view.checked = {!demonstration, demonstration};
            bool pressed = false;
            s->view.onPause = [s, &keys, pressed](PauseKind) mutable {
                if (pressed) return true;
                pressed = true;
                if (s == &keys) {
                    s->game.ArrowKey(Arrow::Down);
                    s->game.PressMarked();
                } else {
                    s->PressButton(1, 1);
                }
                return true;
            };
            s->Start(3, kFiveMoves);
        }
        EXPECT_EQ(keys.view.clicksPlayed, 1) << demonstration;
        EXPECT_EQ(keys.game.History().HistCount, mouse.game.History().HistCount) << demonstration;
        EXPECT_TRUE(SameCells(*keys.game.CubeState(), *mouse.game.CubeState())) << demonstration;
        EXPECT_FALSE(SameCells(*keys.game.CubeState(), Replayed(3, demonstration ? std::vector<Move>{} : kFiveMoves)))
            << "the press stays on the cube";
    }
}

}  // namespace
}  // namespace tessaro
