#include "session/game.h"

#include <algorithm>
#include <utility>

#include "session/game_texts.h"

namespace tessaro {

Game::Game(GameView& view, RandomSource& random, SeedClock seedClock)
    : view_(view), random_(random), seedClock_(std::move(seedClock)) {}

// ---------------------------------------------------------------- new game

void Game::NewGame() {
    const std::uint64_t generation = ++generation_;
    recordMoves_ = 0;
    view_.SetPointer(Pointer::Busy);
    history_.HistCount = 0;
    view_.DrawingSurface().Cls();
    BobjClear();

    const GameSettings settings = view_.LoadSettings();
    // A block count outside 2..10 (the 0 of a fresh folder among them) is
    // brought to the nearest end, and the number of moves to 0..kMaxDifficulty,
    // so that every Start shows a playable net.
    const int n = std::clamp(settings.blockN, kMinBlockN, kMaxBlockN);
    const std::int32_t moves = std::clamp(settings.difficulty, 0, kMaxDifficulty);

    cube_.emplace(n);  // new cells, painted solved
    history_.Reset(moves);
    board_.ResetBlocks(n);
    tessaro::BlockSizeCalc(board_, n, view_.ScaleWidth(), view_.ScaleHeight());
    BlockDrawAll();
    PlaceLabels(ButtonMakeAll(board_, n, view_.DrawingSurface()));

    if (moves > 0 && Shuffle(generation, moves) != Outcome::Done) return;

    if (view_.IsOptionChecked(1)) {
        if (DemoPlay(generation) != Outcome::Done) return;
    } else {
        ElapsedSec = 0;
        view_.SetClockEnabled(true);
        view_.SetLabelVisible(Mes::Time, true);
        recordMoves_ = moves;
    }
    ClickCount = 0;
    view_.SetPointer(Pointer::Default);
}

Game::Outcome Game::AfterPause(bool carryOn, std::uint64_t generation) const {
    if (!carryOn) return Outcome::Ending;
    return generation == generation_ ? Outcome::Done : Outcome::Superseded;
}

Game::Outcome Game::Shuffle(std::uint64_t generation, std::int32_t moves) {
    random_.Seed(seedClock_());
    const int n = BlockN();
    bool undrawn = false;
    for (std::int32_t i = 1; i <= moves; ++i) {
        const int kind = DrawWhole(random_.Next(), 6);
        const int line = DrawWhole(random_.Next(), n);
        MoveRow = line;
        MoveCol = line;
        if (view_.IsOptionChecked(1)) history_.RecordShuffle(i, kind, line);
        RunMove(kind);
        if (view_.IsOptionChecked(0)) {
            // A Start chosen inside the pause has replaced this game: its
            // cube, net and history stand, and this shuffle stops here.
            const Outcome outcome = AfterPause(view_.Pause(PauseKind::Shuffle), generation);
            if (outcome != Outcome::Done) return outcome;
            BlockDrawAll();
            undrawn = false;
        } else {
            // Without a pause no window event runs, so no step could be seen:
            // the net is drawn once, after the last of these moves.
            undrawn = true;
        }
    }
    if (undrawn) BlockDrawAll();
    return Outcome::Done;
}

// ---------------------------------------------------------------- demonstration

Game::Outcome Game::DemoPlay(std::uint64_t generation) {
    demoRunning_ = true;
    view_.SetGameMenusEnabled(false);
    view_.SetPointer(Pointer::Invisible);
    view_.ShowDemoPointer(board_.HalfBlock);
    view_.SetClockEnabled(false);
    view_.SetLabelVisible(Mes::Time, false);

    const int n = BlockN();
    view_.ShowNotice(BlockAt(2 * n * n + 1).BlockLeft / 3.0, BlockAt(5 * n * n + 1).BlockTop + kLabelSpacing,
                     kDemoNotice);

    Outcome outcome = Outcome::Done;
    // The practice command may have changed the number of moves since the
    // shuffle; only what the history holds can be taken back.
    const std::int32_t steps = std::clamp(view_.Difficulty(), 0, history_.Capacity());
    for (std::int32_t i = steps; i >= 1; --i) {
        const RecordedMove recorded = history_.Entry(i);
        const std::int32_t reverse = recorded.kind >= 1 && recorded.kind <= 6 ? ReverseKind(recorded.kind) : 0;
        MoveRow = recorded.line;
        MoveCol = recorded.line;
        for (const auto& button : board_.ButtonObjs)
            if (button->BuLineN() == recorded.line && button->BuFaceN() == reverse) {
                view_.MoveDemoPointer(button->ButtonLeft(), button->ButtonTop());
                break;
            }
        RunMove(reverse);
        outcome = AfterPause(view_.Pause(PauseKind::Demonstration), generation);
        if (outcome != Outcome::Done) break;
        BlockDrawAll();
    }
    demoRunning_ = false;
    if (outcome == Outcome::Ending) return outcome;

    view_.SetLabelVisible(Mes::Notice, false);
    view_.HideDemoPointer();
    view_.SetPointer(Pointer::Default);
    view_.SetGameMenusEnabled(true);
    return outcome;
}

// ---------------------------------------------------------------- player input

void Game::Press(float x, float y) {
    const Ishape* hit = HitTest(board_, x, y);
    if (hit == nullptr || !cube_) return;
    const std::int32_t kind = hit->BuFaceN();
    const std::int32_t line = hit->BuLineN();
    view_.PlayClick();
    Back(kind, line);
    if (kind == 1 || kind == 2) MoveRow = line;
    else MoveCol = line;
    RunMove(kind);
    BlockDrawAll();
    if (view_.Difficulty() > 0) {
        ShowClicks();
        FaceCheck();
    }
}

void Game::Back(std::int32_t Bposition, std::int32_t tmpi) { history_.Back(Bposition, tmpi, view_.Difficulty()); }

void Game::Undo() {
    if (!cube_) return;
    const auto taken = history_.TakeBack(view_.Difficulty());
    if (!taken) return;
    MoveRow = taken->line;
    MoveCol = taken->line;
    RunMove(taken->kind >= 1 && taken->kind <= 6 ? ReverseKind(taken->kind) : 0);
    BlockDrawAll();
}

void Game::Resize() {
    if (BlockN() < 1) return;
    for (Mes label : {Mes::Faces, Mes::Time, Mes::Clicks}) view_.SetLabelVisible(label, false);
    view_.DrawingSurface().Cls();
    BobjClear();
    tessaro::BlockSizeCalc(board_, BlockN(), view_.ScaleWidth(), view_.ScaleHeight());
    BlockDrawAll();
    PlaceLabels(ButtonMakeAll(board_, BlockN(), view_.DrawingSurface()));
}

void Game::BobjClear() { tessaro::BobjClear(board_); }

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
        if (recordMoves_ > 0) view_.RecordWin({BlockN(), std::exchange(recordMoves_, 0), ElapsedSec, ClickCount});
        const int n = BlockN();
        view_.ShowCongratulations(BlockAt(2 * n * n + 1).BlockLeft / 3.0, BlockAt(4 * n * n + 1).BlockTop);
    }
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

const clsBlockMake& Game::BlockAt(int index) const { return board_.BlockObjs[static_cast<std::size_t>(index)]; }

// ---------------------------------------------------------------- moves

void Game::MoveRowLeft() { cube_->ApplyMove(1, MoveRow); }
void Game::MoveRowRight() { cube_->ApplyMove(2, MoveRow); }
void Game::MoveColUp() { cube_->ApplyMove(3, MoveCol); }
void Game::MoveColDown() { cube_->ApplyMove(4, MoveCol); }
void Game::MoveSliceCcw() { cube_->ApplyMove(5, MoveCol); }
void Game::MoveSliceCw() { cube_->ApplyMove(6, MoveCol); }

void Game::RunMove(std::int32_t kind) {
    if (!cube_) return;
    switch (kind) {
    case 1: MoveRowLeft(); break;
    case 2: MoveRowRight(); break;
    case 3: MoveColUp(); break;
    case 4: MoveColDown(); break;
    case 5: MoveSliceCcw(); break;
    case 6: MoveSliceCw(); break;
    default: break;  // not a move
    }
}

}  // namespace tessaro
