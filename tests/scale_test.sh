#!/usr/bin/env bash
# The real program at fractional and whole scales, under its own X server:
# QT_SCALE_FACTOR, and Xft.dpi set through xrdb as a desktop's scaling
# setting does. Before any game every device pixel of the client area is
# the grey ground; after Start and a few presses every device pixel is the
# net exactly as the game's surface draws it: no seams, no black lines. The
# blocks' bevel lines are as many whole device pixels thick as a pixel is
# device pixels wide, rounded: so they keep their weight beside the blocks
# and stay crisp. (The comparison above draws with the game's own surface,
# so it cannot tell a wrong thickness; this measures it in the screenshot.)
#
# Usage: scale_test.sh <build folder> <net_probe> [case ...]
# A case is factor:<QT_SCALE_FACTOR> or dpi:<Xft.dpi>. Without cases, three
# that each once failed on a 2400 x 1500 screen: KDE's 125 % (device rows left
# unpainted between strips of the image), 1.75 (the window's last device
# column never painted by Qt) and 2.5 (its last device row).
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
build=$1
probe=$2
shift 2
cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=(dpi:120 factor:1.75 factor:2.5)
xsession_start 2400x1500
xsession_game "$build"
net_n=3
moves=(1:1 3:2 5:3 2:3 6:1)
# How thick, in device pixels, a line one pixel wide is drawn at each case's
# ratio: 1.25 is nearer one device pixel than two, 1.75 nearer two, 2.5 is
# rounded up.
declare -A line_pixels=([dpi:120]=1 [factor:1.25]=1 [factor:1.5]=2 [factor:1.75]=2 [factor:2]=2 [factor:2.5]=3
  [dpi:168]=2 [dpi:192]=2 [dpi:240]=3)

for c in "${cases[@]}"; do
  game_env=()
  case "$c" in
    factor:*) ratio=${c#factor:}; game_env=(QT_SCALE_FACTOR="$ratio"); echo "Xft.dpi: 96" | xrdb -merge ;;
    dpi:*) ratio=$(awk -v d="${c#dpi:}" 'BEGIN { print d / 96 }'); echo "Xft.dpi: ${c#dpi:}" | xrdb -merge ;;
    *) fail "unknown case $c" ;;
  esac
  options 3 0  # a practice game: no shuffle, the cube starts solved
  launch
  find_client
  "$probe" ground "$xs_work/find.png" "$client_x" "$client_y" "$client_w" "$client_h" ||
    fail "$c: the empty client area is not all grey"

  choose alt+g s
  drawn() { shot "$xs_work/net.png" && "$probe" compare "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h" "$ratio" 3; }
  wait_for 10 drawn || { "$probe" compare "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h" "$ratio" 3; fail "$c: the solved net is not drawn exactly"; }
  for m in "${moves[@]}"; do press "${m%:*}" "${m#*:}"; done
  moved() { shot "$xs_work/net.png" && "$probe" compare "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h" "$ratio" 3 "${moves[@]}"; }
  wait_for 10 moved || { "$probe" compare "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h" "$ratio" 3 "${moves[@]}"; fail "$c: the net after the presses is not drawn exactly"; }
  lines=-
  if [ -n "${line_pixels[$c]:-}" ]; then
    lines=$("$probe" lines "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h" "$ratio" 3)
    [ "$lines" = "${line_pixels[$c]} " ] || fail "$c: bevel lines ${lines}device pixels thick, not ${line_pixels[$c]}"
  fi

  choose alt+g q
  wait_for 10 bash -c "! kill -0 $game_pid" || fail "$c: Quit did not end the program"
  echo "PASS $c: ground and net exact in every device pixel; bevel lines ${lines% } device pixels thick"
done
