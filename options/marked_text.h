#pragma once
// The player's texts of the window-free rooms. They are written in Japanese,
// the game's own language, and marked where they are written, so that Qt's
// lupdate (told that both marks are its QT_TRANSLATE_NOOP) collects them
// into the translation file, each under the context it names:
//
//   TESSARO_TEXT(context, text)  a text made here: it is turned into the
//                                player's language as it is made.
//   TESSARO_NOOP(context, text)  a constant: whoever shows it turns it into
//                                the player's language (the window room).
//
// Pieces go into a text through placeholders ("%1", "%2", ...), so that a
// translation can put them where its language wants them.
//
// Only the window room knows the player's language; it sets the translator
// once, at start-up. Without one (the rooms' own tests, a program without
// windows) every text stays exactly as written.

#include <initializer_list>
#include <string>
#include <string_view>

#define TESSARO_TEXT(context, text) ::tessaro::MarkedText(context, text)
#define TESSARO_NOOP(context, text) text

namespace tessaro {

// Turns a marked text (UTF-8) into the player's language.
using TextTranslator = std::string (*)(const char* context, const char* text);

// The language is the program's, like its locale; a null translator leaves
// the texts as written.
void SetTextTranslator(TextTranslator translator);

// What TESSARO_TEXT makes of a text.
std::string MarkedText(const char* context, const char* text);

// The text with "%1" to "%9" replaced by the pieces, in one pass: a piece
// that holds a "%2" of its own (a path, what the player typed) is not
// filled in again. A placeholder without a piece stays as it is.
std::string FillText(std::string_view text, std::initializer_list<std::string_view> pieces);

}  // namespace tessaro
