#pragma once
// The language the game speaks. Its texts are written in Japanese, its own
// language; English comes from translations/tessaro_en.ts, built into the
// program. The menus' captions are English in both.

#include <QString>
#include <QStringList>

#include "options/text_language.h"

namespace tessaro {

// English when the desktop's preferred languages, most wanted first (as
// QLocale::uiLanguages lists them: "en-GB", "ja-JP", "C", ...), name English
// before Japanese; else Japanese, also when they name neither (a French-only
// desktop, C or POSIX) or nothing: the rooms' ChooseLanguage.
GameLanguage ChooseGameLanguage(const QStringList& preferred);

// Decides the language once, from the desktop (QLocale::system(), which
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG), and makes every text of
// the game speak it, those of the window-free rooms included. Called at
// start-up before any text is made; later calls change nothing. Needs no
// application object.
void UseDesktopLanguage();

// What UseDesktopLanguage chose; Japanese before it is called.
GameLanguage CurrentGameLanguage();

// A text in the player's language: `text` is the Japanese one (UTF-8), found
// in the translation under `context`. lupdate reads Tr as Qt's translate.
QString Tr(const char* context, const char* text);

}  // namespace tessaro
