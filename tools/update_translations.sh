#!/usr/bin/env bash
# Collects every text marked in the code (Tr in ui/, TESSARO_TEXT and
# TESSARO_NOOP in the window-free rooms and in the page's web/) into the
# English translation, translations/tessaro_en.ts: new texts come in
# unfinished, texts no longer in the code go. Then give each new <message>
# its <translation> and take away its type="unfinished" (by hand, or in Qt
# Linguist).
#
#   tools/update_translations.sh [build folder [.ts file]]
#
# The build folder (default build/) holds the header made from
# ui/app_info.h.in, where the game's description is marked; the tests run
# this on a copy of the .ts file. lupdate is Qt's (Debian: qt6-l10n-tools),
# or $LUPDATE.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
ts=${2:-$source_dir/translations/tessaro_en.ts}
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
[ -x "$lupdate" ] || { echo "lupdate is missing (apt-get install qt6-l10n-tools)" >&2; exit 2; }
app_info=$build/generated/ui/app_info.h
[ -f "$app_info" ] || { echo "$app_info is missing: configure the build folder first" >&2; exit 2; }

cd "$source_dir"
# Without locations, a text's entry changes only when the text does. Both
# marks of the rooms are QT_TRANSLATE_NOOP to lupdate, and Tr is translate.
"$lupdate" -silent -locations none -no-obsolete -source-language ja -target-language en \
  -tr-function-alias QT_TRANSLATE_NOOP+=TESSARO_TEXT,QT_TRANSLATE_NOOP+=TESSARO_NOOP,translate+=Tr \
  -extensions cpp,h model board session options records ui web "$app_info" -ts "$ts"
