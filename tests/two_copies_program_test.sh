#!/usr/bin/env bash
# Two copies of the real program at once, under their own X server, sharing
# one options file and one records file:
#  - copy B looks at its records, then copy A wins a 2 x 2 game and copy B a
#    3 x 3 game: both wins end up in records.txt;
#  - copy A's options panel saves a block count and the shuffle switch, then
#    the practice command in copy B sets its number of moves: the file keeps
#    copy A's block count and switch, and holds B's number of moves;
#  - both end normally by Quit.
#
# Usage: two_copies_program_test.sh <build folder> <net_probe>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
probe=$2
xsession_start 1024x768
xsession_game "$1"
records="$data_dir/records.txt"

fail() {
  echo "FAIL: $*" >&2
  local copy
  for copy in a b; do
    [ ! -s "$xs_work/game-$copy.log" ] || { echo "--- copy $copy's output:" >&2; tail -n 30 "$xs_work/game-$copy.log" >&2; }
  done
  exit 1
}

named() { xdotool search --onlyvisible --name "$1" | grep -q .; }
bytes() { od -An -tx1 "$game_dir/GameOpt.dat" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
options_are() { [ "$(bytes)" = "$1" ]; }

# launch_copy <a|b>: starts one more copy of the game; sets pid_<copy> and
# window_<copy> once its main window is up, maximised, and its splash has
# gone. The windows are told apart by the process that made them; the
# splash bears the title too, so the main window is the maximised one.
launch_copy() {
  local copy=$1 pid main=
  env "${game_env[@]}" "$game_dir/tessaro" >"$xs_work/game-$copy.log" 2>&1 &
  pid=$!
  xs_pids+=("$pid")
  own_main() {
    local w
    for w in $(xdotool search --all --onlyvisible --pid "$pid" --name '^Tessaro$'); do
      xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ && main=$w && return 0
    done
    return 1
  }
  wait_for 30 own_main || fail "copy $copy shows no maximised main window titled Tessaro"
  own_splash_gone() { [ "$(xdotool search --all --onlyvisible --pid "$pid" --class tessaro | grep -cvx "$main")" -eq 0 ]; }
  wait_for 30 own_splash_gone || fail "the splash of copy $copy stayed after its main window came"
  printf -v "pid_$copy" '%s' "$pid"
  printf -v "window_$copy" '%s' "$main"
}

# use <a|b>: the copy that the helpers of xsession.sh drive next, raised
# over the other (the clicks and screenshots go to the screen).
use() {
  local pid_var="pid_$1" window_var="window_$1"
  game_pid=${!pid_var}
  window=${!window_var}
  xdotool windowactivate --sync "$window" windowraise "$window"
  on_top() { [ "$(xdotool getactivewindow)" = "$window" ]; }
  wait_for 10 on_top || fail "copy $1 did not come to the front"
}

# one_move <N>: which single move the N x N net on the screen shows, written
# as "kind line" to $xs_work/shuffle.
one_move() {
  local kind line
  shot "$xs_work/net.png" || return 1
  for kind in 1 2 3 4 5 6; do
    for line in $(seq "$1"); do
      if "$probe" check "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h" "$1" "$kind:$line"; then
        echo "$kind $line" >"$xs_work/shuffle"
        return 0
      fi
    done
  done
  return 1
}

# win <N>: Start, then the reverse of the one-move shuffle wins with one click.
win() {
  net_n=$1
  choose alt+g s
  find_client
  wait_for 10 one_move "$1" || fail "the net does not show a one-move shuffle of $1 x $1"
  local kind line
  read -r kind line <"$xs_work/shuffle"
  press $((kind % 2 == 1 ? kind + 1 : kind - 1)) "$line"
  wait_for 10 named '^Congratulations$' || fail "the reverse of the shuffle move did not win the $1 x $1 game"
  xdotool key Return
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Congratulations\$' | grep -q ." ||
    fail "the congratulations window stayed"
}

quit_copy() {
  use "$1"
  choose alt+g q
  wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end copy $1"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "copy $1 ended with status $status"
}

options 2 1
launch_copy a
launch_copy b

# Copy B reads the records (none yet) before copy A saves its win.
use b
choose alt+g r
wait_for 10 named '^記録$' || fail "Game > Records opened no window in copy B"
xdotool key Escape
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^記録\$' | grep -q ." || fail "Esc did not close the list"

use a
win 2
wait_for 10 grep -Eqx '2 1 [0-9]+ 1 ([0-9]+) \1 last' "$records" || fail "copy A's win is not in the records: $(cat "$records")"
options 3 1 shown
use b
win 3
# Each with the seed of its game's number, carried through the other's save.
two_wins() { grep -Eqx '2 1 [0-9]+ 1 ([0-9]+) \1' "$records" && grep -Eqx '3 1 [0-9]+ 1 ([0-9]+) \1 last' "$records"; }
wait_for 10 two_wins || fail "the records do not hold both copies' wins: $(cat "$records")"

# Copy A's panel: block count 4, "Can see the shuffle" cleared (the third
# control), OK by Enter. Its difficulty box has no word for 1 move, so the
# file keeps 1.
use a
menu alt+o 4 Tab Tab space Return
wait_for 10 options_are "04 00 00 00 01 00 00 00 00 00" || fail "the panel's OK saved $(bytes)"
# Copy B last loaded 3 blocks with the shuffle shown; its practice command
# sets the number of moves alone.
use b
menu shift+s
wait_for 10 named '^練習用の隠しコマンド$' || fail "Shift+S opened no input box in copy B"
xdotool type 7
xdotool key Return
wait_for 10 options_are "04 00 00 00 07 00 00 00 00 00" ||
  fail "the practice command in copy B saved $(bytes) over copy A's 04 00 00 00 01 00 00 00 00 00"

quit_copy a
quit_copy b
[ "$(ls -A "$data_dir" | sort | tr '\n' ' ')" = ".records.lock records.txt " ] ||
  fail "the data folder holds $(ls -A "$data_dir" | tr '\n' ' ')"
echo "PASS: two copies at once: both wins in $records, and the practice command in one kept the other's" \
  "newer block count and switch ($(bytes))"
