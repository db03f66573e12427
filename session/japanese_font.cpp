#include "session/japanese_font.h"

#include <QStringList>

namespace tessaro {

QFont JapaneseGothic(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                      QStringLiteral("IPAGothic")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace tessaro
