#!/usr/bin/env bash
# The game as a player gets it: the .deb made by dpkg-buildpackage
# (packaging/build_deb.sh), installed with apt-get, and started from the
# command of its desktop entry under Xvfb and openbox.
#
# - An ordinary user saves options through the options panel; they must land
#   in that user's own ~/.config/Tessaro/GameOpt.dat. The next run reads them
#   back, which shows as a net of the saved size, and a press on a move button
#   plays the click sound from the package's data folder.
# - Root does the same with a home of its own: its options too go to its
#   configuration folder, never beside the program in /usr/games.
#
# It installs a system package and creates a user, so it is not part of the
# test suite. Run it as root on Debian 12 (it builds the package first when
# build-deb/ has none):
#
#   packaging/install_test.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$(pwd)
[ "$(id -u)" -eq 0 ] || { echo "FAIL: run as root; this installs a package and creates a user" >&2; exit 2; }

player=tessaro-player
# OptBlockN as given; difficulty 0 ("Practice", what an empty record shows); no shuffle shown.
expected() { printf '%02x 00 00 00 00 00 00 00 00 00' "$1"; }

source tests/xsession.sh
fail() {
  echo "FAIL: $*"
  if [ -s "$xs_work/game.log" ]; then sed 's/^/  game says: /' "$xs_work/game.log"; fi
  exit 1
}
step() { echo "ok: $*"; }

# ---- the package ----
version=$(dpkg-parsechangelog -S Version)
deb=$repo/build-deb/tessaro_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || packaging/build_deb.sh
[ -f "$deb" ] || fail "no $deb"
step "package $(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"

DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "$deb" </dev/null >"$xs_work/apt.log" 2>&1 ||
  { cat "$xs_work/apt.log"; fail "apt-get could not install the package"; }
[ "$(dpkg-query -W -f='${db:Status-Abbrev}${Version}' tessaro)" = "ii $version" ] || fail "tessaro $version is not installed"
step "installed with apt-get: tessaro $version"

entry=/usr/share/applications/tessaro.desktop
[ -f "$entry" ] || fail "no desktop entry at $entry"
command=$(sed -n 's/^Exec=//p' "$entry" | head -n1 | sed 's/ *%[A-Za-z]//g')
[ -n "$command" ] || fail "the desktop entry has no Exec command"
sound=/usr/share/games/tessaro/Click.wav
[ -f "$sound" ] || fail "no $sound"
step "desktop entry's command: $command"

# ---- the players ----
id "$player" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$player"
player_home=$(getent passwd "$player" | cut -d: -f6)
root_home=$xs_work/root-home   # root plays with a home of its own, not the machine's /root
mkdir -p "$root_home"
rm -rf "$player_home/.config/Tessaro"   # a first run, as after a fresh install
step "player $player (uid $(id -u "$player")), home $player_home; root with home $root_home"

xsession_start 1024x768
probe=$repo/build/tests/net_probe
[ -x "$probe" ] || { cmake -S . -B build -G Ninja >/dev/null; cmake --build build --target net_probe >/dev/null; }

# play <user> <home> [command prefix...]: starts the entry's command as that
# user, from the home folder, as a desktop launcher would; sets game_pid and window.
play() {
  local user=$1 home=$2
  shift 2
  "$@" setpriv --reuid="$user" --regid="$user" --init-groups \
    env -i HOME="$home" USER="$user" LOGNAME="$user" PATH=/usr/local/bin:/usr/bin:/bin:/usr/games \
    DISPLAY="$DISPLAY" LANG=C.UTF-8 \
    sh -c "cd && exec $command" >"$xs_work/game.log" 2>&1 &
  game_pid=$!
  xs_pids+=("$game_pid")
  main_window() { xdotool search --onlyvisible --name '^Tessaro$' | head -n1 | grep -q .; }
  wait_for 30 main_window || fail "no main window titled Tessaro"
  window=$(xdotool search --onlyvisible --name '^Tessaro$' | head -n1)
}

quit() {
  choose alt+g q
  wait_for 10 bash -c "! kill -0 $game_pid" || fail "Quit did not end the program"
  local status=0
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

options_bytes() { od -An -tx1 -v "$1/.config/Tessaro/GameOpt.dat" | xargs; }

# save_options <user> <home> <blocks>: a run that saves the block count through the options panel.
save_options() {
  local user=$1 home=$2 blocks=$3
  play "$user" "$home"
  local exe cwd owner
  exe=$(readlink "/proc/$game_pid/exe")
  cwd=$(readlink "/proc/$game_pid/cwd")
  owner=$(stat -c %U "/proc/$game_pid")
  [ "$owner" = "$user" ] || fail "the game runs as $owner"
  [ "$exe" = /usr/games/tessaro ] || fail "$command is $exe, not /usr/games/tessaro"
  step "$user: window up; $command is $exe, running as $owner in $cwd"

  # The keys keep their order: they reach the panel once it is open.
  menu alt+o
  xdotool type "$blocks"
  xdotool key Return
  saved() { [ "$(options_bytes "$home")" = "$(expected "$blocks")" ]; }
  wait_for 10 saved || fail "$home/.config/Tessaro/GameOpt.dat holds '$(options_bytes "$home" 2>/dev/null)'"
  [ "$(stat -c %U "$home/.config/Tessaro/GameOpt.dat")" = "$user" ] || fail "GameOpt.dat does not belong to $user"
  [ ! -e /usr/games/GameOpt.dat ] || fail "an options file appeared in the system folder /usr/games"
  step "$user: options panel, $blocks blocks, Enter: $home/.config/Tessaro/GameOpt.dat = $(options_bytes "$home")"
  quit
  step "$user: Quit ended it with status 0"
}

# ---- an ordinary player: save, then read back and click ----
save_options "$player" "$player_home" 5

trace=$xs_work/open.trace
play "$player" "$player_home" strace -f -qq -e trace=openat -o "$trace"
choose alt+g s
find_client
net_n=5
checked() { shot "$xs_work/net.png" && "$probe" check "$xs_work/net.png" "$client_x" "$client_y" "$client_w" "$client_h" 5; }
wait_for 10 checked || { checked || true; fail "Start did not draw a solved 5 x 5 net"; }
step "$player: Start drew a solved 5 x 5 net, from the saved options"
press 1 1
sound_opened() { grep -q "\"$sound\"" "$trace"; }
wait_for 10 sound_opened || fail "a press on a move button did not open $sound"
! grep -E '"[^"]*GameOpt\.dat"' "$trace" | grep -v "\"$player_home/.config/Tessaro/GameOpt.dat\"" ||
  fail "the game opened an options file outside $player_home/.config/Tessaro"
step "$player: a press on a move button opened $sound"
quit
[ "$(options_bytes "$player_home")" = "$(expected 5)" ] || fail "the second run changed GameOpt.dat"
step "$player: Quit ended it with status 0; GameOpt.dat unchanged"

# ---- root: the program's folder is writable, and still not used ----
save_options root "$root_home" 4
[ -z "$(find /usr/games /usr/share/games/tessaro -name GameOpt.dat)" ] || fail "an options file lies in a system folder"
step "root: no GameOpt.dat under /usr/games or /usr/share/games/tessaro"

echo "PASS: installed $(basename "$deb"); options kept in each player's ~/.config/Tessaro, root's too; the click sound from $sound"
