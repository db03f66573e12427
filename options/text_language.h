#pragma once
// Which of its two languages the game speaks, chosen from the languages the
// player prefers, most wanted first, as a desktop lists them ("en-GB",
// "ja-JP", "C", "en_US.UTF-8") or a browser does ("en-US", "ja", "fr-FR").
// The same rule for every front end; each asks its own system for the list.

#include <string>
#include <vector>

namespace tessaro {

enum class GameLanguage { Japanese, English };

// English when the list names English before Japanese; else Japanese, the
// game's own language, also when it names neither (a French-only desktop,
// C or POSIX) or nothing. A name's language is its part before any region
// or script ("-") or encoding ("_"), in any case.
GameLanguage ChooseLanguage(const std::vector<std::string>& preferred);

}  // namespace tessaro
