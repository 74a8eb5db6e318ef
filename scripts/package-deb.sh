#!/usr/bin/env bash
# Builds the Debian package of ORVANE with CPack and prints its path.
# Usage: scripts/package-deb.sh [build folder]   (default: build)
# The folder is configured when it is not yet; only the packaged targets are
# built. Install the package with: sudo apt install ./build/packages/orvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build}")
for tool in cpack dpkg-shlibdeps dpkg-deb fakeroot; do
  command -v "$tool" >/dev/null || { echo "package-deb.sh: $tool is missing (bash scripts/setup.sh installs it)" >&2; exit 1; }
done
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target orvane orvane-run OrvaneEngine orvane_man_pages >/dev/null
rm -f "$build"/packages/orvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/packages/orvane_*.deb)
echo "$deb"
