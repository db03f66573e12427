#include "session/game_texts.h"

#include <array>
#include <cstdio>

#include "options/marked_text.h"

namespace tessaro {

namespace {

// Two digits, as the clock shows them.
std::string TwoDigits(std::int64_t n) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%02d", static_cast<int>(n));
    return digits;
}

}  // namespace

//: %1 is how many faces are of one colour.
std::string FacesText(int count) {
    return FillText(TESSARO_TEXT("game_texts", "現在全色一致している面数は　%1　面です"), {std::to_string(count)});
}

std::string ClockText(std::int32_t elapsedSec) {
    const std::int64_t s = elapsedSec < 0 ? 0 : elapsedSec;
    //: The time a game has taken: %1 hours, %2 minutes and %3 seconds, two digits each.
    return FillText(TESSARO_TEXT("game_texts", "所要時間　%1時間%2分%3秒　です"),
                    {TwoDigits(s / 3600 % 24), TwoDigits(s / 60 % 60), TwoDigits(s % 60)});
}

//: %1 is how many times the player has clicked.
std::string ClicksText(std::int32_t clicks) {
    return FillText(TESSARO_TEXT("game_texts", "今までのクリック回数は　%1　回です"), {std::to_string(clicks)});
}

int SolvedFaces(const Cube& cube) {
    int solved = 0;
    for (int f = 1; f <= 6; ++f) solved += cube.FaceSolved(f) ? 1 : 0;
    return solved;
}

std::string NetDescription(const Cube* cube) {
    if (cube == nullptr) return TESSARO_TEXT("game_texts", "ゲームはまだ始まっていません");
    return FacesText(SolvedFaces(*cube));
}

std::string MoveAnnouncement(Move move, int solvedFaces) {
    //: A screen reader's announcement: %1 is the move just made (a move button's name), %2 the solved faces sentence.
    return FillText(TESSARO_TEXT("game_texts", "%1。%2"), {MoveButtonName(move), FacesText(solvedFaces)});
}

std::string UndoAnnouncement(Move made, int solvedFaces) {
    //: A screen reader's announcement: %1 is the move taken back, with the solved faces sentence.
    return FillText(TESSARO_TEXT("game_texts", "取り消し、%1"), {MoveAnnouncement(made, solvedFaces)});
}

std::string RedoAnnouncement(Move move, int solvedFaces) {
    //: A screen reader's announcement: %1 is the move made again, with the solved faces sentence.
    return FillText(TESSARO_TEXT("game_texts", "やり直し、%1"), {MoveAnnouncement(move, solvedFaces)});
}

std::string StartAnnouncement(int solvedFaces) {
    //: A screen reader's announcement: %1 is the solved faces sentence.
    return FillText(TESSARO_TEXT("game_texts", "ゲーム開始。%1"), {FacesText(solvedFaces)});
}

std::string WinAnnouncement(std::int32_t clicks, std::int32_t elapsedSec) {
    //: A screen reader's announcement: %1 is the clicks sentence, %2 the time sentence.
    return FillText(TESSARO_TEXT("game_texts", "全ての面がそろいました。%1。%2"),
                    {ClicksText(clicks), ClockText(elapsedSec)});
}

std::string FaceName(int face) {
    switch (face) {
    case kTop: return TESSARO_TEXT("game_texts", "上の面");
    //: The face at the left end of the net's band of four.
    case kBack: return TESSARO_TEXT("game_texts", "左端の面");
    case kLeft: return TESSARO_TEXT("game_texts", "左の面");
    case kFront: return TESSARO_TEXT("game_texts", "正面");
    case kRight: return TESSARO_TEXT("game_texts", "右の面");
    case kBottom: return TESSARO_TEXT("game_texts", "下の面");
    default: return {};
    }
}

std::string ColourWord(std::int32_t colour) {
    // By face, as kFaceColors: green, red, blue, yellow, cyan, magenta.
    static const std::array<const char*, 7> kWords = {"",
                                                      TESSARO_NOOP("game_texts", "緑"),
                                                      TESSARO_NOOP("game_texts", "赤"),
                                                      TESSARO_NOOP("game_texts", "青"),
                                                      TESSARO_NOOP("game_texts", "黄"),
                                                      TESSARO_NOOP("game_texts", "水色"),
                                                      TESSARO_NOOP("game_texts", "赤紫")};
    for (std::size_t f = 1; f < kFaceColors.size(); ++f)
        if (kFaceColors[f] == colour) return MarkedText("game_texts", kWords[f]);
    return {};
}

//: A block's place on its face: row %1, column %2.
std::string BlockPlace(int row, int col) {
    return FillText(TESSARO_TEXT("game_texts", "%1行目%2列目"), {std::to_string(row), std::to_string(col)});
}

std::string MoveButtonName(Move move) {
    const std::string line = std::to_string(move.line);
    switch (move.kind) {
    //: A move button's name: %1 is the row it moves.
    case MoveKind::RowLeft: return FillText(TESSARO_TEXT("game_texts", "%1行目を左へ"), {line});
    //: A move button's name: %1 is the row it moves.
    case MoveKind::RowRight: return FillText(TESSARO_TEXT("game_texts", "%1行目を右へ"), {line});
    //: A move button's name: %1 is the column it moves.
    case MoveKind::ColUp: return FillText(TESSARO_TEXT("game_texts", "%1列目を上へ"), {line});
    //: A move button's name: %1 is the column it moves.
    case MoveKind::ColDown: return FillText(TESSARO_TEXT("game_texts", "%1列目を下へ"), {line});
    //: A move button's name: %1 is the column of the right-hand face that it turns around the centre face.
    case MoveKind::SliceCcw: return FillText(TESSARO_TEXT("game_texts", "右の面の%1列目を上へ"), {line});
    //: A move button's name: %1 is the column of the right-hand face that it turns around the centre face.
    case MoveKind::SliceCw: return FillText(TESSARO_TEXT("game_texts", "右の面の%1列目を下へ"), {line});
    case MoveKind::None: break;
    }
    return {};
}

bool LabelFits(float scaleWidth, std::int32_t labelWidth) {
    const float half = scaleWidth / 2.0F;
    return half >= static_cast<float>(labelWidth);
}

}  // namespace tessaro
