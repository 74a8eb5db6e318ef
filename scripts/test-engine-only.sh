#!/usr/bin/env bash
# Builds the engine, the model and the runner without the desktop program and
# without Qt (Qt's package is hidden from CMake, as on a machine without it),
# runs their tests, and checks that nothing built links Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-engine-only -G Ninja -DORVANE_WERROR=ON -DORVANE_BUILD_DESKTOP=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DORVANE_BUILD_BENCH=OFF "$@"
cmake --build build-engine-only -j2
ctest --test-dir build-engine-only --output-on-failure -j2
linked=0
for program in build-engine-only/bin/* build-engine-only/tests/*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  if ldd "$program" 2>/dev/null | grep -q 'libQt6'; then
    echo "links Qt: $program" >&2
    linked=1
  fi
done
[ "$linked" = 0 ] || exit 1
echo "engine-only build: nothing links Qt"
