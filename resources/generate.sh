#!/usr/bin/env bash
# Draws the game's pictures and click sound again and writes them into
# resources/. The files are kept in the repository, so the game's build never
# runs this; run it after changing the drawing code in generator/ and commit
# the new files together with that change (resources_test fails until then).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${root}/build"

[ -f "${build}/CMakeCache.txt" ] || cmake -S "${root}" -B "${build}" -G Ninja
cmake --build "${build}" --target draw_resources
"${build}/resources/draw_resources" "${root}/resources"

if git -C "${root}" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git -C "${root}" status --short -- resources
fi
