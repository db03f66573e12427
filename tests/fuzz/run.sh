#!/usr/bin/env bash
# Builds the fuzz targets with clang (in build-fuzz/, incrementally) and runs
# each for the given number of seconds, starting from its seed corpus in
# tests/fuzz/corpus/<target>/. New inputs go to a temporary copy, so the
# repository stays clean; an input that breaks a target is kept in
# build-fuzz/artifacts/<target>/ to replay: build-fuzz/tests/fuzz/fuzz_<target> <file>
#
#   tests/fuzz/run.sh 5     the short run of ./build.sh test
#   tests/fuzz/run.sh 60    a longer search
set -euo pipefail
seconds=${1:-}
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 <seconds per target>" >&2; exit 2; }
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

[ -f build-fuzz/CMakeCache.txt ] || cmake --preset fuzz
cmake --build build-fuzz

targets=(options_record practice_text block_count_text key_value records_text game_number)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One target per core at a time: each is single-threaded.
fuzz_one() {
  local target=$1 dir="$work/$1"
  mkdir -p "$dir/corpus" "$dir/tmp" "$dir/found"
  cp tests/fuzz/corpus/"$target"/* "$dir/corpus/"
  # -timeout: an input that takes this long counts as a hang.
  if TMPDIR="$dir/tmp" build-fuzz/tests/fuzz/fuzz_"$target" \
      -max_total_time="$seconds" -timeout=10 -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="$dir/found/" "$dir/corpus" >"$dir/log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log")
    echo "fuzz_$target: ${runs:-?} inputs in ${seconds} s, $(ls "$dir/corpus" | wc -l) in the corpus, nothing found" >"$dir/result"
  else
    mkdir -p build-fuzz/artifacts/"$target"
    cp -r "$dir/found/." build-fuzz/artifacts/"$target"/
    {
      echo "fuzz_$target: FAILED; the input is kept in build-fuzz/artifacts/$target/"
      # From the first report on: what broke, and where.
      awk '/^==[0-9]+==.*ERROR|^broken:|ALARM|^SUMMARY/ { shown = 1 } shown && n++ < 40' "$dir/log"
    } >"$dir/failure"
  fi
}
cores=$(nproc)
running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$cores" ]; then wait -n || true; running=$((running - 1)); fi
  fuzz_one "$target" &
  running=$((running + 1))
done
wait
# The reports in the targets' order, whatever order they finished in.
passed=0
failed=0
for target in "${targets[@]}"; do
  if [ -f "$work/$target/result" ]; then
    cat "$work/$target/result"
    passed=$((passed + 1))
  else
    cat "$work/$target/failure" >&2 2>/dev/null || echo "fuzz_$target: no result" >&2
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
