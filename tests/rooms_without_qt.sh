#!/usr/bin/env bash
# model/, board/, session/, options/ and records/ are the game without a window: every
# source of theirs compiles with nothing but these rooms on the include
# path (no Qt header can be found), and all of them link together into a
# program with the standard library alone. They compile at -O3, as a
# packager's Release build does: the optimiser is where GCC finds warnings
# of its own (some of them false, which the code is then written around).
#
# Usage: rooms_without_qt.sh <C++ compiler> <source folder> <work folder>
set -euo pipefail
cxx=$1
source_dir=$2
work=$3
rooms=(model board session options records)

rm -rf "$work"
mkdir -p "$work/include" "$work/objects"
sources=()
for room in "${rooms[@]}"; do
  ln -s "$source_dir/$room" "$work/include/$room"
  sources+=("$source_dir/$room"/*.cpp)
done

# One compiler per core; each object is named room-file.o.
compile() {
  local source=$1 room
  room=$(basename "$(dirname "$source")")
  "$cxx" -std=c++20 -Wall -Wextra -Wpedantic -Werror -O3 -I"$work/include" \
    -c "$source" -o "$work/objects/$room-$(basename "$source" .cpp).o" ||
    { echo "FAIL: $room/$(basename "$source") does not compile without Qt, warning-free at -O3" >&2; return 1; }
}
export -f compile
export cxx work
printf '%s\0' "${sources[@]}" | xargs -0 -n 1 -P "$(nproc)" bash -c 'compile "$0"'

echo 'int main() { return 0; }' >"$work/main.cpp"
"$cxx" -std=c++20 "$work/main.cpp" "$work"/objects/*.o -o "$work/rooms" ||
  { echo "FAIL: the rooms below ui/ do not link with the standard library alone" >&2; exit 1; }
echo "PASS: ${#sources[@]} sources of ${rooms[*]} compile and link without Qt"
