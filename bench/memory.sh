#!/usr/bin/env bash
# Resident memory of the game once a 10 x 10 game has started, maximised on
# a screen of the given size under its own X server.
# Usage: bench/memory.sh [build folder] [screen, default 1920x1080]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
source "$here/../tests/xsession.sh"
xsession_start "${2:-1920x1080}"
xsession_game "$build"
launch
options 10 40
menu alt+o; sleep 0.3; xdotool key Escape  # the file's shuffle switch is off: no pauses
menu alt+g; sleep 0.3; xdotool key s
sleep 3
grep -E 'VmRSS|VmHWM' "/proc/$game_pid/status"
