#include "options/marked_text.h"

#include <vector>

namespace tessaro {

namespace {

TextTranslator translator = nullptr;

}  // namespace

void SetTextTranslator(TextTranslator t) { translator = t; }

std::string MarkedText(const char* context, const char* text) {
    return translator != nullptr ? translator(context, text) : std::string(text);
}

std::string FillText(std::string_view text, std::initializer_list<std::string_view> pieces) {
    const std::vector<std::string_view> piece(pieces);
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '0') : 0;
        if (text[i] == '%' && number >= 1 && number <= 9 && number <= piece.size()) {
            filled += piece[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace tessaro
