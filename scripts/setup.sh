#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# With --clang only the (large) clang tool chain that scripts/fuzz.sh and
# scripts/sanitize.sh need: the compiler, its sanitizer and libFuzzer
# run-time libraries, and llvm for the symbolizer of their reports.
# With --runner only what the engine and orvane-run's analysis need (the
# first command of the README builds nothing else).
set -euo pipefail
if [ "${1:-}" = "--clang" ]; then
  packages=(clang libclang-rt-14-dev llvm)
elif [ "${1:-}" = "--runner" ]; then
  packages=(build-essential cmake ninja-build libcli11-dev nlohmann-json3-dev)
else
packages=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev gfortran
          qt6-base-dev libqt6opengl6-dev qt6-svg-dev libgl-dev libxlsxwriter-dev libcli11-dev
          nlohmann-json3-dev fonts-dejavu-core xvfb xauth libgl1-mesa-dri poppler-utils
          desktop-file-utils appstream shared-mime-info dpkg-dev fakeroot file binutils groff-base man-db)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
