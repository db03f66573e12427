#!/usr/bin/env bash
# Redo, game numbers and the help window in the real program under its own X
# server: Game > Copy game number puts the running game's number on the
# clipboard, and the net shows the shuffle that number makes; two presses
# taken back with Z and Ctrl+Z come back with Y and Ctrl+Y; F1 opens "How
# to play", which Esc closes. A second run, whose options ask for another
# block count, starts the same game from the number typed into Game > Start
# from number (the same net), refuses a text that is no game number with a
# message, and leaves the options file as it was.
#
# Usage: play_features_program_test.sh <build folder> <net_probe>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
probe=$2
command -v xclip >/dev/null || fail "xclip is not installed (build.sh test installs it)"
xsession_start 1024x768
xsession_game "$1"
named() { xdotool search --onlyvisible --name "$1" | grep -q .; }
windows_named() { xdotool search --onlyvisible --name "$1" | wc -l; }
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
start() {
  launch
  wait_for 30 maximised || fail "the main window is not maximised"
}
quit_game() {
  choose alt+g q
  wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end the program"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
# net_shows <shot name> <kind:line ...>: the net in a new screenshot is the
# solved cube after the shuffle and then these moves.
net_shows() {
  local name=$1; shift
  shot "$xs_work/$name.png" &&
    "$probe" check "$xs_work/$name.png" "$client_x" "$client_y" "$client_w" "$client_h" "$net_n" "${shuffle[@]}" "$@"
}
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
has_number() { clipboard | grep -Eqx '3-4-[0-9]+'; }

# A 3 x 3 game of four shuffle moves; its number, copied, names the net shown.
options 3 4
options_bytes=$(od -An -tx1 "$game_dir/GameOpt.dat")
start
choose alt+g s
find_client
choose alt+g c
wait_for 10 has_number || fail "Game > Copy game number put no number on the clipboard: '$(clipboard)'"
number=$(clipboard)
read -r net_n moves < <("$probe" shuffle "$number") || fail "net_probe cannot read $number"
read -r -a shuffle <<<"$moves"
[ "$net_n" -eq 3 ] && [ "${#shuffle[@]}" -eq 4 ] || fail "$number is not a game of 3 blocks and 4 moves"
wait_for 10 net_shows copied || fail "the net is not the shuffle of $number"

# Two presses, taken back with Z and Ctrl+Z, made again with Y and Ctrl+Y.
press 1 1
press 6 2
wait_for 10 net_shows pressed 1:1 6:2 || fail "the presses are not on the net"
menu z ctrl+z
wait_for 10 net_shows undone || fail "Z and Ctrl+Z did not take both presses back"
menu y
wait_for 10 net_shows redone_one 1:1 || fail "Y did not make the first press again"
menu ctrl+y
wait_for 10 net_shows redone 1:1 6:2 || fail "Ctrl+Y did not make the second press again"

# F1 opens the help window; Esc closes it, and the game goes on.
menu F1
wait_for 10 named '^遊び方$' || fail "F1 opened no window titled 遊び方"
shot "$xs_work/help.png"
xdotool key Escape
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^遊び方\$' | grep -q ." || fail "Esc did not close the help"
menu z
wait_for 10 net_shows after_help 1:1 || fail "after the help, Z no longer took a move back"
quit_game
[ "$(od -An -tx1 "$game_dir/GameOpt.dat")" = "$options_bytes" ] || fail "GameOpt.dat changed in the first run"

# Another run, whose options ask for 5 x 5 blocks and no shuffle: the typed
# number starts exactly its own game, and the options file stays as it was.
options 5 0
options_bytes=$(od -An -tx1 "$game_dir/GameOpt.dat")
start
input_box() { named '^ゲーム番号から始める$'; }
type_number() {
  choose alt+g n
  wait_for 10 input_box || fail "Game > Start from number asked for nothing"
  xdotool type --delay 20 "$1"
  xdotool key Return
}
type_number "3-4-x"
wait_for 10 bash -c '[ "$(xdotool search --onlyvisible --name "^Tessaro\$" | wc -l)" -ge 2 ]' ||
  fail "no message for a text that is no game number"
xdotool key Return
wait_for 10 bash -c '[ "$(xdotool search --onlyvisible --name "^Tessaro\$" | wc -l)" -eq 1 ]' ||
  fail "the message did not close"
type_number "$number"
find_client
wait_for 10 net_shows typed || fail "the game started from $number is not the same net"
[ "$(windows_named '^Tessaro$')" -eq 1 ] || fail "a message came for a good number"
quit_game
[ "$(od -An -tx1 "$game_dir/GameOpt.dat")" = "$options_bytes" ] || fail "GameOpt.dat changed"
echo "PASS: Game > Copy game number gave $number, the shuffle on the net; Y and Ctrl+Y redid what Z and Ctrl+Z" \
  "took back; F1 opened 遊び方 and Esc closed it; a second run started the same net from $number, refused" \
  "a text that is no number, and left GameOpt.dat alone"
