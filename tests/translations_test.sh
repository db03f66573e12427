#!/usr/bin/env bash
# The English translation against the code, as Qt's tools see it.
#
#   translations_test.sh current <source folder> <build folder> <lupdate>
#       translations/tessaro_en.ts is exactly what lupdate makes of it and
#       of the code: every marked text is in it (a new one would come in
#       unfinished), none that the code no longer has, each text as written.
#   translations_test.sh finished <source folder> <lrelease>
#       lrelease compiles every text and reports none unfinished or left
#       untranslated.
set -euo pipefail
mode=$1
source_dir=$2
ts=$source_dir/translations/tessaro_en.ts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

case "$mode" in
current)
  build=$3
  cp "$ts" "$work/tessaro_en.ts"
  LUPDATE=$4 "$source_dir/tools/update_translations.sh" "$build" "$work/tessaro_en.ts" ||
    fail "lupdate could not read the code"
  if ! diff -u "$ts" "$work/tessaro_en.ts" >"$work/diff"; then
    cat "$work/diff" >&2
    fail "translations/tessaro_en.ts is not what lupdate makes of the code (above: + what lupdate adds, - what it drops): run tools/update_translations.sh and translate what is new"
  fi
  echo "PASS: translations/tessaro_en.ts holds every marked text of the code, and nothing else"
  ;;
finished)
  lrelease=$3
  "$lrelease" "$ts" -qm "$work/tessaro_en.qm" >"$work/said" 2>&1 || { cat "$work/said" >&2; fail "lrelease failed"; }
  said=$(cat "$work/said")
  grep -qE 'Generated [1-9][0-9]* translation\(s\) \([0-9]+ finished and 0 unfinished\)' <<<"$said" ||
    fail "lrelease reports unfinished translations: $said"
  ! grep -q 'Ignored' <<<"$said" || fail "lrelease left texts untranslated: $said"
  echo "PASS: $(grep -o 'Generated .*' <<<"$said")"
  ;;
*) echo "usage: $0 current|finished ..." >&2; exit 2 ;;
esac
