#!/usr/bin/env bash
# The installed tree, as a package would lay it out under /usr, put into a
# folder of its own: the command on the PATH leads to the real program with
# its sound beside it, and the desktop entry, the theme icons and the
# AppStream file find each other by the names they use.
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

# The command: a link on the PATH, through to the executable, which has
# Click.wav in its own folder (the folder the program resolves for itself).
command=$(field Exec | awk '{ print $1 }')
link=$usr/bin/$command
[ -L "$link" ] || fail "bin/$command is not a symbolic link"
case $(readlink "$link") in /*) fail "bin/$command points to an absolute path";; esac
program=$(readlink -f "$link")
[ -x "$program" ] && [ ! -L "$program" ] || fail "bin/$command does not lead to an executable"
[ "$(dirname "$program")" != "$usr/bin" ] || fail "the executable lies in bin itself"
cmp -s "$(dirname "$program")/Click.wav" "$here/../resources/Click.wav" || fail "Click.wav is not beside the executable"

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

echo "PASS: bin/$command -> ${program#"$root"}, Click.wav beside it; $sizes icon sizes; $(basename "$metainfo")"
