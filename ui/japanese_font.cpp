#include "ui/japanese_font.h"

#include <QGuiApplication>
#include <algorithm>

namespace tessaro {

QStringList JapaneseGothicFamilies() {
    return {QStringLiteral("ＭＳ Ｐゴシック"),  // untranslated: a font's own name
            QStringLiteral("MS PGothic"),       QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"), QStringLiteral("IPAGothic")};
}

QFont JapaneseGothic(double pointSize, bool bold) {
    QFont font;
    font.setFamilies(JapaneseGothicFamilies());
    // Never smaller than the player's own font size.
    font.setPointSizeF(std::max(pointSize, QGuiApplication::font().pointSizeF()));
    font.setBold(bold);
    return font;
}

QFont DefaultWithJapaneseGothic(const QFont& toolkitDefault) {
    QFont font = toolkitDefault;
    font.setFamilies(QStringList{toolkitDefault.family()} + JapaneseGothicFamilies());
    return font;
}

}  // namespace tessaro
