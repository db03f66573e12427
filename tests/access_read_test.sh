#!/usr/bin/env bash
# A game read and won through the accessibility bus alone, in the real
# program under its own X server and a private D-Bus session:
#  - the options panel opens as a dialog called Option with the focus in its
#    first box, and Esc gives the focus back to the net;
#  - in a 2 x 2 game shuffled by one move, tests/atspi_read.py reads every
#    block's colour from the faces' tables, and they are the colours drawn
#    (the screenshot, read by net_probe);
#  - it solves the net from what the tree says and presses the buttons
#    through their actions; each press is announced once, with what it did,
#    the blocks it changed are renamed, the win is announced, and the
#    clock's label changed all the while without a word;
#  - Enter closes the congratulations, Game > Quit ends the program with status 0.
# All in Japanese, or in English with TESSARO_TEST_LANGUAGE=en (and a desktop
# that prefers English, LANGUAGE=en).
#
# Usage: access_read_test.sh <build folder> <net_probe>
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
heard="$xs_work/heard.txt"
/usr/bin/python3 "$here/atspi_read.py" hear "$heard" &
xs_pids+=($!)
wait_for 30 test -e "$heard.ready" || fail "no listener on the accessibility bus"

# What the game says, in its language.
if [ "${TESSARO_TEST_LANGUAGE:-}" = en ]; then
  net_name="Cube net" started="Game started. " won="Every face is of one colour. "
  clicks_label="Clicks so far: " clock_label="Time taken: "
else
  net_name="展開図" started="ゲーム開始。" won="全ての面がそろいました。"
  clicks_label="今までのクリック回数は" clock_label="所要時間"
fi

# has <tab-separated line>: the listener has heard it.
has() { grep -qxF "$1" "$heard"; }
tab=$'\t'

options 2 1
launch

# ---- the options panel: a dialog, shown with the focus in it, and the focus back.
menu alt+o
wait_for 20 has "shown${tab}Option" || fail "no dialog called Option showed: $(cat "$heard")"
wait_for 20 has "focus${tab}N of Block${tab}Option" || fail "the focus is not in the dialog's first box: $(cat "$heard")"
# Qt holds each key until the bus has said whether a listener takes it, and
# a key that comes while the window is being activated can be lost: Esc is
# pressed again (on the net it does nothing) until the focus is back.
before=$(wc -l <"$heard")
back() { tail -n +"$((before + 1))" "$heard" | grep -qxF "focus${tab}${net_name}${tab}-"; }
for try in 1 2 3; do
  menu Escape
  ! wait_for 8 back || break
done
back || fail "Esc did not give the focus back to the net: $(tail -n +"$((before + 1))" "$heard")"

# ---- the net as the tree tells it is the net drawn.
choose alt+g s
find_client
/usr/bin/python3 "$here/atspi_read.py" read >"$xs_work/tree.txt" || fail "the net could not be read from the tree"
shot "$xs_work/shot.png"
"$probe" blocks "$xs_work/shot.png" "$client_x" "$client_y" "$client_w" "$client_h" 2 >"$xs_work/drawn.txt"
diff "$xs_work/drawn.txt" "$xs_work/tree.txt" >"$xs_work/differ.txt" ||
  fail "the tree's colours are not the drawn ones (drawn < > tree): $(cat "$xs_work/differ.txt")"
"$probe" check "$xs_work/shot.png" "$client_x" "$client_y" "$client_w" "$client_h" 2 >/dev/null &&
  fail "the net drawn is not shuffled"

# ---- solved from the tree, each press heard once.
/usr/bin/python3 "$here/atspi_read.py" solve "$heard" "$xs_work/expected.txt" ||
  fail "the game could not be won from the tree"
xdotool key Return
choose alt+g q
wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end the program"
status=0
wait "$game_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# Everything said came before the program ended: exactly one sentence for
# the start and then one for each press, what that press did, the win last.
grep "^said${tab}" "$heard" | cut -f2 >"$xs_work/said.txt"
grep -q "^$started" <(head -n1 "$xs_work/said.txt") || fail "the start was not announced first: $(cat "$xs_work/said.txt")"
presses=$(wc -l <"$xs_work/expected.txt")
[ "$(wc -l <"$xs_work/said.txt")" -eq "$((presses + 1))" ] ||
  fail "$presses presses, but announced: $(cat "$xs_work/said.txt")"
paste "$xs_work/expected.txt" <(tail -n +2 "$xs_work/said.txt") | while IFS=$tab read -r want got; do
  [[ "$got" == "$want"* ]] || fail "announced \"$got\" where \"$want\" was due"
done
grep -q "^$won" <(tail -n1 "$xs_work/said.txt") || fail "the win was not announced last"
# The labels tell of their new texts, the clock's never.
grep -q "^label${tab}${clicks_label}" "$heard" || fail "no label's new text was heard"
if grep -q "^label${tab}${clock_label}" "$heard"; then fail "the clock's label told its new texts"; fi
echo "PASS: a dialog took and gave back the focus; the tree's colours were the drawn ones;" \
  "the net was won from the tree with $presses presses, each announced once, the win last"
