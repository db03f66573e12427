#!/usr/bin/env bash
# Start-up time (launch to the first window mapped: our splash) and resident
# memory of the game beside a peer game, measured the same way in one run by
# bench/window_bench.sh.
#
# Usage: bench/startup.sh [build folder] [runs]
# Needs the peer from Debian's sgt-puzzles (sudo apt-get install sgt-puzzles).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
runs=${2:-7}
peer=/usr/games/sgt-sixteen
[ -x "$peer" ] || { echo "needs $peer: sudo apt-get install sgt-puzzles" >&2; exit 2; }

echo "== peer: sixteen"
"$here/window_bench.sh" -n "$runs" --build "$build" "$peer" | tail -n 1
echo "== tessaro (first window: the splash)"
"$here/window_bench.sh" -n "$runs" --build "$build" "$build/tessaro" | tail -n 1
