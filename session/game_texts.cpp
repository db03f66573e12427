#include "session/game_texts.h"

#include <array>
#include <cstdio>

namespace tessaro {

std::string FacesText(int count) { return "現在全色一致している面数は　" + std::to_string(count) + "　面です"; }

std::string ClockText(std::int32_t elapsedSec) {
    const std::int64_t s = elapsedSec < 0 ? 0 : elapsedSec;
    char hms[48];
    std::snprintf(hms, sizeof hms, "%02d時間%02d分%02d秒", static_cast<int>(s / 3600 % 24),
                  static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
    return std::string("所要時間　") + hms + "　です";
}

std::string ClicksText(std::int32_t clicks) { return "今までのクリック回数は　" + std::to_string(clicks) + "　回です"; }

int SolvedFaces(const Cube& cube) {
    int solved = 0;
    for (int f = 1; f <= 6; ++f) solved += cube.FaceSolved(f) ? 1 : 0;
    return solved;
}

std::string NetDescription(const Cube* cube) {
    if (cube == nullptr) return "ゲームはまだ始まっていません";
    return FacesText(SolvedFaces(*cube));
}

std::string MoveAnnouncement(Move move, int solvedFaces) {
    return MoveButtonName(move) + "。" + FacesText(solvedFaces);
}

std::string UndoAnnouncement(Move made, int solvedFaces) { return "取り消し、" + MoveAnnouncement(made, solvedFaces); }

std::string RedoAnnouncement(Move move, int solvedFaces) { return "やり直し、" + MoveAnnouncement(move, solvedFaces); }

std::string StartAnnouncement(int solvedFaces) { return "ゲーム開始。" + FacesText(solvedFaces); }

std::string WinAnnouncement(std::int32_t clicks, std::int32_t elapsedSec) {
    return "全ての面がそろいました。" + ClicksText(clicks) + "。" + ClockText(elapsedSec);
}

std::string FaceName(int face) {
    switch (face) {
    case kTop: return "上の面";
    case kBack: return "左端の面";
    case kLeft: return "左の面";
    case kFront: return "正面";
    case kRight: return "右の面";
    case kBottom: return "下の面";
    default: return {};
    }
}

std::string ColourWord(std::int32_t colour) {
    // By face, as kFaceColors: green, red, blue, yellow, cyan, magenta.
    static const std::array<const char*, 7> kWords = {"", "緑", "赤", "青", "黄", "水色", "赤紫"};
    for (std::size_t f = 1; f < kFaceColors.size(); ++f)
        if (kFaceColors[f] == colour) return kWords[f];
    return {};
}

std::string BlockPlace(int row, int col) { return std::to_string(row) + "行目" + std::to_string(col) + "列目"; }

std::string MoveButtonName(Move move) {
    const std::string line = std::to_string(move.line);
    switch (move.kind) {
    case MoveKind::RowLeft: return line + "行目を左へ";
    case MoveKind::RowRight: return line + "行目を右へ";
    case MoveKind::ColUp: return line + "列目を上へ";
    case MoveKind::ColDown: return line + "列目を下へ";
    case MoveKind::SliceCcw: return "右の面の" + line + "列目を上へ";
    case MoveKind::SliceCw: return "右の面の" + line + "列目を下へ";
    case MoveKind::None: break;
    }
    return {};
}

bool LabelFits(float scaleWidth, std::int32_t labelWidth) {
    const float half = scaleWidth / 2.0F;
    return half >= static_cast<float>(labelWidth);
}

}  // namespace tessaro
