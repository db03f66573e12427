#!/usr/bin/env bash
# A packager's machine without the tools of the tests: with BUILD_TESTING
# off, the game configures although GoogleTest, Qt's test library and
# Google Benchmark are hidden from CMake, and the build holds the game but
# no test and no benchmark. With the tests asked for, the same machine is
# refused, which shows that the tools really were hidden.
#
# Usage: configure_without_test_tools_test.sh <source folder>
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

hidden=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON
        -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)

cmake -S "$source" -B "$work/off" -G "Unix Makefiles" -DBUILD_TESTING=OFF "${hidden[@]}" >"$work/off.log" 2>&1 ||
  { cat "$work/off.log"; fail "BUILD_TESTING=OFF does not configure without the test tools"; }
# Run by make (a package build), make's own settings would reach this make.
env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL cmake --build "$work/off" --target help >"$work/targets"
grep -qx '\.\.\. tessaro' "$work/targets" || fail "no tessaro target"
for t in model_test ui_test draw_bench model_bench; do
  ! grep -qx "\.\.\. $t" "$work/targets" || fail "$t is built although BUILD_TESTING is off"
done

! cmake -S "$source" -B "$work/on" -G "Unix Makefiles" -DBUILD_TESTING=ON "${hidden[@]}" >"$work/on.log" 2>&1 ||
  fail "configured with the tests although their tools were hidden"

echo "PASS: BUILD_TESTING=OFF configures the game alone without GoogleTest, Qt6::Test and Google Benchmark"
