#!/usr/bin/env bash
# The real program, end to end, as a player uses it under its own X server
# and window manager, from a folder named in Latin-1: the splash, then the
# maximised main window titled
# "Tessaro"; Game > Start through the keyboard; presses on move buttons at
# the pixels the geometry gives; a screenshot whose every block has the
# colour the model predicts; Game > Quit, and the program ends with status 0.
# Then the waits: hundreds of Starts chosen during shown shuffles, and the
# window closed inside a shown shuffle and inside the demonstration, which
# ends the program at once with status 0. (The shuffle and the
# demonstrations are long, so that "at once" stays far from their end even
# when the deadlines are stretched under the sanitizers.)
#
# Usage: program_test.sh <build folder> <net_probe>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
probe=$2
xsession_start 1024x768
xsession_game "$1"
# In a folder whose name is not valid UTF-8 ("café" in Latin-1): the game
# still finds itself there, and keeps its options there, not in the
# player's configuration folder.
mv "$game_dir" "$xs_work/caf"$'\xe9'
game_dir="$xs_work/caf"$'\xe9'
mkdir "$xs_work/home"
game_env=(HOME="$xs_work/home" XDG_CONFIG_HOME=)

now_us
start=$now
launch
now_us
shown=$(((now - start) / 1000))
[ "$shown" -ge 1500 ] || fail "the main window came after ${shown} ms, before the splash's 1.5 s"
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
wait_for 10 maximised || fail "the main window is not maximised"
[ ! -e "$game_dir/GameOpt.dat" ] || fail "the options file was touched before any game"

# A practice game of 3 x 3: no shuffle, so the cube starts solved.
options 3 0
net_n=3
choose alt+g s
find_client
# The net may come a moment after the client area was found: a new
# screenshot at every try.
solved() { shot "$xs_work/solved.png" && "$probe" check "$xs_work/solved.png" "$client_x" "$client_y" "$client_w" "$client_h" 3; }
wait_for 10 solved ||
  { "$probe" check "$xs_work/solved.png" "$client_x" "$client_y" "$client_w" "$client_h" 3; fail "the solved net is not drawn"; }

moves=(1:1 3:2 5:3 2:3 6:1)
for m in "${moves[@]}"; do press "${m%:*}" "${m#*:}"; done
checked() { shot "$xs_work/after.png" && "$probe" check "$xs_work/after.png" "$client_x" "$client_y" "$client_w" "$client_h" 3 "${moves[@]}"; }
wait_for 10 checked || { "$probe" check "$xs_work/after.png" "$client_x" "$client_y" "$client_w" "$client_h" 3 "${moves[@]}"; fail "the net does not show the moves"; }

[ ! -e "$xs_work/home/.config/Tessaro" ] || { find "$xs_work/home" >&2; fail "the options went to the player's configuration folder"; }

# Game > Quit, by the menus' access keys.
choose alt+g q
wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end the program"
status=0
wait "$game_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# closed_at_once <what>: Alt+F4 (the window manager's close) ends the program
# within a second (stretched under the sanitizers), with status 0.
closed_at_once() {
  xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
  wait_for 1 bash -c "! kill -0 $game_pid" || fail "closing the window $1 did not end the program at once"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "closing the window $1 ended the program with status $status"
}
running() { kill -0 "$game_pid" 2>/dev/null || fail "the program died: $1"; }
named() { xdotool search --onlyvisible --name "$1" | grep -q .; }

# Starts during shown shuffles of 9999 moves (40 minutes each): every Start
# replaces the game, and none runs inside another. Every key has been handled
# once the about window that a last one opens shows. Before it, Esc closes a
# Game menu that a last Start may have left open (and is nothing else here);
# a menu that opened only after its Esc took the key, so then both come again.
options 3 9999 shown
launch
starts=300
menu $(for _ in $(seq "$starts"); do printf 'alt+g s '; done) Escape alt+a
about() { named 'のﾊﾞｰｼﾞｮﾝ情報$'; }
tries=4
until wait_for 5 about; do
  tries=$((tries - 1))
  [ "$tries" -gt 0 ] || fail "the about window did not open after $starts Starts"
  menu Escape alt+a
done
xdotool key Return
wait_for 10 not about || fail "Enter did not close the about window"
running "after $starts Starts during shown shuffles"
closed_at_once "inside a shown shuffle"

# demonstration <N> <moves>: a game of that many shuffle moves with "Can see
# the Demonstration" (the options panel's fourth control; the keys keep their
# order, so they reach the panel once it is open), once the demonstration
# shows its notice. Its steps wait one to two seconds each.
demonstration() {
  options "$1" "$2"
  launch
  menu alt+o
  xdotool key Tab Tab Tab space Escape
  find_client
  choose alt+g s
  demonstrating() { shot "$xs_work/demo.png" && "$probe" demonstrating "$xs_work/demo.png" "$client_x" "$client_y" "$client_w" "$client_h" "$1"; }
  wait_for 10 demonstrating "$1" || fail "Start with \"Can see the Demonstration\" showed no demonstration"
}
demonstration 3 40
running "during the demonstration"
closed_at_once "during the demonstration"

# Esc during a demonstration of 40 moves (a minute or more) takes the rest
# back at once: the net shows the solved cube, and the Game menu is back, so
# Start makes a 2 x 2 practice net.
demonstration 3 40
running "during the long demonstration"
menu Escape
solved_net() { shot "$xs_work/esc.png" && "$probe" check "$xs_work/esc.png" "$client_x" "$client_y" "$client_w" "$client_h" "$1"; }
wait_for 5 solved_net 3 || fail "Esc did not finish the demonstration at once"
options 2 0
choose alt+g s
wait_for 5 solved_net 2 || fail "after Esc, Game > Start did not start a new game"
closed_at_once "after the demonstration was stopped"

echo "PASS: window after ${shown} ms, maximised; ${#moves[@]} presses drawn as predicted; Quit ended it with status 0;" \
  "$starts Starts during shown shuffles; closing inside a shuffle and a demonstration ended it at once with status 0;" \
  "Esc finished a demonstration at once"
