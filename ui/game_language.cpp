#include "ui/game_language.h"

#include <QLocale>
#include <QTranslator>
#include <string>
#include <vector>

#include "options/marked_text.h"

namespace tessaro {

namespace {

constexpr char kEnglishTranslation[] = ":/tessaro/i18n/tessaro_en.qm";

GameLanguage chosen = GameLanguage::Japanese;

// Looked up directly rather than through the application's translators: the
// command line is answered before the windows' application exists, and the
// message for a missing display is made while it is being made.
QTranslator& English() {
    static QTranslator translator;
    return translator;
}

std::string RoomText(const char* context, const char* text) { return Tr(context, text).toStdString(); }

}  // namespace

GameLanguage ChooseGameLanguage(const QStringList& preferred) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(preferred.size()));
    for (const QString& name : preferred) names.push_back(name.toStdString());
    return ChooseLanguage(names);
}

void UseDesktopLanguage() {
    static const bool decided = [] {
        if (ChooseGameLanguage(QLocale::system().uiLanguages()) == GameLanguage::English &&
            English().load(QString::fromLatin1(kEnglishTranslation))) {
            chosen = GameLanguage::English;
            SetTextTranslator(&RoomText);
        }
        return true;
    }();
    static_cast<void>(decided);
}

GameLanguage CurrentGameLanguage() { return chosen; }

QString Tr(const char* context, const char* text) {
    if (chosen == GameLanguage::English) {
        const QString translated = English().translate(context, text);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(text);
}

}  // namespace tessaro
