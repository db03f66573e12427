#!/usr/bin/env bash
# The manual page as man and lintian read it: groff warns about nothing,
# the whatis line names the page, and the sections a player looks for are
# there, with every key and menu entry that README's "How to play" names.
#
# Usage: manual_page_test.sh <tessaro.6> [README.md]
set -euo pipefail
page=$1
readme=${2:-}
fail() { echo "FAIL: $*" >&2; exit 1; }
export LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80

warnings=$(man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || fail "man could not format the page"
[ -z "$warnings" ] || fail "man --warnings: $warnings"

whatis=$(lexgrog "$page") || fail "no whatis line"
grep -q ': "tessaro - ' <<<"$whatis" || fail "the whatis line does not name tessaro: $whatis"

text=$(man -l "$page" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES ENVIRONMENT "EXIT STATUS"; do
  grep -q "^$section\$" <<<"$text" || fail "no $section section"
done
for word in --help --version GameOpt.dat Click.wav XDG_CONFIG_HOME Shift+S; do
  grep -qF -- "$word" <<<"$text" || fail "the page does not mention $word"
done
# The keys and menu entries README's "How to play" sets in bold ("**Esc**",
# "**Game > Records**"); a menu path reads with an arrow on the page.
if [ -n "$readme" ]; then
  names=$(awk '/^## How to play/ { on = 1; next } /^## / { on = 0 } on' "$readme" |
    grep -oE '\*\*[A-Z][A-Za-z0-9+]*( > [A-Z][A-Za-z]*)?\*\*' | tr -d '*' | sort -u)
  [ -n "$names" ] || fail "README has no keys in its How to play part"
  while IFS= read -r name; do
    grep -qF -- "${name// > / → }" <<<"$text" || fail "the page does not mention $name, which README's How to play names"
  done <<<"$names"
fi
echo "PASS: $(basename "$page"): no warnings; $whatis"
