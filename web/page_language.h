#pragma once
// The page's language: chosen from the browser's preferred languages by the
// rooms' rule (options/text_language.h), as the desktop chooses from its
// own, and English from the desktop's translation file,
// translations/tessaro_en.ts, made into a table at every build
// (web/translation_table.py).

#include <cstddef>
#include <string>

#include "options/text_language.h"

namespace tessaro {

struct PageTranslation {
    const char* context;
    const char* source;  // the Japanese text, as marked
    const char* english;
};

// Every finished translation of the file, ordered by context, then text.
extern const PageTranslation kEnglish[];
extern const std::size_t kEnglishCount;

// The English of a marked text; null when the file has none.
const char* EnglishOf(const char* context, const char* text);

// Chooses the language from the browser's preferred languages, one a line,
// most wanted first, and makes every marked text speak it: the rooms' texts
// as they are made, and whatever the page turns through MarkedText. Called
// once, before any text is made.
GameLanguage UsePreferredLanguages(const std::string& lines);

}  // namespace tessaro
