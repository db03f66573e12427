#!/usr/bin/env bash
# The command line of the real program, run with no display at all and a
# home of its own: --help and --version answer and exit 0, anything else is
# refused with exit status 2 and a message; none of them creates a file.
#
# Usage: command_line_test.sh <program> <version>
set -euo pipefail
program=$1
version=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$root/game" "$root/home"
cp "$program" "$root/game/tessaro"
before=$(cd "$root" && find . | sort)

# Empty, or holds a line matching the pattern when one is given.
holds() { if [ -z "$2" ]; then [ ! -s "$1" ]; else grep -qE -- "$2" "$1"; fi; }

# arguments | exit status | a line of stdout (grep -E) | a line of stderr; empty: nothing printed
cases=(
  "--help|0|^Usage: .*tessaro \[options\]|"
  "-h|0|--version +バージョンを表示|"
  "--version|0|^Tessaro $version\$|"
  "-v|0|^Tessaro $version\$|"
  "--bogus|2||不明なオプションです: --bogus"
  "-x --help|2||不明なオプションです: -x"
  "puzzle|2||引数を取りません: puzzle"
  "--version=2|2||コマンドラインを読めません"
)
for c in "${cases[@]}"; do
  IFS='|' read -r args status out err <<<"$c"
  actual=0
  # shellcheck disable=SC2086  # the arguments are split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME -u XDG_RUNTIME_DIR \
    HOME="$root/home" LANG=C.UTF-8 \
    "$root/game/tessaro" $args >"$root/out" 2>"$root/err" || actual=$?
  [ "$actual" -eq "$status" ] || fail "tessaro $args: exit status $actual, not $status; it said: $(cat "$root/err")"
  holds "$root/out" "$out" || fail "tessaro $args: stdout is not '$out': $(cat "$root/out")"
  holds "$root/err" "$err" || fail "tessaro $args: stderr is not '$err': $(cat "$root/err")"
  rm "$root/out" "$root/err"
done

after=$(cd "$root" && find . | sort)
[ "$before" = "$after" ] || fail "files appeared: $(comm -13 <(echo "$before") <(echo "$after") | xargs)"
echo "PASS: ${#cases[@]} command lines without a display; no file created"
