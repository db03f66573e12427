#!/usr/bin/env bash
# The records in the real program under its own X server: a won 2 x 2 game
# with one shuffle move writes the records file in the data folder, and
# Game > Records lists it; then a records file that cannot be read gives one
# message, the list still opens, and the program ends normally, its options
# file untouched.
#
# Usage: records_program_test.sh <build folder> <net_probe>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
probe=$2
xsession_start 1024x768
xsession_game "$1"
records="$data_dir/records.txt"
named() { xdotool search --onlyvisible --name "$1" | grep -q .; }
windows_named() { xdotool search --onlyvisible --name "$1" | wc -l; }
message_shown() { [ "$(windows_named '^Tessaro$')" -ge 2 ]; }
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
start() {
  launch
  wait_for 30 maximised || fail "the main window is not maximised"
}

close_list() {
  xdotool key Escape
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^記録\$' | grep -q ." || fail "Esc did not close the list"
}

quit_game() {
  choose alt+g q
  wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end the program"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# A win: the screenshot tells which move the one-move shuffle made, and the
# button of the reverse move solves the cube with one click.
shuffle_move() { shot "$xs_work/net.png" && one_move_shuffle "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h"; }
options 2 1
net_n=2
start
choose alt+g s
find_client
wait_for 10 shuffle_move || fail "the net does not show a one-move shuffle"
read -r kind line <"$xs_work/shuffle"
press $((kind % 2 == 1 ? kind + 1 : kind - 1)) "$line"
wait_for 10 named '^Congratulations$' || fail "the reverse of the shuffle move did not win"
xdotool key Return
wait_for 10 test -f "$records" || fail "no records file in $data_dir"
grep -Eqx "Tessaro records 2" <(head -n1 "$records") || fail "no header: $(cat "$records")"
# The best time and the fewest clicks, both set by the game whose seed follows.
grep -Eqx '2 1 [0-9]+ 1 ([0-9]+) \1 last' <(tail -n +2 "$records") || fail "not the won game: $(cat "$records")"

choose alt+g r
wait_for 10 named '^記録$' || fail "Game > Records opened no window"
shot "$xs_work/records.png"
close_list
quit_game

# A records file that cannot be read: one message, then the list.
printf 'Tessaro records 1\n2 1 5' >"$records"
options_before=$(od -An -tx1 "$game_dir/GameOpt.dat")
start
choose alt+g r
wait_for 10 message_shown || fail "no message for the broken records file"
xdotool key Return
wait_for 10 named '^記録$' || fail "the list did not open after the message"
close_list
choose alt+g r
wait_for 10 named '^記録$' || fail "the list did not open the second time"
[ "$(windows_named '^Tessaro$')" -eq 1 ] || fail "the message came twice"
close_list
quit_game
[ "$(od -An -tx1 "$game_dir/GameOpt.dat")" = "$options_before" ] || fail "GameOpt.dat changed"
[ "$(cat "$records")" = "$(printf 'Tessaro records 1\n2 1 5')" ] || fail "the unreadable file was changed without a new record"
echo "PASS: a one-click win entered $records and Game > Records listed it; a broken file was told once"
