#!/usr/bin/env bash
# Keyboard play and screen readers in the real program, under its own X
# server and a private D-Bus session with the accessibility bus:
#  - in a practice game, the arrow keys, Space and Enter alone make three
#    moves that the screenshot shows; the focus mark appears with the first
#    arrow key and goes at the next mouse press, and a listener on the bus
#    hears the name of each button the arrows go to;
#  - in a game shuffled by one move, tests/atspi_play.py finds the net on the
#    accessibility bus, presses its buttons through their actions until the
#    solved-face label says six, and sees the congratulations window;
#  - Enter closes it, Game > Quit ends the program with status 0.
#
# Usage: access_program_test.sh <build folder> <net_probe>
set -euo pipefail
if [ -z "${TESSARO_OWN_BUS:-}" ]; then
  exec env TESSARO_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi
here=$(dirname "$0")
source "$here/xsession.sh"
probe=$2
xsession_start 1024x768
xsession_game "$1"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
xs_pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 "$here/atspi_play.py" hear "$xs_work/heard.txt" &
xs_pids+=($!)
wait_for 30 test -e "$xs_work/heard.txt.ready" || fail "no listener on the accessibility bus"
maximised() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }

# The colours in a rectangle of the last screenshot: "#RRGGBB" lines.
colours() { convert "$xs_work/find.png" -crop "$1" +repage -depth 8 -format %c histogram:info:- | grep -o '#[0-9A-F]\{6\}' | sort -u; }

# ---- keyboard play in a practice game of 3 x 3: no shuffle, a solved cube.
options 3 0
net_n=3
launch
wait_for 30 maximised || fail "the main window is not maximised"
choose alt+g s
find_client
solved() { shot "$xs_work/find.png" && "$probe" check "$xs_work/find.png" "$client_x" "$client_y" "$client_w" "$client_h" 3; }
wait_for 10 solved || fail "the solved 3 x 3 net is not drawn"
# Just above button (3, 2): the grey gap, where the mark's outlines will lie.
"$probe" buttons "$client_w" "$client_h" 3 >"$xs_work/buttons.txt"
read -r x y side < <(awk '$1 == 3 && $2 == 2 { print $3, $4, $5 }' "$xs_work/buttons.txt")
above="${side}x$((side / 2))+$((client_x + x - side / 2))+$((client_y + y - side))"
[ "$(colours "$above")" = "#E0E0E0" ] || fail "the gap above button (3, 2) is not plain grey before any key"

# Down shows the mark on the first button; then the marked button is pressed,
# Up goes round the corner to the column buttons, Right along them.
xdotool key Down space Up Return Right space
moves=(1:1 3:1 3:2)
keyed() { shot "$xs_work/find.png" && "$probe" check "$xs_work/find.png" "$client_x" "$client_y" "$client_w" "$client_h" 3 "${moves[@]}"; }
wait_for 10 keyed || {
  "$probe" check "$xs_work/find.png" "$client_x" "$client_y" "$client_w" "$client_h" 3 "${moves[@]}" || true
  fail "the keys did not make the moves ${moves[*]}"
}
heard() { [ "$(head -n 3 "$xs_work/heard.txt" | tr '\n' ' ')" = "1行目を左へ 1列目を上へ 2列目を上へ " ]; }
wait_for 20 heard || fail "a screen reader heard: $(tr '\n' ' ' <"$xs_work/heard.txt")"
marked=$(colours "$above")
grep -qx '#000000' <<<"$marked" && grep -qx '#FFFFFF' <<<"$marked" ||
  fail "no black and white mark around button (3, 2): $(echo $marked)"
# A mouse press beside every button takes the mark away and moves nothing.
xdotool mousemove "$((client_x + 5))" "$((client_y + client_h - 5))" click 1
unmarked() { shot "$xs_work/find.png" && [ "$(colours "$above")" = "#E0E0E0" ]; }
wait_for 10 unmarked || fail "the mark stayed after a mouse press"
"$probe" check "$xs_work/find.png" "$client_x" "$client_y" "$client_w" "$client_h" 3 "${moves[@]}" >/dev/null ||
  fail "the mouse press beside the buttons changed the net"

# ---- a screen reader wins a game shuffled by one move. Opening the options
# panel takes "Can see the shuffle" from the file, where it is off. (Keys
# keep their order: Esc reaches the panel once it is open.)
options 2 1
menu alt+o
xdotool key Escape
choose alt+g s
/usr/bin/python3 "$here/atspi_play.py" || fail "the game could not be won over the accessibility bus"
xdotool key Return
choose alt+g q
wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end the program"
status=0
wait "$game_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: arrow keys, Space and Enter made ${moves[*]} with the mark shown until a mouse press" \
  "and each marked button told on the bus;" \
  "a screen reader's presses won a game; Quit ended it with status 0"
