#!/usr/bin/env bash
# The real program on Wayland: Debian's weston runs nested in its own Xvfb
# (its X11 backend, with a plain desktop colour), the game runs on Qt's
# Wayland platform, and ImageMagick reads the places from screenshots. The
# splash stands in the middle of the work area; the about window's frame
# 2340, 1935 twips from the maximised main window's corner, and the
# congratulations window where the net puts it, as they stand from the
# screen's corner on X11.
#
# Usage: wayland_test.sh <build folder> <net_probe>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
build=$1
probe=$2

# X server only: weston is the window manager here.
Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$xs_work/display" 2>"$xs_work/xvfb.log" &
xs_pids+=($!)
wait_for 20 test -s "$xs_work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$xs_work/display")"

export XDG_RUNTIME_DIR="$xs_work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
desktop='#203040'
cat >"$xs_work/weston.ini" <<INI
[core]
idle-time=0
[shell]
background-image=
background-color=0xff203040
locking=false
animation=none
startup-animation=none
[keyboard]
# No key repeats itself: on a loaded machine a key's release can come late.
repeat-rate=0
repeat-delay=60000
INI
weston --config="$xs_work/weston.ini" --backend=x11-backend.so --use-pixman --width=1200 --height=760 \
  --socket=tessaro-test >"$xs_work/weston.log" 2>&1 &
xs_pids+=($!)
wait_for 20 test -S "$XDG_RUNTIME_DIR/tessaro-test" || { cat "$xs_work/weston.log" >&2; fail "weston did not start"; }
output() { xwininfo -root -tree | awk '/"Weston Compositor/ && !found { print $NF; found = 1 }'; }
wait_for 20 bash -c "xwininfo -root -tree | grep -q 'Weston Compositor'" || fail "no weston window"
read -r ox oy < <(output | tr '+' ' ')

xsession_game "$build"
game_env=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=tessaro-test)

# The output alone, and the bounding box (x y w h) of the pixels of one
# colour, or (with !) of every other colour, below the panel.
output_of() { convert "$1" -crop "1200x760+$ox+$oy" +repage "$2"; }
screen() { import -window root "$xs_work/root.png" && output_of "$xs_work/root.png" "$1"; }
box() {
  local png=$1 colour=$2 others=black ones=white
  [ "${colour:0:1}" != '!' ] || { colour=${colour:1}; others=white; ones=black; }
  # (A black border, so that a box filling the whole area is found too.)
  convert "$png" -crop "1200x$((760 - panel))+0+$panel" +repage -fill "$others" +opaque "$colour" \
    -fill "$ones" -opaque "$colour" -bordercolor black -border 1 -format '%@' info: 2>/dev/null |
    awk -F'[x+]' -v p="$panel" '{ print $3 - 1, $4 - 1 + p, $1, $2 }'
}
# The first row of the desktop's colour, once weston has drawn its panel and desktop.
panel_height() {
  screen "$xs_work/desktop.png"
  panel=$(convert "$xs_work/desktop.png" -crop 1x760+600+0 +repage -depth 8 txt:- |
    awk -F'[ ,:]+' -v d="${desktop,,}" 'tolower($0) ~ d && !found { print $2; found = 1 }')
  [ -n "$panel" ] && [ "$panel" -gt 0 ]
}
wait_for 20 panel_height || fail "no desktop found below weston's panel"

# The pointer rests on the panel, out of the pictures.
xdotool mousemove $((ox + 300)) $((oy + 1))
# The splash stands for a second and a half, which one screenshot and its
# reading may take on a loaded machine: from the launch on, screenshots are
# only taken, one after another, and read once the main window is up, the
# last first.
mkdir "$xs_work/start"
(
  i=0
  while [ ! -e "$xs_work/start/done" ] && [ "$i" -lt 3000 ]; do
    import -window root "$xs_work/start/$(printf %04d "$i").png" 2>/dev/null || true
    i=$((i + 1))
    sleep 0.05
  done
) &
capture=$!
xs_pids+=($capture)
env "${game_env[@]}" "$game_dir/tessaro" >"$xs_work/game.log" 2>&1 &
game_pid=$!
xs_pids+=($game_pid)
# The main window, maximised, covers the work area.
main_up() { screen "$xs_work/main.png" && [ "$(box "$xs_work/main.png" "!$desktop" | awk '{ print $3 }')" -eq 1200 ]; }
wait_for 20 main_up || fail "the main window is not maximised"
touch "$xs_work/start/done"
wait "$capture" || true
splash_in() {
  output_of "$1" "$xs_work/splash.png"
  local width
  width=$(box "$xs_work/splash.png" "!$desktop" | awk '{ print $3 }')
  [ "$width" -gt 100 ] && [ "$width" -lt 1000 ]
}
splash=
for f in $(ls -r "$xs_work/start"/*.png); do
  if splash_in "$f"; then splash=$f; break; fi
done
[ -n "$splash" ] || fail "no splash before the main window, in $(ls "$xs_work/start" | wc -l) screenshots"
read -r sx sy sw sh < <(box "$xs_work/splash.png" "!$desktop")
read -r wx wy ww wh < <(box "$xs_work/main.png" "!$desktop")
echo "work area ${ww}x$wh+$wx+$wy; splash ${sw}x$sh+$sx+$sy"
[ $((2 * sx + sw - (2 * wx + ww))) -ge -1 ] && [ $((2 * sx + sw - (2 * wx + ww))) -le 1 ] &&
  [ $((2 * sy + sh - (2 * wy + wh))) -ge -1 ] && [ $((2 * sy + sh - (2 * wy + wh))) -le 1 ] ||
  fail "the splash is not centred"

# The client area: the grey of the empty window, across its width, and down
# from under the menu bar (the longest run of grey in a column).
read -r cx _ cw _ < <(box "$xs_work/main.png" '#E0E0E0')
read -r cy ch < <(convert "$xs_work/main.png" -crop "1x760+$((cx + 20))+0" +repage -depth 8 txt:- |
  awk -F'[ ,:]+' '/#E0E0E0/ { if ($2 != last + 1) start = $2; last = $2; if (last - start + 1 > best) { best = last - start + 1; top = start } }
                  END { print top, best }')
at() { xdotool mousemove $((ox + $1)) $((oy + $2)); }
press_key() { at $((cx + 5)) $((cy + ch - 5)); xdotool click 1 key --clearmodifiers "$@"; }  # focus: a press on the empty net
# choose <menu key> <entry key>: the entry's key goes to the menu only once it
# is open, which here only the screen can tell: a menu opened by its key
# shows its first entry in the highlight colour just under the menu bar,
# where the empty client area is otherwise plain grey. (Comparing the whole
# window with a picture from before the key let any late repaint, such as
# the focus mark coming back once the window is active again, pass for an
# open menu.) A menu that does not open is asked for again after Esc.
choose() {
  local tries=3
  at $((cx + 5)) $((cy + ch - 5))
  xdotool click 1
  menu_shown() {
    screen "$xs_work/menu.png" || return 1
    local lit
    lit=$(convert "$xs_work/menu.png" -crop "40x12+$((cx + 20))+$((cy + 6))" +repage \
      -fill black +opaque '#308CC6' -fill white -opaque '#308CC6' -format '%[fx:mean]' info:) &&
      awk -v m="$lit" 'BEGIN { exit !(m > 0.5) }'
  }
  xdotool key --clearmodifiers "$1"
  until wait_for 5 menu_shown; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the menu of $1 did not open"
    xdotool key Escape
    wait_for 5 not menu_shown || fail "Esc did not close the menu of $1"
    xdotool key --clearmodifiers "$1"
  done
  xdotool key "$2"
}

# The about window: its frame where a top-level's would stand from the
# screen's corner (2340, 1935 twips; the frame is 2 pixels wide, then comes
# the title in the highlight colour).
press_key alt+a
about_up() { screen "$xs_work/about.png" && [ "$(box "$xs_work/about.png" '#308CC6' | awk '{ print $3 }')" -gt 0 ]; }
wait_for 10 about_up || fail "no about window"
read -r ax ay _ < <(box "$xs_work/about.png" '#308CC6')
echo "about window's title at $ax,$ay"
[ "$ax" -eq $((wx + 2340 / 15 + 2)) ] && [ "$ay" -eq $((wy + 1935 / 15 + 2)) ] || fail "the about window is not in its place"
xdotool key Return
about_gone() { screen "$xs_work/about.png" && [ "$(box "$xs_work/about.png" '#308CC6' | awk '{ print $3 }')" -eq 0 ]; }
wait_for 10 about_gone || fail "Enter did not close the about window"

# The congratulations window: a 2 x 2 shuffled by one move, which the net on
# the screen tells; the button of its reverse wins with one click.
options 2 1
choose alt+g s
shuffle_move() { screen "$xs_work/net.png" && one_move_shuffle "$xs_work/net.png" "$cx" "$cy" "$cw" "$ch"; }
wait_for 20 shuffle_move || fail "the net does not show a one-move shuffle"
read -r kind line <"$xs_work/shuffle"
read -r want_x want_y < <("$probe" congratulations "$cw" "$ch" 2)
read -r x y < <("$probe" buttons "$cw" "$ch" 2 |
  awk -v k=$((kind % 2 == 1 ? kind + 1 : kind - 1)) -v l="$line" '$1 == k && $2 == l { print $3, $4 }')
at $((cx + x)) $((cy + y)); xdotool click 1
# Past the rainbow (192 pixels wide), the window's light cyan.
won() { screen "$xs_work/won.png" && [ "$(box "$xs_work/won.png" '#C0FFFF' | awk '{ print $3 }')" -gt 0 ]; }
wait_for 20 won || fail "the reverse of the shuffle move did not win"
read -r gx gy _ < <(box "$xs_work/won.png" '#C0FFFF')
echo "congratulations window at $((gx - 192)),$gy; its place $((wx + want_x)),$((wy + want_y))"
[ $((gx - 192)) -eq $((wx + want_x)) ] && [ "$gy" -eq $((wy + want_y)) ] || fail "the congratulations window is not in its place"
xdotool key Return
congratulations_gone() { screen "$xs_work/won.png" && [ "$(box "$xs_work/won.png" '#C0FFFF' | awk '{ print $3 }')" -eq 0 ]; }
wait_for 10 congratulations_gone || fail "Enter did not close the congratulations window"

choose alt+g q
wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end the program"
echo "PASS: on Wayland the splash is centred and the about and congratulations windows stand in their places"
