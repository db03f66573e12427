#!/usr/bin/env bash
# Checks that every C++ file of the game, its tests and benchmarks is laid
# out as .clang-format says; exits non-zero and names the places otherwise.
#
#   tools/format_check.sh         check (what the test command runs)
#   tools/format_check.sh --fix   lay every file out anew, in place
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

clang_format=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$clang_format" ] || { echo "clang-format 14 is missing (apt-get install clang-format)" >&2; exit 2; }
"$clang_format" --version | grep -q 'version 14\.' ||
  { echo "$clang_format is not version 14; other versions lay code out differently" >&2; exit 2; }

mapfile -d '' files < <(find model board session options records ui resources tests bench \
  -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if [ "${1:-}" = --fix ]; then
  "$clang_format" -i --style=file "${files[@]}"
  echo "laid out ${#files[@]} files"
else
  "$clang_format" --dry-run --Werror --style=file "${files[@]}"
  echo "PASS: ${#files[@]} files laid out as .clang-format says"
fi
