#!/usr/bin/env bash
# The real program under its own X server ends cleanly, with status 0, on
# SIGTERM (kill), SIGINT (Ctrl+C) and SIGHUP (logging out): from the main
# window, while a modal box is open (the about window, the practice
# command's input box, the records), and while the splash is still up.
#
# Usage: signals_program_test.sh <build folder>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
xsession_start 1024x768
xsession_game "$1"
mkdir "$xs_work/home"
game_env=(HOME="$xs_work/home" XDG_CONFIG_HOME=)

# A window of the game's own besides the main one, framed by the window
# manager (menus are not).
box_open() {
  local w
  for w in $(xdotool search --onlyvisible --class tessaro); do
    [ "$w" != "$window" ] || continue
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: no' && return 0
  done
  return 1
}

# signalled <signal> <what>: the signal ends the program within 10 seconds,
# with status 0.
signalled() {
  kill -s "$1" "$game_pid"
  wait_for 10 bash -c "! kill -0 $game_pid" || fail "SIG$1 $2 did not end the program"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "SIG$1 $2 ended the program with status $status"
}

for sig in TERM INT HUP; do
  launch
  signalled "$sig" "on the main window"
done

# The box's own event loop must not hold the program.
boxes=("TERM:alt+a:the about window" "INT:shift+s:the practice command's box" "HUP:alt+g r:the records")
for b in "${boxes[@]}"; do
  IFS=: read -r sig keys what <<<"$b"
  launch
  if [ "$keys" = "alt+g r" ]; then choose alt+g r; else menu "$keys"; fi
  wait_for 10 box_open || fail "$what did not open"
  signalled "$sig" "with $what open"
done

# Before the main window: the splash alone.
env "${game_env[@]}" "$game_dir/tessaro" >"$xs_work/game.log" 2>&1 &
game_pid=$!
xs_pids+=("$game_pid")
window=none
splash_shown() { xdotool search --onlyvisible --class tessaro | grep -q .; }
wait_for 30 splash_shown || fail "no splash"
signalled TERM "during the splash"

echo "PASS: SIGTERM, SIGINT and SIGHUP ended the program with status 0 on the main window, through" \
  "${#boxes[@]} kinds of modal box and during the splash"
