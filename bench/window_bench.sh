#!/usr/bin/env bash
# Start-up time and resident memory of any X11 program, measured the same way
# for every program under an X server and window manager of its own (Xvfb and
# openbox): the time from launch until its first window can be seen, and its
# resident memory a moment later (--settle). Each run starts the program
# afresh and ends it; one run first warms the caches and is left out. Prints
# every run, then the medians.
#
# Usage: bench/window_bench.sh [-n runs] [--screen WxH] [--settle seconds]
#                              [--title text] [--build folder] [--] command [args ...]
#   -n          measured runs (default 7)
#   --screen    the X server's screen (default 1280x1024)
#   --settle    seconds from the window to reading the memory (default 1)
#   --title     count only a window whose title (either of its names) contains the text
#   --build     the build folder holding bench/first_window (default build/)
# The wait for the window follows the X server's events (bench/first_window.cpp);
# the clock runs from just before the program is started.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=7 screen=1280x1024 settle=1 build=$here/../build
helper_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    -n) runs=$2; shift 2 ;;
    --screen) screen=$2; shift 2 ;;
    --settle) settle=$2; shift 2 ;;
    --title) helper_args+=(--title "$2"); shift 2 ;;
    --build) build=$2; shift 2 ;;
    --) shift; break ;;
    -*) echo "window_bench: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2; exit 2; }
case "$runs" in '' | *[!0-9]* | 0) echo "window_bench: -n takes a whole number of runs" >&2; exit 2 ;; esac
helper=$build/bench/first_window
[ -x "$helper" ] || { echo "window_bench: no $helper: build it (cmake --build $build --target first_window)" >&2; exit 2; }
command -v "$1" >/dev/null || { echo "window_bench: no such program: $1" >&2; exit 2; }

source "$here/../tests/xsession.sh"
xsession_start "$screen"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb GDK_BACKEND=x11

echo "# $* on Xvfb ${screen}x24 with openbox; runs: $runs after one warm-up; memory $settle s after the window"
echo "# load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
times=() memory=()
for ((r = 0; r <= runs; r++)); do
  read -r ms kib < <("$helper" --settle "$settle" "${helper_args[@]}" -- "$@") || fail "run $r: no window"
  mib=$(awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }')
  if [ "$r" -eq 0 ]; then
    echo "warm-up: $ms ms, $mib MiB"
  else
    echo "run $r: $ms ms to the first window, $mib MiB resident"
    times+=("$ms") memory+=("$mib")
  fi
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "# load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "median of $runs: $(median "${times[@]}") ms to the first window, $(median "${memory[@]}") MiB resident"
