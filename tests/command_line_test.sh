#!/usr/bin/env bash
# The command line of the real program, run with no display at all and a
# home of its own: --help and --version answer and exit 0, or 1 when the
# answer cannot be written; anything else is refused with exit status 2 and
# a message naming each mistake once, as typed; with no display to open, the
# game says which in one line and exits 1. None of them creates a file. All
# of it in Japanese in the C.UTF-8 and ja_JP.UTF-8 locales, and in English,
# with nothing Japanese left, where the preferred languages put English
# before Japanese.
#
# Usage: command_line_test.sh <program> <version>
set -euo pipefail
program=$1
version=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$root/game" "$root/home"
mkdir -m 700 "$root/run"
cp "$program" "$root/game/tessaro"
game="$root/game/tessaro"
before=$(cd "$root" && find . | sort)

# Empty, or holds a line matching the pattern when one is given.
holds() { if [ -z "$2" ]; then [ ! -s "$1" ]; else grep -qE -- "$2" "$1"; fi; }

# run <environment> <arguments...>: the game without a display, its output
# in $root/out and $root/err; sets status.
run() {
  local environment=$1
  shift
  status=0
  # shellcheck disable=SC2086  # the assignments are split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME -u XDG_RUNTIME_DIR -u XDG_SESSION_TYPE \
    -u LANGUAGE -u LC_ALL -u LC_MESSAGES HOME="$root/home" LANG="${lang:-C.UTF-8}" $environment "$game" "$@" \
    >"${out:-$root/out}" 2>"$root/err" || status=$?
}

# environment | arguments | exit status | a line of stdout (grep -E) | a line of
# stderr; empty: nothing printed | how many lines on stderr; empty: any number
cases=(
  "|--help|0|^Usage: .*tessaro \[options\]||"
  "|-h|0|--version +バージョンを表示||"
  "|--version|0|^Tessaro $version\$||"
  "|-v|0|^Tessaro $version\$||"
  "|--bogus|2||: 不明なオプションです: --bogus\$|2"
  "|-x --help|2||: 不明なオプションです: -x\$|2"
  "|puzzle|2||引数を取りません: puzzle\$|2"
  "|--version=2|2||コマンドラインを読めません|2"
  # Each argument as typed, once: not one line per letter, not "-é" for "--é".
  "|-ccc|2||: 不明なオプションです: -ccc\$|2"
  "|--é|2||: 不明なオプションです: --é\$|2"
  "|-xy --bogus -xy --bogus puzzle puzzle|2||: 不明なオプションです: -xy\$|4"
  "|-- --help|2||引数を取りません: --help\$|2"
  # No display: one line naming it, status 1.
  "||1||^$game: 画面を開けません: DISPLAY が設定されていないため X のディスプレイに接続できません。\$|1"
  "DISPLAY=unix:65000||1||^$game: 画面を開けません: X のディスプレイ「unix:65000」に接続できません。\$|1"
  "QT_QPA_PLATFORM=bogus||1||^$game: 画面を開けません: 表示方式「bogus」を使えません。\$|1"
  "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere-1 XDG_RUNTIME_DIR=$root/run||1||Wayland のディスプレイ「nowhere-1」に接続できません。\$|1"
)
# The same in English, and which desktops get it.
english_cases=(
  "LANGUAGE=en|--help|0|^  -h, --help +Show this help and exit\.\$||"
  "LANGUAGE=en|--help|0|^A puzzle of matching the colours of a cube's faces\.||"
  "LANGUAGE=en|--help|0|^The keys, and where the options are kept, are in the manual \(man 6 tessaro\)\.\$||"
  "LANGUAGE=en|--version|0|^Tessaro $version\$||"
  "LANGUAGE=en|--bogus|2||: unknown option: --bogus\$|2"
  "LANGUAGE=en|--bogus|2||^Try '.*tessaro --help' for more information\.\$|2"
  "LANGUAGE=en|puzzle|2||: the game takes no arguments: puzzle\$|2"
  "LANGUAGE=en|--version=2|2||: cannot read the command line: |2"
  "LANGUAGE=en||1||^$game: cannot open a display: cannot connect to an X display, as DISPLAY is not set\.\$|1"
  "LANGUAGE=en DISPLAY=unix:65000||1||^$game: cannot open a display: cannot connect to the X display “unix:65000”\.\$|1"
  "LANGUAGE=en QT_QPA_PLATFORM=bogus||1||^$game: cannot open a display: cannot use the display platform “bogus”\.\$|1"
  "LANGUAGE=en_GB:ja|-h|0|Show the version and exit||"
  "LANGUAGE=fr:en:ja|-h|0|Show the version and exit||"
  "LANG=en_US.UTF-8|-h|0|Show the version and exit||"
  "LANG=ja_JP.UTF-8 LC_ALL=en_GB.UTF-8|-h|0|Show the version and exit||"
  "LANG=ja_JP.UTF-8 LC_MESSAGES=en_GB.UTF-8|-h|0|Show the version and exit||"
)
# English only before Japanese; Japanese for every other desktop.
japanese_cases=(
  "LANGUAGE=ja:en|-h|0|バージョンを表示して終わります||"
  "LANGUAGE=fr|-h|0|バージョンを表示して終わります||"
  "LANG=de_DE.UTF-8|-h|0|バージョンを表示して終わります||"
  "LANG=POSIX|-h|0|バージョンを表示して終わります||"
  "LANG=C|-h|0|バージョンを表示して終わります||"
)
japanese='[\x{3000}-\x{30ff}\x{3400}-\x{9fff}\x{ff00}-\x{ffef}]'
check() {
  local c=$1 english=$2 environment args expected outLine errLine lines
  IFS='|' read -r environment args expected outLine errLine lines <<<"$c"
  # shellcheck disable=SC2086  # the arguments are split on purpose
  run "$environment" $args
  what="${lang:+LANG=$lang }${environment:+$environment }tessaro $args"
  [ "$status" -eq "$expected" ] || fail "$what: exit status $status, not $expected; it said: $(cat "$root/err")"
  holds "$root/out" "$outLine" || fail "$what: stdout is not '$outLine': $(cat "$root/out")"
  holds "$root/err" "$errLine" || fail "$what: stderr is not '$errLine': $(cat "$root/err")"
  [ -z "$lines" ] || [ "$(wc -l <"$root/err")" -eq "$lines" ] ||
    fail "$what: stderr has $(wc -l <"$root/err") lines, not $lines: $(head -c 2000 "$root/err")"
  if [ "$english" = yes ] && LC_ALL=C.UTF-8 grep -qP "$japanese" "$root/out" "$root/err"; then
    fail "$what: Japanese is left: $(cat "$root/out" "$root/err")"
  fi
  rm "$root/out" "$root/err"
}
for lang in C.UTF-8 ja_JP.UTF-8; do
  for c in "${cases[@]}"; do check "$c" no; done
done
lang=
for c in "${english_cases[@]}"; do check "$c" yes; done
for c in "${japanese_cases[@]}"; do check "$c" no; done

# A single argument of 120,000 letters is one mistake, named whole.
long=-$(head -c 120000 /dev/zero | tr '\0' c)
run "" "$long"
[ "$status" -eq 2 ] || fail "a long argument: exit status $status, not 2"
[ "$(wc -l <"$root/err")" -eq 2 ] || fail "a long argument: $(wc -l <"$root/err") lines on stderr, not 2"
[ "$(head -n1 "$root/err")" = "$game: 不明なオプションです: $long" ] || fail "a long argument is not named whole"

# An answer that cannot be written (a full disk) is a failure.
for args in --help --version; do
  out=/dev/full run "" "$args"
  [ "$status" -eq 1 ] || fail "tessaro $args >/dev/full: exit status $status, not 1"
  grep -qx "$game: 標準出力に書き込めません: .*" "$root/err" || fail "tessaro $args >/dev/full said: $(cat "$root/err")"
  out=/dev/full run LANGUAGE=en "$args"
  [ "$status" -eq 1 ] || fail "LANGUAGE=en tessaro $args >/dev/full: exit status $status, not 1"
  grep -qx "$game: cannot write to the standard output: .*" "$root/err" ||
    fail "LANGUAGE=en tessaro $args >/dev/full said: $(cat "$root/err")"
done
rm -f "$root/out" "$root/err"

after=$(cd "$root" && find . | sort)
[ "$before" = "$after" ] || fail "files appeared: $(comm -13 <(echo "$before") <(echo "$after") | xargs)"
echo "PASS: ${#cases[@]} command lines without a display in C.UTF-8 and ja_JP.UTF-8, ${#english_cases[@]} in English," \
  "${#japanese_cases[@]} other desktops in Japanese, a long one, answers to a full disk; no file created"
