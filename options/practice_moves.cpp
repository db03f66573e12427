#include "options/practice_moves.h"

#include "options/number_text.h"

namespace tessaro {

PracticeMoves ReadPracticeMoves(std::string_view utf8) {
    const WholeNumber number = ParseWholeNumber(utf8);
    // A number too large for 32 bits is as much out of range as 10000.
    if (number.status == NumberTextStatus::OutOfRange) return {PracticeMovesStatus::OutOfRange, 0};
    if (!number.ok()) return {PracticeMovesStatus::NotANumber, 0};
    if (number.value < 0 || number.value > kMaxDifficulty) return {PracticeMovesStatus::OutOfRange, number.value};
    return {PracticeMovesStatus::Ok, number.value};
}

}  // namespace tessaro

namespace tessaro {

std::string PracticeMovesMessage(const PracticeMoves& moves, std::string_view typed) {
    const std::string most = std::to_string(kMaxDifficulty);
    switch (moves.status) {
    case PracticeMovesStatus::Ok: break;
    case PracticeMovesStatus::NotANumber:
        //: %1 is what the player typed, %2 the most shuffle moves.
        return FillText(
            TESSARO_TEXT("frmCube",
                         "「%1」は数値として読めません。\n半角の数字で、0から%2までの回数を入力して下さい。"),
            {typed, most});
    case PracticeMovesStatus::OutOfRange: {
        // A number: only blanks can stand around it.
        const auto first = typed.find_first_not_of(" \t");
        const auto last = typed.find_last_not_of(" \t");
        const std::string_view number = first == std::string_view::npos ? std::string_view{}
                                                                        : typed.substr(first, last - first + 1);
        //: %1 is the most shuffle moves, %2 the number the player typed.
        return FillText(TESSARO_TEXT("frmCube", "シャッフルの回数は0から%1までです。\n%2 は使えません。"),
                        {most, number});
    }
    }
    return {};
}

}  // namespace tessaro
