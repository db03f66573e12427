#!/usr/bin/env bash
# Takes the README's screenshots of the real program under its own X server.
# Usage: docs/screenshots.sh [build folder]   (after ./build.sh test)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
source "$here/../tests/xsession.sh"
probe=$build/tests/net_probe
xsession_start 1280x800
xsession_game "$build"
launch
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
wait_for 10 maximised

start_game() { menu alt+g; sleep 0.3; xdotool key s; }
window_shot() { sleep "${2:-0.5}"; import -window "$window" "$here/$1"; }

# The options panel; opening it also takes "  Can see the shuffle" from the
# file, where it is off, so the following shuffles are not shown step by step.
options 3 20
menu alt+o; window_shot options-panel.png; xdotool key Escape

# A shuffled 3 x 3 and a shuffled 10 x 10.
start_game; window_shot net-3x3.png 1
options 10 40; start_game; window_shot net-10x10.png 1

# The demonstration: "Can see the Demonstration" is the panel's fourth control.
options 3 5
menu alt+o; sleep 0.3; xdotool key Tab Tab Tab space Escape
start_game; window_shot demonstration.png 2.5
sleep 9  # five steps of one to two seconds
menu alt+o; sleep 0.3; xdotool key Tab Tab Tab space Escape

# A win: a 2 x 2 with one shuffle move, found by trying each button and
# taking it back with Z until the congratulations window opens.
options 2 1; net_n=2; start_game; sleep 1
find_client
won=
while read -r kind line _; do
  press "$kind" "$line"; sleep 0.3
  if xdotool search --onlyvisible --name '^Congratulations$' | grep -q .; then won=1; break; fi
  xdotool key z; sleep 0.2
done < <("$probe" buttons "$client_w" "$client_h" 2)
[ -n "$won" ] || fail "no single move solved the cube"
import -window root "$xs_work/win.png"
convert "$xs_work/win.png" -crop 1280x800+0+0 +repage "$here/congratulations.png"
xdotool key Return; sleep 0.3

# The about window.
menu alt+a; sleep 0.6
import -frame -window "$(xdotool getactivewindow)" "$here/about.png"
xdotool key Return
echo "screenshots written to $here"
