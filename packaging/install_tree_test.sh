#!/usr/bin/env bash
# The installed tree, as a package would lay it out under /usr, put into a
# folder of its own: the command of the desktop entry is the program in
# Debian's folder for games, with no run path, its click sound where the
# installed program looks for it, a manual page in section 6, and the
# desktop entry, the theme icons and the AppStream file find each other by
# the names they use.
#
# Usage: install_tree_test.sh <build folder> <packaging folder>
set -euo pipefail
build=$1
here=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr

desktop=$usr/share/applications/tessaro.desktop
[ -f "$desktop" ] || fail "no desktop entry in share/applications"
field() { sed -n "s/^$1=//p" "$desktop" | head -n1; }

# The command: the program itself in games/, which the system's libraries
# alone satisfy (no run path into the prefix, where nothing of ours lies).
command=$(field Exec | awk '{ print $1 }')
program=$usr/games/$command
[ -f "$program" ] && [ ! -L "$program" ] && [ -x "$program" ] || fail "games/$command is not an executable"
[ ! -e "$usr/bin/$command" ] || fail "bin/$command is installed too"
! readelf -d "$program" | grep -E 'RPATH|RUNPATH' || fail "the installed program has a run path"
cmp -s "$usr/share/games/tessaro/Click.wav" "$here/../resources/Click.wav" ||
  fail "Click.wav is not in share/games/tessaro"
[ -z "$(find "$usr/games" -mindepth 1 ! -name "$command")" ] || fail "games/ holds more than the program"
grep -q '^\.TH TESSARO 6 ' "$usr/share/man/man6/$command.6" || fail "no manual page $command.6 in section 6"

# Every size the generator draws, each of its own size, under the entry's name.
icon=$(field Icon)
sizes=0
for png in "$here"/../resources/icons/*/tessaro.png; do
  size=$(basename "$(dirname "$png")")
  installed=$usr/share/icons/hicolor/$size/apps/$icon.png
  [ -f "$installed" ] || fail "no $size icon named $icon"
  [ "$(identify -format '%wx%h' "$installed")" = "$size" ] || fail "the $size icon is not $size"
  sizes=$((sizes + 1))
done
[ "$sizes" -ge 4 ] || fail "only $sizes icon sizes"

metainfo=$(ls "$usr"/share/metainfo/*.metainfo.xml)
grep -q "<launchable type=\"desktop-id\">tessaro.desktop</launchable>" "$metainfo" ||
  fail "the AppStream file does not name the desktop entry"
grep -q "<binary>$command</binary>" "$metainfo" || fail "the AppStream file does not name the command"
! grep -q '@' "$metainfo" || fail "the AppStream file has unfilled @...@ fields"

echo "PASS: ${program#"$root"}, no run path; share/games/tessaro/Click.wav; man6/$command.6; $sizes icon sizes; $(basename "$metainfo")"
