#!/usr/bin/env bash
# Resident memory of the game once a 10 x 10 game has started, maximised on
# a screen of the given size under its own X server: three seconds after
# Start, when the net is drawn and the game waits for the player.
# Usage: bench/memory.sh [build folder] [screen, default 1920x1080]
# (bench/window_bench.sh measures any program's memory at its first window.)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
source "$here/../tests/xsession.sh"
xsession_start "${2:-1920x1080}"
xsession_game "$build"
launch
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
wait_for 10 maximised || fail "the main window is not maximised"
options 10 40
# The options panel takes the file's shuffle switch, which is off: no pauses.
# (Keys keep their order: Esc reaches the panel once it is open.)
menu alt+o
xdotool key Escape
choose alt+g s
sleep 3
grep -E 'VmRSS|VmHWM' "/proc/$game_pid/status"
