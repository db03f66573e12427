# Shell helpers for driving the real program under its own X server and
# window manager. Source it; call xsession_start first. Needs Xvfb, openbox,
# xdotool, xprop and ImageMagick's import.

xs_pids=()
xs_work=$(mktemp -d)
game_env=()  # NAME=value pairs the game starts with

xsession_cleanup() {
  for p in "${xs_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$xs_work"
}
trap xsession_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ ! -s "$xs_work/game.log" ] || { echo "--- the game's output:" >&2; tail -n 30 "$xs_work/game.log" >&2; }
  exit 1
}

# Time from bash's own clock, without starting a process: microseconds
# since the epoch (EPOCHREALTIME, whatever the locale's decimal sign).
now_us() { now=${EPOCHREALTIME//[!0-9]/}; }

# Seconds ("10", "0.5") as microseconds, in us.
seconds_us() {
  local whole=${1%%.*} frac=
  [[ $1 != *.* ]] || frac=${1#*.}
  frac="${frac}000000"
  us=$((10#${whole:-0} * 1000000 + 10#${frac:0:6}))
}

# Every deadline of these scripts is stretched by TESSARO_TEST_SLOWDOWN
# (default 1): the sanitizer build sets it, since there the game starts,
# draws and ends several times slower, and more so on a loaded machine.
seconds_us "${TESSARO_TEST_SLOWDOWN:-1}"
xs_slowdown_us=$us
unset us

# wait_for <seconds> <command...>: waits until the command succeeds, for at
# most that many seconds of real time however long each try takes, and
# tries once more at the deadline. Between tries it pauses 0.1 s at first,
# half as long again after each try up to 1 s, and never less than twice
# what the last try took: a cheap check (a window's name, a process) is
# asked often, and an expensive one (a screenshot and its comparison, slow
# under the sanitizers) leaves the machine to the game most of the time.
wait_for() {
  local us now deadline start pause=100000 rest
  seconds_us "$1"
  shift
  now_us
  deadline=$((now + us * xs_slowdown_us / 1000000))
  while true; do
    start=$now
    "$@" >/dev/null 2>&1 && return 0
    now_us
    [ "$now" -lt "$deadline" ] || return 1
    [ $((2 * (now - start))) -le "$pause" ] || pause=$((2 * (now - start)))
    [ "$pause" -le 1000000 ] || pause=1000000
    rest=$((deadline - now < pause ? deadline - now : pause))  # the last try comes at the deadline
    printf -v rest '%d.%06d' $((rest / 1000000)) $((rest % 1000000))
    sleep "$rest"
    pause=$((pause * 3 / 2))
    now_us
  done
}

# not <command...>: succeeds when the command fails (for wait_for).
not() { ! "$@"; }

# xsession_start <width>x<height>: an X server and openbox; sets DISPLAY.
# The server keeps its resources (xrdb) when a client disconnects.
xsession_start() {
  Xvfb -displayfd 3 -noreset -screen 0 "$1x24" -nolisten tcp 3>"$xs_work/display" 2>"$xs_work/xvfb.log" &
  xs_pids+=($!)
  wait_for 20 test -s "$xs_work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$xs_work/display")"
  openbox >/dev/null 2>&1 &
  xs_pids+=($!)
  wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
  wait_for 20 wm_ready || fail "openbox did not start"
}

# xsession_game <build folder>: copies the game into a folder of its own
# (so that its options file is ours) and sets game_dir. Its records go to a
# data folder of its own too, never the player's: data_dir.
xsession_game() {
  game_dir="$xs_work/game"
  mkdir -p "$game_dir"
  cp "$1/tessaro" "$1/Click.wav" "$game_dir/"
  export XDG_DATA_HOME="$xs_work/data"
  data_dir="$XDG_DATA_HOME/Tessaro"
}

# options <N> <moves> [shown]: writes the 10-byte options record; "shown"
# checks "Can see the shuffle".
options() {
  local shown=0
  [ "${3:-}" != shown ] || shown=255
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x' \
    $(($1 & 255)) $(($1 >> 8 & 255)) 0 0 $(($2 & 255)) $(($2 >> 8 & 255)) 0 0 $shown $shown)" >"$game_dir/GameOpt.dat"
}

# Starts the game; sets game_pid, and window once the main window is up.
launch() {
  env "${game_env[@]}" "$game_dir/tessaro" >"$xs_work/game.log" 2>&1 &
  game_pid=$!
  xs_pids+=($game_pid)
  main_window() { xdotool search --onlyvisible --name '^Tessaro$' | head -n1 | grep -q .; }
  wait_for 30 main_window || fail "no main window titled Tessaro"
  window=$(xdotool search --onlyvisible --name '^Tessaro$' | head -n1)
  # Start-up ends when the splash goes; a key pressed before may land in it.
  splash_gone() { [ "$(xdotool search --onlyvisible --class tessaro | grep -cvx "$window")" -eq 0 ]; }
  wait_for 30 splash_gone || fail "the splash stayed after the main window came"
}

shot() { import -window root "$1"; }

# The client area under the menu bar: sets client_x, client_y, client_w,
# client_h in screen pixels. Its ground is the game's own grey, 224.
find_client() {
  local info x y w h column
  info=$(xwininfo -id "$window")
  x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
  w=$(awk '/Width:/ { print $NF }' <<<"$info")
  h=$(awk '/Height:/ { print $NF }' <<<"$info")
  shot "$xs_work/find.png"
  convert "$xs_work/find.png" -crop "1x${h}+$((x + 2))+${y}" +repage -depth 8 txt:- >"$xs_work/column.txt"
  column=$(awk -F'[ ,:]+' '/#E0E0E0/ { print $2; exit }' "$xs_work/column.txt")
  [ -n "$column" ] || fail "no client area found"
  client_x=$x
  client_y=$((y + column))
  client_w=$w
  client_h=$((h - column))
}

# press <kind> <line>: a left click on the middle of a move button. With
# ratio set, the client area's size is in device pixels at that ratio.
press() {
  local x y
  "$probe" buttons "$client_w" "$client_h" "$net_n" ${ratio:-} >"$xs_work/buttons.txt"
  read -r x y < <(awk -v k="$1" -v l="$2" '$1 == k && $2 == l { print $3, $4 }' "$xs_work/buttons.txt")
  xdotool mousemove "$((client_x + x))" "$((client_y + y))" click 1
}

# one_move_shuffle <shot.png> <client x> <client y> <client width> <client height>:
# which single move the 2 x 2 net in the screenshot shows, written as
# "kind line" to $xs_work/shuffle; fails when it shows none.
one_move_shuffle() {
  "$probe" one_move "$@" 2 >"$xs_work/shuffle"
}

menu() { xdotool windowactivate --sync "$window" key --clearmodifiers "$@"; }

# A menu is open when one of the game's windows that the window manager does
# not frame shows, at a menu's size (Qt names a menu's window type only the
# first time it makes the window, so the type cannot tell; and at start-up a
# small helper window of that kind may flash by).
menu_open() {
  local w info
  for w in $(xdotool search --onlyvisible --class tessaro); do
    info=$(xwininfo -id "$w" 2>/dev/null) || continue
    grep -q 'Override Redirect State: yes' <<<"$info" && grep -q 'Map State: IsViewable' <<<"$info" &&
      [ "$(awk '/Width:/ { print $NF }' <<<"$info")" -ge 40 ] &&
      [ "$(awk '/Height:/ { print $NF }' <<<"$info")" -ge 40 ] && return 0
  done
  return 1
}

# choose <menu key> <entry key>: the entry's key goes only to the menu once
# it is open. With a screen reader's bus, Qt holds each key until the bus
# has said whether a listener takes it: under the sanitizers the game's first
# key may come seconds late, or not at all. So a menu that does not open is
# asked for again after Esc: the keys keep their order, and a late first key
# that opened the menu meanwhile has it closed again before the second one.
choose() {
  local tries=3
  menu "$1"
  until wait_for 8 menu_open; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the menu of $1 did not open"
    menu Escape "$1"
  done
  xdotool key "$2"
}
