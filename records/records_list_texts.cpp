#include "records/records_list_texts.h"

#include <algorithm>
#include <cstdio>

#include "options/difficulty_words.h"

namespace tessaro {

namespace {

//: A number of shuffle moves or of clicks in the records list.
std::string TimesText(std::int32_t times) {
    return FillText(TESSARO_TEXT("frmRecords", "%1回"), {std::to_string(times)});
}

std::string TwoDigits(std::int32_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(n));
    return text;
}

}  // namespace

std::string RecordBlocksText(std::int32_t blockN) {
    const std::string n = std::to_string(blockN);
    return n + "×" + n;
}

std::string RecordMovesText(std::int32_t moves) {
    std::string text = TimesText(moves);
    if (const auto word = DifficultyWordForMoves(moves)) text += " (" + std::string(*word) + ")";
    return text;
}

std::string RecordTimeText(std::int32_t seconds) {
    const std::int32_t s = std::max(seconds, 0);
    //: A time in the records list: %1 hours, %2 minutes, %3 seconds, two digits each.
    return FillText(TESSARO_TEXT("frmRecords", "%1時間%2分%3秒"),
                    {TwoDigits(s / 3600), TwoDigits(s / 60 % 60), TwoDigits(s % 60)});
}

std::string RecordClicksText(std::int32_t clicks) { return TimesText(clicks); }

}  // namespace tessaro
