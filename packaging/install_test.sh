#!/usr/bin/env bash
# The game as a player gets it: the .deb made by cpack, installed with
# apt-get, and started by an ordinary user from the command of its desktop
# entry, under Xvfb and openbox. The first run saves options through the
# options panel, and they must land in that user's own
# ~/.config/Tessaro/GameOpt.dat; the next run must read them back, which
# shows as a net of the saved size.
#
# It installs a system package and creates a user, so it is not part of the
# test suite. Run it as root on Debian 12, after ./build.sh test:
#
#   packaging/install_test.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$(pwd)
[ "$(id -u)" -eq 0 ] || { echo "FAIL: run as root; this installs a package and creates a user" >&2; exit 2; }

player=tessaro-player
blocks=5   # what the first run saves, and the size of the second run's net
# OptBlockN 5; difficulty 0 ("Practice", what an empty record shows); no shuffle shown.
expected="05 00 00 00 00 00 00 00 00 00"

source tests/xsession.sh
fail() {
  echo "FAIL: $*"
  if [ -s "$xs_work/game.log" ]; then sed 's/^/  game says: /' "$xs_work/game.log"; fi
  exit 1
}
step() { echo "ok: $*"; }

# ---- the package ----
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja
cmake --build build >/dev/null
(cd build && cpack -G DEB) >"$xs_work/cpack.log" 2>&1 || { cat "$xs_work/cpack.log"; fail "cpack did not make the package"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
deb=$repo/build/tessaro_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"
step "built $(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"

DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "$deb" </dev/null >"$xs_work/apt.log" 2>&1 ||
  { cat "$xs_work/apt.log"; fail "apt-get could not install the package"; }
[ "$(dpkg-query -W -f='${db:Status-Abbrev}${Version}' tessaro)" = "ii $version" ] || fail "tessaro $version is not installed"
step "installed with apt-get: tessaro $version"

entry=/usr/share/applications/tessaro.desktop
[ -f "$entry" ] || fail "no desktop entry at $entry"
command=$(sed -n 's/^Exec=//p' "$entry" | head -n1 | sed 's/ *%[A-Za-z]//g')
[ -n "$command" ] || fail "the desktop entry has no Exec command"
step "desktop entry's command: $command"

# ---- the player ----
id "$player" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$player"
home=$(getent passwd "$player" | cut -d: -f6)
options_dir=$home/.config/Tessaro
rm -rf "$options_dir"   # a first run, as after a fresh install
step "player $player (uid $(id -u "$player")), home $home, no $options_dir yet"

xsession_start 1024x768
probe=$repo/build/tests/net_probe

# Starts the entry's command as the player, from the player's home folder,
# as a desktop launcher would; sets game_pid and window.
play() {
  setpriv --reuid="$player" --regid="$player" --init-groups \
    env -i HOME="$home" USER="$player" LOGNAME="$player" PATH=/usr/local/bin:/usr/bin:/bin:/usr/games \
    DISPLAY="$DISPLAY" LANG=C.UTF-8 \
    sh -c "cd && exec $command" >"$xs_work/game.log" 2>&1 &
  game_pid=$!
  xs_pids+=("$game_pid")
  main_window() { xdotool search --onlyvisible --name '^Tessaro$' | head -n1 | grep -q .; }
  wait_for 30 main_window || fail "no main window titled Tessaro"
  window=$(xdotool search --onlyvisible --name '^Tessaro$' | head -n1)
}

quit() {
  menu alt+g
  sleep 0.3
  xdotool key q
  wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end the program"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

options_bytes() { od -An -tx1 -v "$options_dir/GameOpt.dat" | xargs; }

# ---- first run: save options ----
play
exe=$(readlink "/proc/$game_pid/exe")
cwd=$(readlink "/proc/$game_pid/cwd")
owner=$(stat -c %U "/proc/$game_pid")
[ "$owner" = "$player" ] || fail "the game runs as $owner"
[ "$cwd" = "$(dirname "$exe")" ] || fail "the game's folder is $cwd, not that of $exe"
[ -f "$cwd/Click.wav" ] || fail "no Click.wav in the game's folder $cwd"
step "first run: window up; $command is $exe, running as $owner in $cwd, Click.wav there"

menu alt+o
sleep 0.3
xdotool type "$blocks"
xdotool key Return
saved() { [ "$(options_bytes)" = "$expected" ]; }
wait_for 10 saved || fail "GameOpt.dat in $options_dir holds '$(options_bytes 2>/dev/null)', not '$expected'"
[ "$(stat -c %U "$options_dir/GameOpt.dat")" = "$player" ] || fail "GameOpt.dat does not belong to $player"
[ ! -e "$cwd/GameOpt.dat" ] || fail "an options file appeared in the system folder $cwd"
step "options panel, $blocks blocks, Enter: $options_dir/GameOpt.dat = $(options_bytes)"
quit
step "first run: Quit ended it with status 0"

# ---- second run: read them back ----
play
menu alt+g
sleep 0.3
xdotool key s
find_client
checked() { shot "$xs_work/net.png" && "$probe" check "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h" "$blocks"; }
wait_for 10 checked || { checked || true; fail "Start did not draw a solved $blocks x $blocks net"; }
step "second run: Start drew a solved $blocks x $blocks net, from the saved options"
[ "$(options_bytes)" = "$expected" ] || fail "the second run changed GameOpt.dat to $(options_bytes)"
quit
step "second run: Quit ended it with status 0; GameOpt.dat unchanged"

echo "PASS: installed $(basename "$deb"); $player's options saved in $options_dir/GameOpt.dat and read back"
