#!/usr/bin/env bash
# Builds the Debian package as a packager does, from a clean copy of this
# tree, and checks the result with lintian's default profile: no error and
# no warning may remain. Installs what the build lacks (dpkg-dev, debhelper,
# lintian and the Build-Depends of debian/control) through apt-get.
#
#   packaging/build_deb.sh
#
# Everything lands in build-deb/: the source package (.dsc, .tar.xz), the
# binary package tessaro_<version>_<arch>.deb with its debug symbols, the
# .buildinfo and the .changes.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$(pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! command -v dpkg-buildpackage >/dev/null || ! command -v dh >/dev/null || ! command -v lintian >/dev/null; then
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    dpkg-dev debhelper lintian </dev/null
fi
if ! dpkg-checkbuilddeps 2>/dev/null; then
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y --no-install-recommends "$repo" </dev/null
fi

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
out=$repo/build-deb
rm -rf "$out"
mkdir -p "$out/tessaro-$version"
# The files of the tree that git knows or would add, as they are now.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar --null -T - -cf - | tar -xf - -C "$out/tessaro-$version"

(cd "$out" && dpkg-source --build "tessaro-$version") >"$out/source.log" 2>&1 ||
  { cat "$out/source.log"; fail "dpkg-source could not build the source package"; }
echo "ok: source package tessaro_$version.dsc"

start=$(date +%s)
(cd "$out/tessaro-$version" && dpkg-buildpackage -us -uc -b -J"$(nproc)") >"$out/build.log" 2>&1 ||
  { tail -n 80 "$out/build.log"; fail "dpkg-buildpackage failed; the whole log is $out/build.log"; }
deb=$out/tessaro_${version}_$arch.deb
[ -f "$deb" ] || fail "no $deb"
echo "ok: dpkg-buildpackage -us -uc -b built $(basename "$deb") in $(($(date +%s) - start)) s;" \
  "its test run: $(grep -E '^[0-9]+% tests passed' "$out/build.log" || echo none)"

status=0
lintian --fail-on error,warning --display-info "$out/tessaro_$version.dsc" \
  "$out/tessaro_${version}_$arch.changes" | tee "$out/lintian.log" || status=$?
[ "$status" -eq 0 ] || fail "lintian reports errors or warnings (above)"
echo "PASS: $(basename "$deb"): lintian finds no error and no warning ($(wc -l <"$out/lintian.log") notes of lower severity)"
