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
