#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tessaro, builds it, and then either starts
# the game or runs every test.
#
#   ./build.sh run    install what is missing, build, start the game
#   ./build.sh web    install what is missing, build the game for the
#                     browser into build-web/site/ and serve that folder on
#                     http://127.0.0.1:8080/ (TESSARO_PORT sets another port)
#   ./build.sh test   install what is missing, build, run the whole suite,
#                     then run it again under the sanitizers and fuzz the
#                     parsers of outside input for a few seconds each; the
#                     browser's build with its tests in headless Chromium
#
# Safe to run again: packages already present are not touched, and the build
# only redoes what changed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

mode=${1:-}
case "$mode" in
  run|web|test) ;;
  *) echo "usage: $0 run|web|test" >&2; exit 2 ;;
esac

packages=(cmake ninja-build)                     # tool chain
if [ "$mode" != web ]; then
  packages+=(
    build-essential pkg-config                   # tool chain
    qt6-base-dev qt6-multimedia-dev              # Qt 6.4 Widgets, Multimedia, Test
    qt6-l10n-tools                               # lrelease, lupdate: the English texts
    libxcb1-dev                                  # the X11 window's ground colour
    libgtest-dev libbenchmark-dev                # window-free tests, benchmarks
    fonts-ipafont-gothic                         # Japanese Gothic for the game's texts
  )
fi
if [ "$mode" != run ]; then
  # The browser's build: emscripten (with Debian's acorn; it brings Node,
  # which also serves the folder).
  packages+=(emscripten)
  command -v node >/dev/null || packages+=(nodejs)
fi
if [ "$mode" = test ]; then
  # The real program under its own X server and window manager.
  packages+=(xvfb xauth openbox xdotool x11-utils imagemagick)
  # The clipboard read from outside the game (the copied game number).
  packages+=(xclip)
  # Scaling set as desktops set it (Xft.dpi through xrdb).
  packages+=(x11-xserver-utils)
  # Wayland: a compositor (nested in Xvfb) and Qt's Wayland platform.
  packages+=(weston qt6-wayland)
  # The validators of the desktop entry, the AppStream file and the manual page.
  packages+=(desktop-file-utils appstream man-db)
  # A screen reader's view of it: a private D-Bus session, the accessibility
  # bus, and Python's binding of its client library.
  packages+=(dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0)
  # The sanitizer build and the fuzz targets: clang with its sanitizers and
  # libFuzzer, and the symbolizer that names the lines in their reports.
  packages+=(clang libclang-rt-14-dev llvm)
  # The layout check of the code (tools/format_check.sh).
  packages+=(clang-format)
  # The browser's tests: GoogleTest's sources for the rooms' tests under
  # emscripten, Chromium for the page, npm for Playwright and axe-core
  # (their versions fixed by tests/web/package-lock.json; Playwright never
  # downloads a browser of its own), a Japanese font for the page's texts.
  packages+=(googletest chromium fonts-ipafont-gothic)
  # Debian's npm, unless the Node installed brings its own.
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null)" = "ii " ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
fi

# The browser's build: the rooms and web/ by emscripten into build-web/.
web_build() {
  [ -f build-web/CMakeCache.txt ] || cmake --preset web "$@"
  cmake --build build-web "${targets[@]}"
}

if [ "$mode" = web ]; then
  targets=(--target tessaro_site)
  web_build -DBUILD_TESTING=OFF
  echo "The game for the browser is in build-web/site/: put that folder on any static web host."
  exec node web/serve.mjs build-web/site "${TESSARO_PORT:-8080}"
fi

# The test command treats every warning as an error and checks the code's
# layout; a player's build does neither.
strict=()
[ "$mode" = run ] || strict=(-DTESSARO_WERROR=ON -DTESSARO_FORMAT_CHECK=ON)
if [ ! -f build/CMakeCache.txt ] ||
   { [ "$mode" = test ] && ! { grep -qx 'TESSARO_WERROR:BOOL=ON' build/CMakeCache.txt &&
                               grep -qx 'TESSARO_FORMAT_CHECK:BOOL=ON' build/CMakeCache.txt; }; }; then
  cmake -S . -B build -G Ninja "${strict[@]}"
fi
cmake --build build

if [ "$mode" = run ]; then
  exec ./build/tessaro
fi
ctest --test-dir build --output-on-failure -j "$(nproc)"

# The whole suite once more, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/.
[ -f build-asan/CMakeCache.txt ] || cmake --preset asan
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

# Every parser of outside input, fuzzed for a few seconds each.
tests/fuzz/run.sh 5

# The browser's build with its tests: the window-free rooms' tests under
# Node, and the page in headless Chromium (tests/web/page_test.mjs), whose
# canvas is compared with the desktop's drawing from build/.
targets=()
if [ -f build-web/CMakeCache.txt ] && ! grep -qx 'BUILD_TESTING:BOOL=ON' build-web/CMakeCache.txt; then
  cmake --preset web -DBUILD_TESTING=ON  # built for playing only so far
fi
web_build
npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
ctest --test-dir build-web --output-on-failure -j "$(nproc)"
