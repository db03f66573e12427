#include "web/page_language.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "options/marked_text.h"

namespace tessaro {

namespace {

bool Before(const PageTranslation& entry, const std::pair<const char*, const char*>& key) {
    const int context = std::strcmp(entry.context, key.first);
    return context < 0 || (context == 0 && std::strcmp(entry.source, key.second) < 0);
}

// The English, or the text as written when there is none (a text that is
// English already: a caption, a menu's name).
std::string English(const char* context, const char* text) {
    const char* english = EnglishOf(context, text);
    return english != nullptr ? english : text;
}

}  // namespace

const char* EnglishOf(const char* context, const char* text) {
    const PageTranslation* end = kEnglish + kEnglishCount;
    const auto key = std::make_pair(context, text);
    const PageTranslation* found = std::lower_bound(kEnglish, end, key, Before);
    if (found == end || std::strcmp(found->context, context) != 0 || std::strcmp(found->source, text) != 0)
        return nullptr;
    return found->english;
}

GameLanguage UsePreferredLanguages(const std::string& lines) {
    std::vector<std::string> preferred;
    std::size_t start = 0;
    while (start <= lines.size()) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        preferred.push_back(lines.substr(start, end - start));
        start = end + 1;
    }
    const GameLanguage language = ChooseLanguage(preferred);
    SetTextTranslator(language == GameLanguage::English ? &English : nullptr);
    return language;
}

}  // namespace tessaro
