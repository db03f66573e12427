#!/usr/bin/env bash
# Start-up time (launch to the first window mapped: our splash) and resident
# memory of the game beside a peer game, measured the same way in one run.
#
# Usage: bench/startup.sh [build folder] [runs]
# Needs the peer from Debian's sgt-puzzles (sudo apt-get install sgt-puzzles)
# and the shared window-bench tool (WINDOW_BENCH, default ../shared/tools/window-bench.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
runs=${2:-7}
bench=${WINDOW_BENCH:-$here/../../shared/tools/window-bench.sh}
peer=/usr/games/sgt-sixteen
[ -x "$peer" ] || { echo "needs $peer: sudo apt-get install sgt-puzzles" >&2; exit 2; }
[ -x "$bench" ] || { echo "needs the window-bench tool at $bench (set WINDOW_BENCH)" >&2; exit 2; }

echo "== peer: sixteen"
"$bench" -n "$runs" "$peer" | tail -n 1
echo "== tessaro (first window: the splash)"
"$bench" -n "$runs" "$build/tessaro" | tail -n 1
