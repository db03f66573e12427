#include "options/practice_moves.h"

#include "options/number_text.h"

namespace tessaro {

PracticeMoves ReadPracticeMoves(std::string_view utf8) {
    const WholeNumber number = ParseWholeNumber(utf8);
    if (!number.ok()) return {PracticeMovesStatus::NotANumber, 0};
    if (number.value < 0 || number.value > kMaxDifficulty) return {PracticeMovesStatus::OutOfRange, number.value};
    return {PracticeMovesStatus::Ok, number.value};
}

}  // namespace tessaro
