#include "session/game.h"

#include <algorithm>
#include <utility>

#include "session/game_texts.h"

namespace tessaro {

Game::Game(GameView& view, RandomSource& random, SeedClock seedClock)
    : view_(view), random_(random), seedClock_(std::move(seedClock)) {}

// ---------------------------------------------------------------- new game

void Game::NewGame() {
    ClearGame();

    const GameSettings settings = view_.LoadSettings();
    // A block count outside 2..10 (the 0 of a fresh folder among them) is
    // brought to the nearest end, and the number of moves to 0..kMaxDifficulty,
    // so that every Start shows a playable net.
    const int n = std::clamp(settings.blockN, kMinBlockN, kMaxBlockN);
    const std::int32_t moves = std::clamp(settings.difficulty, 0, kMaxDifficulty);
    typedNumber_ = false;
    Begin(n, moves, moves > 0 ? GameSeed(seedClock_()) : 0);
}

void Game::NewGame(const GameNumber& number) {
    ClearGame();

    // The reader lets only playable numbers through; brought into range all
    // the same, as the options are.
    typedNumber_ = true;
    Begin(std::clamp<int>(number.blockN, kMinBlockN, kMaxBlockN), std::clamp(number.moves, 0, kMaxDifficulty),
          std::clamp(number.seed, 0, kMaxGameSeed));
}

void Game::ClearGame() {
    // A shuffle still running belongs to the game this one replaces.
    view_.StopWait();
    if (phase_ == Phase::Demonstrating) RestoreAfterDemo();
    phase_ = Phase::Idle;
    recordMoves_ = 0;
    congratulating_ = false;
    view_.SetPointer(Pointer::Busy);
    history_.HistCount = 0;
    view_.DrawingSurface().Cls();
    BobjClear();
}

void Game::Begin(int n, std::int32_t moves, std::int32_t seed) {
    cube_.emplace(n);  // new cells, painted solved
    mark_.line = std::min<std::int32_t>(mark_.line, n);
    history_.Reset(moves);
    board_.ResetBlocks(n);
    tessaro::BlockSizeCalc(board_, n, view_.ScaleWidth(), view_.ScaleHeight());
    BlockDrawAll();
    PlaceLabels(ButtonMakeAll(board_, n, view_.DrawingSurface()));
    ShowMark();

    shuffleMoves_ = moves;
    shuffleDone_ = 0;
    number_.reset();
    if (moves > 0) {
        number_ = GameNumber{n, moves, seed};
        random_.Seed(static_cast<std::uint64_t>(seed));
    }
    phase_ = Phase::Shuffling;
    ShuffleOn();
}

std::int32_t Game::Difficulty() const { return typedNumber_ ? shuffleMoves_ : view_.Difficulty(); }

void Game::Step() {
    switch (phase_) {
    case Phase::Shuffling:
        BlockDrawAll();
        ShuffleOn();
        break;
    case Phase::Demonstrating:
        BlockDrawAll();
        DemoOn();
        break;
    case Phase::Idle:
    case Phase::Playing: break;  // nothing waits
    }
}

void Game::ShuffleOn() {
    const int n = BlockN();
    bool undrawn = false;
    while (shuffleDone_ < shuffleMoves_) {
        const std::int32_t i = ++shuffleDone_;
        const Move move = DrawMove(random_, n);
        if (view_.IsOptionChecked(1)) history_.RecordShuffle(i, move);
        RunMove(move);
        if (view_.IsOptionChecked(0)) {
            // Shown: drawn when the wait is over, then the next move.
            view_.StartWait(PauseKind::Shuffle);
            return;
        }
        // Without a wait no window event runs, so no step could be seen:
        // the net is drawn once, after the last of these moves.
        undrawn = true;
    }
    if (undrawn) BlockDrawAll();

    if (view_.IsOptionChecked(1)) {
        DemoPlay();
    } else {
        ElapsedSec = 0;
        view_.SetClockEnabled(true);
        view_.SetLabelVisible(Mes::Time, true);
        recordMoves_ = shuffleMoves_;
        Started();
    }
}

void Game::Started() {
    phase_ = Phase::Playing;
    ClickCount = 0;
    view_.SetPointer(Pointer::Default);
    view_.Announce(StartAnnouncement(SolvedFaces(*cube_)));
}

// ---------------------------------------------------------------- demonstration

void Game::DemoPlay() {
    phase_ = Phase::Demonstrating;
    view_.SetGameMenusEnabled(false);
    view_.SetPointer(Pointer::Invisible);
    view_.ShowDemoPointer(board_.HalfBlock);
    view_.SetClockEnabled(false);
    view_.SetLabelVisible(Mes::Time, false);
    // Where the clock's label stands.
    view_.ShowNotice(FirstBlock(kBack).BlockLeft / 3.0, FirstBlock(kTop).BlockTop + kLabelSpacing, kDemoNotice);

    // The practice command may have changed the number of moves since the
    // shuffle; only what the history holds can be taken back.
    demoLeft_ = std::clamp(Difficulty(), 0, history_.Capacity());
    DemoOn();
}

void Game::DemoOn() {
    if (DemoStep()) view_.StartWait(PauseKind::Demonstration);
    else DemoEnd();
}

bool Game::DemoStep(bool point) {
    if (phase_ != Phase::Demonstrating || demoLeft_ < 1) return false;
    const Move reverse = Reverse(history_.Entry(demoLeft_--));
    if (point)
        if (const auto i = FindButton(board_, reverse)) {
            const Ishape& button = *board_.ButtonObjs[*i];
            view_.MoveDemoPointer(button.ButtonLeft(), button.ButtonTop());
        }
    RunMove(reverse);
    return true;
}

void Game::FinishDemo() {
    if (phase_ != Phase::Demonstrating) return;
    // The step whose wait is cut short has made its move already; the net
    // shows it with the rest, drawn once.
    view_.StopWait();
    while (DemoStep(false)) {
    }
    BlockDrawAll();
    DemoEnd();
}

void Game::DemoEnd() {
    if (phase_ != Phase::Demonstrating) return;
    RestoreAfterDemo();
    Started();
}

void Game::RestoreAfterDemo() {
    view_.SetLabelVisible(Mes::Notice, false);
    view_.HideDemoPointer();
    view_.SetPointer(Pointer::Default);
    view_.SetGameMenusEnabled(true);
}

// ---------------------------------------------------------------- player input

void Game::Press(float x, float y) {
    const Ishape* hit = HitTest(board_, x, y);
    // A mouse press takes the keyboard's mark away; the next arrow key
    // shows it again on the button pressed.
    if (hit != nullptr) mark_ = {hit->BuFaceN(), hit->BuLineN()};
    if (markShown_) {
        markShown_ = false;
        ShowMark();
    }
    if (hit != nullptr) ButtonPressed(*hit);
}

void Game::PressButton(Move move) {
    if (const auto i = FindButton(board_, move)) ButtonPressed(*board_.ButtonObjs[*i]);
}

void Game::PressMarked() {
    if (const Ishape* button = MarkedButton()) ButtonPressed(*button);
}

void Game::ButtonPressed(const Ishape& button, bool redo) {
    if (!cube_) return;
    const Move move{button.BuFaceN(), button.BuLineN()};
    view_.PlayClick();
    if (redo) history_.Redo(Difficulty());
    else Back(move);
    RunMove(move);
    BlockDrawAll();
    const bool counted = Difficulty() > 0;
    if (counted) ShowClicks();
    // A press that wins is told by the win (FaceCheck), once.
    const int solved = SolvedFaces(*cube_);
    if (!counted || solved < 6) view_.Announce(redo ? RedoAnnouncement(move, solved) : MoveAnnouncement(move, solved));
    if (counted) FaceCheck();
}

void Game::Back(Move move) { history_.Back(move, Difficulty()); }

void Game::Redo() {
    if (!cube_) return;
    const auto move = history_.Redoable(Difficulty());
    if (!move) return;
    // Made by its button, as the player made it first; after a win the
    // buttons are gone, and so is what could be redone.
    if (const auto i = FindButton(board_, *move)) ButtonPressed(*board_.ButtonObjs[*i], true);
}

void Game::Undo() {
    if (!cube_) return;
    const auto taken = history_.TakeBack(Difficulty());
    if (!taken) return;
    const Move made = Reverse(*taken);
    RunMove(made);
    BlockDrawAll();
    view_.Announce(UndoAnnouncement(made, SolvedFaces(*cube_)));
}

void Game::Resize() {
    if (BlockN() < 1) return;
    for (Mes label : {Mes::Faces, Mes::Time, Mes::Clicks}) view_.SetLabelVisible(label, false);
    view_.DrawingSurface().Cls();
    BobjClear();
    tessaro::BlockSizeCalc(board_, BlockN(), view_.ScaleWidth(), view_.ScaleHeight());
    BlockDrawAll();
    PlaceLabels(ButtonMakeAll(board_, BlockN(), view_.DrawingSurface()));
    ShowMark();
}

void Game::BobjClear() {
    tessaro::BobjClear(board_);
    ShowMark();
}

// ---------------------------------------------------------------- keyboard play

void Game::ArrowKey(Arrow arrow) {
    if (board_.ButtonObjs.empty()) return;
    std::size_t at = FindButton(board_, mark_).value_or(0);
    if (markShown_) at = NextButton(board_, at, arrow).value_or(at);
    const Ishape& button = *board_.ButtonObjs[at];
    mark_ = {button.BuFaceN(), button.BuLineN()};
    markShown_ = true;
    ShowMark();
}

const Ishape* Game::MarkedButton() const {
    if (!markShown_) return nullptr;
    const auto i = FindButton(board_, mark_);
    return i ? board_.ButtonObjs[*i].get() : nullptr;
}

void Game::ShowMark() {
    if (const Ishape* button = MarkedButton())
        view_.ShowFocusMark(button->ButtonLeft(), button->ButtonTop(), board_.HalfBlock);
    else view_.HideFocusMark();
}

// ---------------------------------------------------------------- counters

void Game::Tick() {
    if (ElapsedSec < INT32_MAX) ++ElapsedSec;
    view_.SetLabelText(Mes::Time, ClockText(ElapsedSec));
    FitLabel(Mes::Time);
}

void Game::ShowClicks() {
    if (ClickCount < INT32_MAX) ++ClickCount;
    view_.SetLabelText(Mes::Clicks, ClicksText(ClickCount));
    FitLabel(Mes::Clicks);
}

void Game::FaceCheck() {
    if (!cube_) return;
    const int count = cube_->CountSolvedFaces();
    faceDone_ = cube_->FaceDone();
    view_.SetLabelText(Mes::Faces, FacesText(count));
    FitLabel(Mes::Faces);
    if (count == 6) {
        view_.SetClockEnabled(false);
        history_.HistPos = 0;
        history_.HistRedo = 0;
        view_.Announce(WinAnnouncement(ClickCount, ElapsedSec));
        if (recordMoves_ > 0 && number_)
            view_.RecordWin({BlockN(), std::exchange(recordMoves_, 0), ElapsedSec, ClickCount, number_->seed});
        congratulating_ = true;
        view_.ShowCongratulations(FirstBlock(kBack).BlockLeft / 3.0, FirstBlock(kBottom).BlockTop);
    }
}

void Game::CongratulationsClosed() {
    if (std::exchange(congratulating_, false)) BobjClear();
}

void Game::FitLabel(Mes label) { view_.SetLabelVisible(label, LabelFits(view_.ScaleWidth(), view_.LabelWidth(label))); }

// ---------------------------------------------------------------- board

void Game::BlockDrawAll() {
    if (cube_) tessaro::BlockDrawAll(board_, *cube_, view_.DrawingSurface(), view_.ScaleWidth());
}

void Game::PlaceLabels(const std::array<LabelPlace, 3>& places) {
    for (int i = 0; i < 3; ++i)
        view_.PlaceLabel(static_cast<Mes>(i), places[static_cast<std::size_t>(i)].left,
                         places[static_cast<std::size_t>(i)].top);
}

const clsBlockMake& Game::FirstBlock(Face face) const { return board_.Block(face, 1, 1, BlockN()); }

// ---------------------------------------------------------------- moves

void Game::MoveRowLeft(std::int32_t line) { RunMove({MoveKind::RowLeft, line}); }
void Game::MoveRowRight(std::int32_t line) { RunMove({MoveKind::RowRight, line}); }
void Game::MoveColUp(std::int32_t line) { RunMove({MoveKind::ColUp, line}); }
void Game::MoveColDown(std::int32_t line) { RunMove({MoveKind::ColDown, line}); }
void Game::MoveSliceCcw(std::int32_t line) { RunMove({MoveKind::SliceCcw, line}); }
void Game::MoveSliceCw(std::int32_t line) { RunMove({MoveKind::SliceCw, line}); }

void Game::RunMove(Move move) {
    if (cube_) cube_->ApplyMove(move);
}

}  // namespace tessaro
