#!/usr/bin/env bash
# The practice command's box (Shift+S) shows its whole title: under openbox
# with a title font of 11 pt bold, and on Wayland in weston, where Qt draws
# the title bar itself. A title bar that cuts its title (an ellipsis, or the
# end clipped at the buttons) draws other pixels than a bar with room to
# spare; so the title's pixels in the box's bar must be exactly those of the
# same title in a window far wider than the box (title_window).
#
# Usage: title_program_test.sh <build folder> <title_window>
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
build=$1
reference=$2
title='練習用の隠しコマンド'

# ink <shot.png> <x> <y> <width> <height> <fx condition> <out.png>: of the
# given part of the shot, the smallest box holding every pixel that meets the
# condition (the title's letters), cut out into out.png; fails if none does.
ink() {
  local part=$xs_work/part.png box
  convert "$1" -crop "$4x$5+$2+$3" +repage "$part"
  box=$(convert "$part" -fx "$6 ? 1 : 0" -bordercolor black -border 1 -format '%@' info:)
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
  [ "${BASH_REMATCH[1]}" -gt 1 ] && [ "${BASH_REMATCH[3]}" -gt 0 ] || return 1
  convert "$part" -crop "${BASH_REMATCH[1]}x${BASH_REMATCH[2]}+$((BASH_REMATCH[3] - 1))+$((BASH_REMATCH[4] - 1))" \
    +repage "$7"
}

# same_title <box.png> <reference.png>: the same size and every pixel alike.
same_title() {
  local a b differ
  a=$(identify -format '%wx%h' "$1")
  b=$(identify -format '%wx%h' "$2")
  echo "the box's title ${a} pixels, the wide window's ${b}"
  [ "$a" = "$b" ] || return 1
  differ=$(compare -metric AE "$1" "$2" null: 2>&1) || true
  [ "$differ" = 0 ]
}

# --- X11: openbox, its title font 11 pt bold. A theme of plain colours: the
# title in magenta, which neither the bar, its buttons nor the game's icon
# use, centred between the icon and the buttons.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$xs_work/display" 2>"$xs_work/xvfb.log" &
xs_pids+=($!)
wait_for 20 test -s "$xs_work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$xs_work/display")"
theme=$xs_work/wm/themes/TessaroTitles/openbox-3
mkdir -p "$theme"
cat >"$theme/themerc" <<'THEME'
border.width: 1
padding.width: 3
padding.height: 3
window.handle.width: 3
window.label.text.justify: center
window.*.border.color: #000000
window.*.title.bg: flat solid
window.*.title.bg.color: #303030
window.*.label.bg: parentrelative
window.*.label.text.color: #ff00ff
window.*.button.*.bg: flat solid
window.*.button.*.bg.color: #303030
window.*.button.*.image.color: #00ffff
window.*.handle.bg: flat solid
window.*.handle.bg.color: #303030
window.*.grip.bg: flat solid
window.*.grip.bg.color: #303030
THEME
cat >"$xs_work/rc.xml" <<'RC'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme>
    <name>TessaroTitles</name>
    <titleLayout>NLIMC</titleLayout>
    <font place="ActiveWindow"><name>sans</name><size>11</size><weight>bold</weight><slant>normal</slant></font>
    <font place="InactiveWindow"><name>sans</name><size>11</size><weight>bold</weight><slant>normal</slant></font>
  </theme>
</openbox_config>
RC
XDG_DATA_HOME="$xs_work/wm" openbox --config-file "$xs_work/rc.xml" >"$xs_work/openbox.log" 2>&1 &
xs_pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_for 20 wm_ready || fail "openbox did not start"

xsession_game "$build"
options 3 0
launch
menu shift+s
titled() { xdotool search --all --onlyvisible ${1:+--pid "$1"} --name "^$title\$" | head -n1 | grep .; }
wait_for 10 titled || fail "Shift+S showed no box titled $title"
box=$(titled)

# x11_title <window> <out.png>: the letters of the window's title bar, once
# openbox has framed it and drawn them.
x11_title() {
  local info x y w extents l r t
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS) && [[ $extents == *=* ]] || return 1
  IFS=', ' read -r l r t _ <<<"${extents#*= }"
  info=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
  w=$(awk '/Width:/ { print $NF }' <<<"$info")
  shot "$xs_work/x11.png"
  ink "$xs_work/x11.png" $((x - l)) $((y - t)) $((w + l + r)) "$t" 'r > 0.56 && b > 0.56 && g < 0.44' "$2"
}
wait_for 10 x11_title "$box" "$xs_work/box_x11.png" || fail "the box's title bar shows no title"

QT_QPA_PLATFORM=xcb "$reference" "$title" 800 >"$xs_work/reference.log" 2>&1 &
reference_pid=$!
xs_pids+=($reference_pid)
wait_for 20 titled "$reference_pid" || fail "the wide window did not show"
wait_for 10 x11_title "$(titled "$reference_pid")" "$xs_work/wide_x11.png" || fail "the wide window shows no title"
same_title "$xs_work/box_x11.png" "$xs_work/wide_x11.png" ||
  fail "under openbox at 11 pt bold the box's title bar does not show the whole title"
echo "PASS: under openbox at 11 pt bold the box shows its whole title"
kill "$game_pid" "$reference_pid"

# --- Wayland: weston nested in a second Xvfb, without its on-screen keyboard
# (which a text box would call up), and with its debugging protocol, which
# tells where each window stands. Qt's own title bar: 30 pixels high, the
# program's icon in its first 31 pixels, the three buttons in its last 68.
Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$xs_work/display2" 2>"$xs_work/xvfb2.log" &
xs_pids+=($!)
wait_for 20 test -s "$xs_work/display2" || fail "the second Xvfb did not start"
export DISPLAY=":$(head -n1 "$xs_work/display2")"
export XDG_RUNTIME_DIR="$xs_work/runtime" WAYLAND_DISPLAY=tessaro-titles
mkdir -m 700 "$XDG_RUNTIME_DIR"
cat >"$xs_work/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
background-image=
background-color=0xff203040
locking=false
animation=none
startup-animation=none
[input-method]
path=
INI
weston --config="$xs_work/weston.ini" --backend=x11-backend.so --use-pixman --width=1200 --height=760 \
  --debug --socket="$WAYLAND_DISPLAY" >"$xs_work/weston.log" 2>&1 &
xs_pids+=($!)
wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || { cat "$xs_work/weston.log" >&2; fail "weston did not start"; }
output() { xwininfo -root -tree | awk '/"Weston Compositor/ && !found { print $NF; found = 1 }' | grep .; }
wait_for 20 output || fail "no weston window"
read -r ox oy < <(output | tr '+' ' ')
screen() { import -window root "$xs_work/root.png" && convert "$xs_work/root.png" -crop "1200x760+$ox+$oy" +repage "$1"; }
# views <pid>: "x y right bottom title" of every top-level window of that
# process, as weston places it (its surface, with Qt's frame).
views() {
  weston-debug scene-graph 2>/dev/null |
    awk -v pid="PID $1," '/role xdg_toplevel/ { mine = index($0, pid) > 0; split($0, t, "top-level window .|. of "); title = t[2]; next }
                          mine && /position:/ { gsub(/[(),>-]/, " "); print $2, $3, $4, $5, title; mine = 0 }'
}
titled_view() { views "$1" | awk -v t="$title" 'substr($0, index($0, $5)) == t { print $1, $2, $3 - $1; found = 1 } END { exit !found }'; }

# The pointer rests on weston's panel until it presses.
xdotool mousemove $((ox + 300)) $((oy + 1))
QT_QPA_PLATFORM=wayland "$game_dir/tessaro" >"$xs_work/game.log" 2>&1 &
game_pid=$!
xs_pids+=($game_pid)
# wayland_title <x> <y> <width> <out.png>: the dark letters between the
# icon and the buttons of the title bar of a surface at x, y; they are dark
# while the window is the active one.
wayland_title() {
  screen "$xs_work/wayland.png"
  ink "$xs_work/wayland.png" $(($1 + 31)) "$2" $(($3 - 31 - 68)) 30 '(r + g + b) / 3 < 0.4' "$4"
}
# Start-up is over when the main window is the game's only window and the
# active one, which takes the keys.
main_active() {
  [ "$(views "$game_pid" | awk '{ print $5 }')" = Tessaro ] || return 1
  read -r mx my mright mbottom _ < <(views "$game_pid")
  wayland_title "$mx" "$my" $((mright - mx)) "$xs_work/main_title.png"
}
wait_for 20 main_active || fail "on Wayland the main window did not come alone and active"
# A press on its empty client area, then the keys. Qt may not yet take the
# first key just after start-up; the keys are asked for again after a while
# (a late one then only types a letter into the box).
xdotool mousemove $((ox + mx + 20)) $((oy + mbottom - 20))
xdotool click 1
tries=4
until xdotool key shift+s && wait_for 3 titled_view "$game_pid"; do
  tries=$((tries - 1))
  [ "$tries" -gt 0 ] || fail "on Wayland Shift+S showed no box titled $title"
  echo "no box yet after Shift+S; once more"
done
read -r bx by bw < <(titled_view "$game_pid")
echo "the box on Wayland: $bw pixels wide at $bx,$by"

wait_for 10 wayland_title "$bx" "$by" "$bw" "$xs_work/box_wayland.png" || fail "on Wayland the box's title bar shows no title"

QT_QPA_PLATFORM=wayland "$reference" "$title" 800 >"$xs_work/reference.log" 2>&1 &
reference_pid=$!
xs_pids+=($reference_pid)
wait_for 20 titled_view "$reference_pid" || fail "on Wayland the wide window did not show"
read -r rx ry rw < <(titled_view "$reference_pid")
# Weston does not always make it the active window, as the box is: a press
# on its green ground does.
xdotool mousemove $((ox + rx + rw / 2)) $((oy + ry + 45))
xdotool click 1
wait_for 10 wayland_title "$rx" "$ry" "$rw" "$xs_work/wide_wayland.png" || fail "on Wayland the wide window shows no title"
same_title "$xs_work/box_wayland.png" "$xs_work/wide_wayland.png" ||
  fail "on Wayland the box's title bar does not show the whole title"
echo "PASS: on Wayland the box shows its whole title"
