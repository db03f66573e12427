#include "records/records_list_texts.h"

#include <algorithm>
#include <cstdio>

#include "options/difficulty_words.h"

namespace tessaro {

std::string RecordBlocksText(std::int32_t blockN) {
    const std::string n = std::to_string(blockN);
    return n + "×" + n;
}

std::string RecordMovesText(std::int32_t moves) {
    std::string text = std::to_string(moves) + "回";
    if (const auto word = DifficultyWordForMoves(moves)) text += " (" + std::string(*word) + ")";
    return text;
}

std::string RecordTimeText(std::int32_t seconds) {
    const std::int32_t s = std::max(seconds, 0);
    char text[64];
    std::snprintf(text, sizeof text, "%02d時間%02d分%02d秒", static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60),
                  static_cast<int>(s % 60));
    return text;
}

std::string RecordClicksText(std::int32_t clicks) { return std::to_string(clicks) + "回"; }

}  // namespace tessaro
